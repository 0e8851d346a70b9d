// The symbol index: definitions and references of names and entity numbers, on small inputs and
// on PHREEQC's examples.
#include <vxcheck/input/symbols.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>

namespace {

using vxcheck::EntityKind;
using vxcheck::SymbolOccurrence;
using vxcheck::SymbolSpace;

// The occurrences of an input as "name:space:d|r" strings, in order.
std::vector<std::string> Describe(const std::string& text) {
    const vxcheck::InputModel model = vxcheck::ReadInput(text);
    std::vector<std::string> found;
    for (const SymbolOccurrence& occurrence : vxcheck::IndexSymbols(model).occurrences) {
        EXPECT_EQ(text.substr(occurrence.begin, occurrence.end - occurrence.begin),
                  occurrence.name);
        found.push_back(std::string(occurrence.name) + ":" +
                        std::to_string(static_cast<int>(occurrence.space)) +
                        (occurrence.definition ? ":d" : ":r"));
    }
    return found;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

TEST(SymbolIndex, FindsDefinitionsAndReferencesOfNames) {
    const std::string input = "SOLUTION_MASTER_SPECIES\n"
                              "Fe_di  Fe_di+2  0.0  Fe_di  55.8\n"
                              "SOLUTION_SPECIES\n"
                              "Fe_di+2 + H2O = Fe_diOH+ + H+\n"
                              "  log_k -9.5\n"
                              "PHASES\n"
                              "Goethite\n"
                              "  FeOOH + 3H+ = Fe_tri+3 + 2H2O\n"
                              "RATES\n"
                              "Fe_di_ox\n"
                              "  -start\n"
                              "  10 PUT(SI(\"Goethite\"), 1)\n"
                              "  -end\n"
                              "EQUILIBRIUM_PHASES 1\n"
                              "  goethite 0 0\n"
                              "KINETICS 1\n"
                              "  Fe_di_ox\n"
                              "EXCHANGE 1\n"
                              "  CaX2 0.1\n";
    const std::vector<std::string> expected = {
        "Fe_di:0:d",    "Fe_di+2:1:d",  "Fe_di+2:1:r", "H2O:1:r",      "Fe_diOH+:1:d",
        "H+:1:r",       "Goethite:2:d", "H+:1:r",      "Fe_tri+3:1:r", "H2O:1:r",
        "Fe_di_ox:3:d", "Goethite:2:r", "1:4:d",       "goethite:2:r", "1:4:d",
        "Fe_di_ox:3:r", "1:4:d",        "Ca:0:r",      "X:0:r"};
    EXPECT_EQ(Describe(input), expected);

    const vxcheck::InputModel model = vxcheck::ReadInput(input);
    const vxcheck::SymbolIndex index = vxcheck::IndexSymbols(model);
    const SymbolOccurrence* goethite = index.At(input.find("goethite"));
    ASSERT_NE(goethite, nullptr);
    EXPECT_EQ(index.Related(*goethite).size(), 3u); // letter case ignored for phases
    const SymbolOccurrence* species = index.At(input.find("Fe_di+2 +") + 3);
    ASSERT_NE(species, nullptr);
    EXPECT_EQ(index.Related(*species).size(), 2u);
    EXPECT_EQ(index.At(input.find("log_k")), nullptr);
    EXPECT_FALSE(vxcheck::SameName(SymbolSpace::Species, "Ca+2", "ca+2"));
    EXPECT_TRUE(vxcheck::SameName(SymbolSpace::Element, "Fe(3)", "fe(3)"));
}

TEST(SymbolIndex, FindsEntityNumbers) {
    const std::string input = "SOLUTION 1-3\n"
                              "END\n"
                              "USE solution 2\n"
                              "SAVE solution 7\n"
                              "COPY solution 2 10-12\n"
                              "MIX 4\n"
                              "  2 0.5\n"
                              "  7 0.5\n"
                              "EXCHANGE 1\n"
                              "  X 0.1\n"
                              "  -equilibrate 3\n"
                              "SOLUTION_MODIFY 7\n"
                              "DELETE\n"
                              "  -cells 2\n"
                              "USE pure_phases 2\n";
    const vxcheck::InputModel model = vxcheck::ReadInput(input);
    const vxcheck::SymbolIndex index = vxcheck::IndexSymbols(model);
    std::string summary;
    for (const SymbolOccurrence& occurrence : index.occurrences) {
        if (occurrence.space == SymbolSpace::Entity) {
            summary += std::to_string(static_cast<int>(occurrence.entity)) + ":" +
                       std::to_string(occurrence.first) + "-" + std::to_string(occurrence.last) +
                       (occurrence.definition ? "d " : "r ");
        }
    }
    EXPECT_EQ(summary, "0:1-3d 0:2-2r 0:7-7d 0:2-2r 0:10-12d 7:4-4d 0:2-2r 0:7-7r 2:1-1d 0:3-3r "
                       "0:7-7r 11:2-2r 1:2-2r ");
    const SymbolOccurrence* used = index.At(input.find("solution 2") + 9);
    ASSERT_NE(used, nullptr);
    // SOLUTION 1-3, USE, COPY's source, the MIX row and the cell of DELETE
    EXPECT_EQ(index.Related(*used).size(), 5u);
    // USE and SAVE, statements 2 and 3, indexed alone
    const vxcheck::SymbolIndex part = vxcheck::IndexSymbols(model, 2, 4);
    ASSERT_EQ(part.occurrences.size(), 2u);
    EXPECT_EQ(part.occurrences[1].first, 7);
    EXPECT_TRUE(vxcheck::IndexSymbols(model, 4, 2).occurrences.empty());
    EXPECT_EQ(vxcheck::IndexSymbols(model, 0, 1000).occurrences.size(), index.occurrences.size());
}

TEST(SymbolIndex, ReadsCellsMixesFormulasAndBadReactions) {
    const std::vector<std::string> expected = {"1-2:4:r", "1:4:r", "5:4:d",     "6:4:d",
                                               "1:4:r",   "1:4:r", "Hfo_w:0:r", "O:0:r",
                                               "H:0:r",   "2:4:d", "Fe+2:1:r"};
    EXPECT_EQ(Describe("DUMP\n"
                       "  -solution 1-2\n"
                       "COPY cell 1 5\n"
                       "EXCHANGE_MIX 6\n"
                       "  1 0.5\n"
                       "INVERSE_MODELING\n"
                       "  -solutions 1 x\n"
                       "SURFACE\n"
                       "  Hfo_wOH 0.1 600 1\n"
                       "SOLUTION_SPECIES\n"
                       "  Fe+2 = = Fe+3\n"
                       "REACTION 2\n"
                       "  Fe+2 1\n"
                       "USE nothing 3\n"),
              expected);
}

TEST(SymbolIndex, IndexesEveryExampleInOrder) {
    const std::string text = ReadFile(std::string(VXCHECK_DATA_DIR) + "/examples/ex9.pqi");
    const vxcheck::InputModel model = vxcheck::ReadInput(text);
    const vxcheck::SymbolIndex index = vxcheck::IndexSymbols(model);
    ASSERT_FALSE(index.occurrences.empty());
    std::size_t definitions = 0;
    for (std::size_t i = 0; i < index.occurrences.size(); ++i) {
        const SymbolOccurrence& occurrence = index.occurrences[i];
        ASSERT_LT(occurrence.begin, occurrence.end);
        ASSERT_EQ(text.substr(occurrence.begin, occurrence.end - occurrence.begin),
                  occurrence.name);
        if (i > 0) {
            ASSERT_LE(index.occurrences[i - 1].end, occurrence.begin);
        }
        definitions += occurrence.definition ? 1 : 0;
    }
    const SymbolOccurrence* rate = index.At(text.find("\nFe_di_ox") + 1);
    ASSERT_NE(rate, nullptr);
    EXPECT_TRUE(rate->definition);
    EXPECT_EQ(rate->space, SymbolSpace::Rate);
    EXPECT_GE(index.Related(*rate).size(), 2u); // RATES and KINETICS
    const SymbolOccurrence* punched = index.At(text.find("SI(\"Goethite\")") + 4);
    ASSERT_NE(punched, nullptr);
    EXPECT_EQ(punched->space, SymbolSpace::Phase);
    EXPECT_GT(definitions, 20u);
}

TEST(SymbolIndex, KeepsTheFieldsOfTheStatementsItIndexes) {
    const std::string text = ReadFile(std::string(VXCHECK_DATA_DIR) + "/examples/ex9.pqi");
    const vxcheck::InputModel model = vxcheck::ReadInput(text);
    const vxcheck::SymbolIndex whole = vxcheck::IndexSymbols(model);
    const std::size_t count = model.statements.size();
    const vxcheck::SymbolIndex part = vxcheck::IndexSymbols(model, count / 3, count / 2);
    for (std::size_t i = 0; i < count; ++i) {
        const std::vector<vxcheck::FieldKind> fields = vxcheck::ClassifyFields(model, i);
        const std::span<const vxcheck::FieldKind> kept = whole.FieldsOf(model, i);
        ASSERT_TRUE(std::equal(fields.begin(), fields.end(), kept.begin(), kept.end())) << i;
        const std::span<const vxcheck::FieldKind> inPart = part.FieldsOf(model, i);
        if (i >= count / 3 && i < count / 2) {
            ASSERT_TRUE(std::equal(fields.begin(), fields.end(), inPart.begin(), inPart.end()))
                << i;
        } else {
            ASSERT_TRUE(inPart.empty()) << i;
        }
    }
    EXPECT_TRUE(whole.FieldsOf(model, count).empty());
}

} // namespace
