// Completion: what each field offers, from phreeqc.dat's names and the input's own definitions,
// with kinds, details and the range that the items replace.
#include "fixture.h"
#include "lsp/features/completion_filter.h"

#include <vxcheck/input/lint.h>

#include <algorithm>
#include <fstream>
#include <sstream>

namespace vxcheck::lsp::testing {
namespace {

const std::string kDataDir = VXCHECK_DATA_DIR;

const DatabaseNames& Phreeqc() {
    static const DatabaseNames database = [] {
        DatabaseNames names;
        names.path = kDataDir + "/databases/phreeqc.dat";
        std::ifstream in(names.path, std::ios::binary);
        std::stringstream bytes;
        bytes << in.rdbuf();
        names.table = ReadDatabaseNames(bytes.str(), names.path);
        return names;
    }();
    return database;
}

// The completion at the "|" of text, against phreeqc.dat; the document stands among the examples.
struct Completed {
    explicit Completed(const std::string& text, bool snippets = false)
        : document("file://" + kDataDir + "/examples/new.pqi", 1, Marked::Strip(text, point)),
          outline(document, TestVocabulary()),
          list(
              Completion({document, outline, TestVocabulary(), &Phreeqc(), PositionEncoding::Utf16},
                         point, snippets)) {}

    const CompletionItem* Find(const std::string& label) const {
        auto it = std::find_if(list.items.begin(), list.items.end(),
                               [&](const CompletionItem& item) { return item.label == label; });
        return it == list.items.end() ? nullptr : &*it;
    }
    bool Has(const std::string& label) const { return Find(label) != nullptr; }
    bool All(bool (*test)(const CompletionItem&)) const {
        return !list.items.empty() && std::all_of(list.items.begin(), list.items.end(), test);
    }

