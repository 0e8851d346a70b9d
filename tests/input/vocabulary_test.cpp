// The editor's vocabulary: PHREEQC 3's blocks with their spellings and options, and its BASIC
// words with signatures and argument names, against the shipped tables.
#include <vxcheck/input/help.h>
#include <vxcheck/input/vocabulary.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>

namespace vxcheck {
namespace {

std::vector<std::string> TableColumn(const std::string& file, std::string_view kind) {
    std::ifstream in(std::string(VXCHECK_DATA_DIR) + "/phreeqc3/" + file);
    std::vector<std::string> words;
    std::string line;
    std::getline(in, line); // header
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string token;
        std::string second;
        std::getline(fields, token, '\t');
        std::getline(fields, second, '\t');
        if (second == kind) {
            words.push_back(token);
        }
    }
    return words;
}

TEST(BlockVocabulary, EverySpellingOpensItsBlockWithPhreeqcsOptions) {
    std::size_t spellings = 0;
    for (const BlockVocabulary& block : BlockVocabularies()) {
        spellings += block.spellings.size();
        for (std::string_view spelling : block.spellings) {
            EXPECT_EQ(FindBlockVocabulary(spelling), &block) << spelling;
        }
    }
    EXPECT_EQ(BlockVocabularies().size(), 80u);
    EXPECT_EQ(spellings, 112u);
    const BlockVocabulary* phases = FindBlockVocabulary("EQUILIBRIA");
    ASSERT_NE(phases, nullptr);
    EXPECT_EQ(phases->name, "equilibrium_phases");
    EXPECT_EQ(phases->spellings.front(), "pure_phases");
    const BlockVocabulary* solution = FindBlockVocabulary("Solution");
    ASSERT_NE(solution, nullptr);
    ASSERT_GE(solution->options.size(), 2u);
    EXPECT_EQ(solution->options[0], "temp");
    EXPECT_EQ(solution->options[1], "temperature");
    EXPECT_EQ(FindBlockVocabulary("datablock"), nullptr);
    EXPECT_EQ(FindBlockVocabulary("sol"), nullptr);
    EXPECT_EQ(FindBlockVocabulary(""), nullptr);
}

TEST(BasicVocabulary, HoldsEveryWordOfTheInterpretersTable) {
    std::vector<std::string> table = TableColumn("basic.tsv", "word");
    ASSERT_GT(table.size(), 150u);
    for (const std::string& word : table) {
        const BasicWordInfo* info = FindBasicWord(word);
        EXPECT_EQ(info == nullptr, word.find(' ') != std::string::npos) << word;
    }
    EXPECT_TRUE(std::is_sorted(
        BasicVocabulary().begin(), BasicVocabulary().end(),
        [](const BasicWordInfo& a, const BasicWordInfo& b) { return a.name < b.name; }));
    EXPECT_EQ(FindBasicWord("Si"), FindBasicWord("SI"));
    EXPECT_EQ(FindBasicWord("calcite"), nullptr);
}

TEST(BasicVocabulary, SignaturesNameWhatArgumentsLookUp) {
    const BasicWordInfo* si = FindBasicWord("si");
    ASSERT_NE(si, nullptr);
    EXPECT_EQ(si->role, BasicRole::Function);
    EXPECT_EQ(si->signature, "SI(\"phase\")");
    EXPECT_EQ(si->arguments.at(0).label, "\"phase\"");
    ASSERT_EQ(si->arguments.size(), 1u);
    EXPECT_EQ(si->arguments[0].names, BasicNames::Phase);

    const BasicWordInfo* tot = FindBasicWord("tot");
    ASSERT_EQ(tot->arguments.size(), 1u);
    EXPECT_EQ(tot->arguments[0].names, BasicNames::Element);
    EXPECT_NE(
        std::find(tot->arguments[0].specials.begin(), tot->arguments[0].specials.end(), "water"),
        tot->arguments[0].specials.end());

    const BasicWordInfo* mol = FindBasicWord("MOL");
    EXPECT_EQ(mol->arguments[0].names, BasicNames::AnySpecies);

    const BasicWordInfo* surf = FindBasicWord("surf");
    ASSERT_EQ(surf->arguments.size(), 2u);
    EXPECT_EQ(surf->arguments[1].names, BasicNames::SurfaceName);
    EXPECT_TRUE(surf->arguments[1].optional);
    EXPECT_EQ(surf->arguments[1].label, "\"surface\"");

    const BasicWordInfo* sys = FindBasicWord("sys");
    EXPECT_EQ(sys->arguments[0].specials.size(), 9u);
    EXPECT_EQ(sys->arguments[2].type, 'w');

    EXPECT_EQ(sys->arguments[5].label, "x"); // read by the interpreter, not in the form

    EXPECT_EQ(FindBasicWord("goto")->role, BasicRole::Statement);
    EXPECT_EQ(FindBasicWord("then")->role, BasicRole::Clause);
    EXPECT_EQ(FindBasicWord("mod")->role, BasicRole::Operator);
}

// Completion's signatures and labels are the help forms that hover and signature help show.
TEST(BasicVocabulary, SignaturesAreTheHelpForms) {
    for (const BasicWordInfo& word : BasicVocabulary()) {
        const BasicHelp* help = FindBasicHelp(word.name);
        ASSERT_NE(help, nullptr) << word.name;
        EXPECT_EQ(word.signature, help->form);
        const std::vector<std::string_view> parameters = BasicParameters(*help);
        for (std::size_t index = 0; index < word.arguments.size() && index < parameters.size();
             ++index) {
            if (parameters[index] != "...") {
                EXPECT_EQ(word.arguments[index].label, parameters[index]) << word.name;
            }
        }
    }
}

} // namespace
} // namespace vxcheck