    TextPoint point;
    Document document;
    Outline outline;
    CompletionList list;
};

TEST(Completion, LineStartsOfferKeywordsOptionsAndTheBlocksData) {
    Completed typed("SOLUTION 1\n  Ca 1\n  F|");
    const CompletionItem* valence = typed.Find("Fe(2)");
    ASSERT_NE(valence, nullptr);
    EXPECT_EQ(valence->detail, "valence state");
    EXPECT_EQ(valence->textEdit.range.start.character, 2);
    EXPECT_EQ(valence->textEdit.range.end.character, 3);
    Completed solution("SOLUTION 1\n  Ca 1\n  |");
    const CompletionItem* keyword = solution.Find("EQUILIBRIUM_PHASES");
    ASSERT_NE(keyword, nullptr);
    EXPECT_EQ(keyword->kind, CompletionItemKind::Keyword);
    for (const char* option : {"pH", "pe", "temp", "units", "-units", "-temperature"}) {
        EXPECT_TRUE(solution.Has(option)) << option;
    }
    for (const char* absent : {"Total_H", "Total_O", "Charge", "E", "Calcite", "DATABLOCK",
                               "REACTIVE_TRANSPORT", "HYDRAULIC_PROPERTIES", "-material"}) {
        EXPECT_FALSE(solution.Has(absent)) << absent;
    }
    EXPECT_TRUE(solution.Has("Alkalinity"));

    Completed dashed("SOLUTION 1\n  -|");
    EXPECT_TRUE(dashed.All([](const CompletionItem& item) {
        return item.label[0] == '-' && item.kind == CompletionItemKind::Property;
    }));
    EXPECT_TRUE(dashed.Has("-temperature"));
    EXPECT_TRUE(Completed("SOLUTION 1 # -|").list.items.empty());

    Completed phases("EQUILIBRIUM_PHASES 1\n  |");
    EXPECT_TRUE(phases.Has("Calcite"));
    EXPECT_EQ(phases.Find("Calcite")->detail, "CaCO3");
    EXPECT_TRUE(phases.Has("force_equality"));
    EXPECT_FALSE(phases.Has("NaX")); // an exchange species, a phase only for INVERSE_MODELING
    EXPECT_FALSE(phases.Has("Ca+2"));

    Completed kinetics("KINETICS 1\n  |");
    EXPECT_TRUE(kinetics.Has("Pyrite"));
    EXPECT_EQ(kinetics.Find("Pyrite")->detail, "rate");
    EXPECT_TRUE(kinetics.Has("-m0"));
    EXPECT_TRUE(Completed("EXCHANGE 1\n  |").Has("X"));
    EXPECT_TRUE(Completed("SURFACE 1\n  |").Has("Hfo_wOH"));
    EXPECT_TRUE(Completed("SOLID_SOLUTIONS 1\n  Ca(x)Sr(1-x)CO3\n  -comp |").Has("Strontianite"));
    EXPECT_TRUE(Completed("REACTION 1\n  |").Has("Calcite"));

    Completed gases("GAS_PHASE 1\n  CO2(g) 0.1\n  |");
    EXPECT_TRUE(gases.Has("CH4(g)"));
    EXPECT_FALSE(gases.Has("Calcite"));
}

// The server keeps what begins with the word typed, in any case, and at most a few screenfuls;
// a list that leaves anything out is incomplete, so that the client asks again.
TEST(Completion, KeepsWhatBeginsWithTheWordTypedAndSaysWhenItLeftSomethingOut) {
    Completed typed("SOLUTION 1\n  ca|");
    EXPECT_TRUE(typed.Has("Ca"));
    EXPECT_TRUE(typed.Has("CALCULATE_VALUES"));
    EXPECT_TRUE(typed.All([](const CompletionItem& item) {
        return item.label.size() >= 2 && (item.label[0] == 'c' || item.label[0] == 'C') &&
               (item.label[1] == 'a' || item.label[1] == 'A');
    }));
    EXPECT_TRUE(typed.list.isIncomplete);
    EXPECT_FALSE(Completed("SOLUTION 1\n  -|").list.isIncomplete); // every option has its dash
    Completed species("USER_PUNCH\n  10 PUNCH MOL(\"|\")");
    EXPECT_EQ(species.list.items.size(), CompletionFilter::kMostItems);
    EXPECT_TRUE(species.list.isIncomplete);
    Completed basic("USER_PUNCH\n  10 PUNCH MOL(\"Ca\")+m|"); // the BASIC word is "m"
    EXPECT_TRUE(basic.Has("MOL"));
    EXPECT_TRUE(basic.Has("MOD"));
    EXPECT_FALSE(basic.Has("SQRT"));
}

TEST(CompletionFilter, RepeatsAreNeitherKeptNorLeftOut) {
    CompletionFilter filter("x");
    for (std::size_t i = 0; i < CompletionFilter::kMostItems; ++i) {
        EXPECT_TRUE(filter.Keep("x" + std::to_string(i)));
    }
    EXPECT_FALSE(filter.Keep("x7")); // a repeat at the limit
    EXPECT_FALSE(filter.LeftOut());
    EXPECT_FALSE(filter.Keep("Xnew"));
    EXPECT_TRUE(filter.LeftOut());
}

TEST(Completion, SolutionConcentrationsTakeUnitsWordsAndPhases) {
    Completed after("SOLUTION 1\n  C(4) 2 |");
    for (const char* word : {"mg/l", "mmol/kgw", "ppm", "as", "gfw", "charge", "CO2(g)"}) {
        EXPECT_TRUE(after.Has(word)) << word;
    }
    EXPECT_EQ(after.Find("mg/l")->kind, CompletionItemKind::Unit);
    Completed units("SOLUTION 1\n  Ca 1 mg/l |");
    EXPECT_TRUE(units.Has("as"));
    EXPECT_FALSE(units.Has("mg/l"));
    EXPECT_TRUE(Completed("SOLUTION 1\n  Alkalinity 1 meq/l as |").Has("HCO3-"));
    Completed ph("SOLUTION 1\n  pH 7 |");
    EXPECT_TRUE(ph.Has("charge"));
    EXPECT_TRUE(ph.Has("Calcite"));
    EXPECT_FALSE(ph.Has("mg/l"));
    EXPECT_TRUE(Completed("SOLUTION 1\n  -units |").Has("mmol/kgw"));
    EXPECT_TRUE(Completed("SOLUTION 1\n  Na 1 gfw |").list.items.empty());
    Completed couples("SOLUTION 1\n  -redox |");
    EXPECT_TRUE(couples.Has("O(0)/O(-2)"));
    EXPECT_TRUE(couples.Has("N(5)/N(-3)"));
    EXPECT_FALSE(couples.Has("O(0)/O(0)"));
    EXPECT_FALSE(couples.Has("O(0)/N(5)"));
}

TEST(Completion, ReactantsThatSitesFollowAndTheFixedWordsOfAField) {
    Completed tied("EXCHANGE 1\n  CaX2 |");
    EXPECT_TRUE(tied.Has("Calcite"));
    EXPECT_TRUE(tied.Has("Pyrite")); // a rate of phreeqc.dat
    Completed link("SURFACE 1\n  Hfo_wOH Ferrihydrite |");
    EXPECT_EQ(link.list.items.size(), 2u);
    EXPECT_TRUE(link.Has("equilibrium_phase"));
    EXPECT_TRUE(link.Has("kinetic_reactant"));
    Completed limits("EQUILIBRIUM_PHASES\n  Gibbsite 0 |");
    EXPECT_TRUE(limits.Has("dissolve_only"));
    EXPECT_TRUE(limits.Has("K-feldspar"));
    EXPECT_TRUE(Completed("REACTION 1\n  NaCl 1\n  2 mmol in 3 |").Has("steps"));
    EXPECT_TRUE(Completed("COPY |").Has("cell"));
    EXPECT_TRUE(Completed("END\nINC|").Has("INCLUDE$"));
    EXPECT_TRUE(Completed("SELECTED_OUTPUT\n  -molalities Hfo|").Has("Hfo_wOZn+"));
    EXPECT_TRUE(Completed("SELECTED_OUTPUT\n  -molalities Ca|").Has("CaX2"));
}

TEST(Completion, SelectedOutputListsAndTheInputsOwnDefinitions) {
    EXPECT_TRUE(Completed("SELECTED_OUTPUT\n  -totals Ca |").Has("Fe(3)"));
    EXPECT_TRUE(Completed("SELECTED_OUTPUT\n  -molalities Ca|").Has("CaCO3"));
    EXPECT_TRUE(Completed("SELECTED_OUTPUT\n  -si |").Has("Gypsum"));
    EXPECT_TRUE(Completed("SELECTED_OUTPUT\n  -equilibria |").Has("Gypsum"));
    EXPECT_TRUE(Completed("SELECTED_OUTPUT\n  -gases |").Has("CO2(g)"));
    EXPECT_TRUE(Completed("SELECTED_OUTPUT\n  -kinetic_reactants Calcite\n  P|").Has("Pyrite"));
    Completed values("CALCULATE_VALUES\nR(13C)\n-start\n10 SAVE 1\n-end\n"
                     "SELECTED_OUTPUT\n  -calculate_values |");
    EXPECT_TRUE(values.Has("R(13C)"));

    const std::string own = "PHASES\nFoo\n  CaCl2 = Ca+2 + 2Cl-\n  log_k 1\n"
                            "SOLUTION_MASTER_SPECIES\nUu Uu+2 0 Uu 238\n"
                            "EQUILIBRIUM_PHASES\n  |\n"
                            "PHASES\nBar\n  NaCl = Na+ + Cl-\n  log_k 1\n";
    Completed defined(own);
    EXPECT_TRUE(defined.Has("Foo"));
    EXPECT_FALSE(defined.Has("Bar")); // defined after the point
    EXPECT_TRUE(Completed("SOLUTION_MASTER_SPECIES\nUu Uu+2 0 Uu 238\nSOLUTION 1\n  U|").Has("Uu"));
}

TEST(Completion, ReactantNumbersAndFileNames) {
    const std::string input = "SOLUTION 1\nEND\nSOLUTION 2-3\nEND\nEQUILIBRIUM_PHASES 7\nEND\n"
                              "SAVE solution 9\nEND\n";
    Completed numbers(input + "USE solution |");
    for (const char* number : {"1", "2", "3", "9"}) {
        EXPECT_TRUE(numbers.Has(number)) << number;
    }
    EXPECT_FALSE(numbers.Has("7"));
    EXPECT_EQ(numbers.Find("9")->detail, "SOLUTION 9");
    EXPECT_TRUE(Completed(input + "USE pure_phases |").Has("7"));
    EXPECT_TRUE(Completed(input + "MIX 1\n  |").Has("3"));
    Completed kinds("USE |");
    EXPECT_TRUE(kinds.Has("solution"));
    EXPECT_TRUE(kinds.Has("equilibrium_phases"));

    Completed beside("INCLUDE$ e|");
    EXPECT_TRUE(beside.Has("ex1.pqi"));
    EXPECT_EQ(beside.Find("ex1.pqi")->kind, CompletionItemKind::File);
    Completed folder("DATABASE ../databases/|");
    EXPECT_TRUE(folder.Has("../databases/phreeqc.dat"));
    EXPECT_EQ(folder.Find("../databases/phreeqc.dat")->textEdit.range.start.character, 9);
    EXPECT_TRUE(Completed("DATABASE ../|").Has("../databases/"));
}

TEST(Completion, BasicStatementsFunctionsArgumentsAndLines) {
    const std::string program = "USER_PUNCH\n  10 x = 1\n  20 IF x > 0 THEN GOTO 10\n";
    Completed statement(program + "  30 |");
    ASSERT_TRUE(statement.Has("PUNCH"));
    EXPECT_EQ(statement.Find("PUNCH")->detail, "PUNCH value [, value ...]");
    EXPECT_TRUE(statement.Has("x"));
    EXPECT_FALSE(statement.Has("SQRT"));
    Completed expression(program + "  30 y = S|");
    ASSERT_TRUE(expression.Has("SI"));
    EXPECT_EQ(expression.Find("SI")->detail, "SI(\"phase\")");
    EXPECT_EQ(expression.Find("SI")->kind, CompletionItemKind::Function);
    EXPECT_EQ(expression.Find("SI")->textEdit.range.start.character, 9);
    EXPECT_FALSE(expression.Has("PUNCH"));
    Completed jump(program + "  30 GOSUB |");
    EXPECT_TRUE(jump.Has("10"));
    EXPECT_TRUE(jump.Has("20"));
    EXPECT_FALSE(jump.Has("PUNCH"));

    Completed si(program + "  30 PUNCH SI(\"Cal|");
    EXPECT_TRUE(si.Has("Calcite"));
    EXPECT_FALSE(si.Has("Ca+2"));
    EXPECT_EQ(si.Find("Calcite")->textEdit.range.start.character, 15);
    EXPECT_TRUE(Completed(program + "  30 PUNCH MOL(\"Ca|\")").Has("CaX2"));
    EXPECT_TRUE(Completed(program + "  30 PUNCH MOL(\"Hfo|\")").Has("Hfo_wOH"));
    Completed tot(program + "  30 PUNCH TOT(\"|");
    EXPECT_TRUE(tot.Has("water"));
    EXPECT_TRUE(tot.Has("Fe(2)"));
    EXPECT_TRUE(Completed(program + "  30 PUNCH SURF(\"Zn\", \"|").Has("Hfo"));
    EXPECT_TRUE(Completed(program + "  30 PUNCH SYS(\"|").Has("elements"));
    EXPECT_TRUE(Completed(program + "  30 PUNCH EDL(\"|").Has("sigma"));
    EXPECT_TRUE(Completed(program + "  30 PUNCH GAS(\"|").Has("CO2(g)"));
    EXPECT_TRUE(Completed("RATES\nPyrite\n-start\n10 m = KIN(\"|").Has("Calcite"));
    EXPECT_TRUE(Completed(program + "  30 PUNCH \"|").list.items.empty());
}

// Each template, its placeholders replaced by their defaults and after the solutions it uses, is
// an input lint finds no error in.
TEST(Completion, BlockTemplatesOnlyForClientsThatTakeSnippetsAndThatPhreeqcReads) {
    EXPECT_FALSE(Completed("|").Has("SOLUTION block"));
    Completed offered("|", true);
    std::size_t templates = 0;
    for (const CompletionItem& item : offered.list.items) {
        if (item.kind != CompletionItemKind::Snippet) {
            continue;
        }
        ++templates;
        EXPECT_TRUE(item.snippet);
        std::string text = item.textEdit.newText;
        for (std::size_t at = text.find('$'); at != std::string::npos; at = text.find('$', at)) {
            const bool braced = text[at + 1] == '{';
            const std::size_t colon = text.find(':', at);
            const std::size_t close = text.find('}', at);
            std::string value = braced ? text.substr(colon + 1, close - colon - 1) : "";
            if (!braced && text[at + 1] == '1') {
                value = "Calcite"; // a mirror of the first placeholder
            }
            text.replace(at, braced ? close - at + 1 : 2, value);
        }
        // After the solutions that a TRANSPORT over its cells needs.
        text = "SOLUTION 0-40\nEND\n" + text;
        for (const vxcheck::Diagnostic& diagnostic : LintInput(text, &Phreeqc().table)) {
            EXPECT_NE(diagnostic.severity, vxcheck::Severity::Error)
                << item.label << ": " << diagnostic.message;
        }
    }
    EXPECT_EQ(templates, 5u);
    EXPECT_NE(ToJsonText(offered.list).text.find("\"insertTextFormat\":2"), std::string::npos);
    EXPECT_EQ(ToJsonText(Completed("|").list).text.find("insertTextFormat"), std::string::npos);
    EXPECT_TRUE(Completed("SOLUTION 1\n  Ca |", true).list.items.empty());
}

TEST(Completion, WithoutADatabaseOnlyTheVocabularyAndTheInput) {
    Marked marked("PHASES\nFoo\n  NaCl = Na+ + Cl-\nEQUILIBRIUM_PHASES 1\n  |");
    FeatureContext context = marked.context;
    context.database = nullptr;
    CompletionList list = Completion(context, marked.point);
    auto has = [&](const std::string& label) {
        return std::any_of(list.items.begin(), list.items.end(),
                           [&](const CompletionItem& item) { return item.label == label; });
    };
    EXPECT_TRUE(has("SOLUTION"));
    EXPECT_TRUE(has("Foo"));
    EXPECT_FALSE(has("Calcite"));
}

} // namespace
} // namespace vxcheck::lsp::testing
