// Hover on keywords, options, BASIC words, numbers and names wherever they stand, with the
// library's help texts and, for names, their definitions in a real database or the input.
#include "fixture.h"

#include <vxcheck/input/help.h>

namespace vxcheck::lsp::testing {
namespace {

std::string HoverText(const char* text, const DatabaseNames* database = &TestDatabase()) {
    Marked marked(text);
    marked.context.database = database;
    std::optional<Hover> hover = HoverAt(marked.context, marked.point);
    return hover ? hover->markdown : "(none)";
}

bool Says(const std::string& text, std::string_view part) {
    return text.find(part) != std::string::npos;
}

const DatabaseNames& PhreeqcDat() {
    static const DatabaseStatus status =
        LoadDatabase(VXCHECK_DATA_DIR "/databases/phreeqc.dat", ReadThroughChecker);
    return *status.names;
}

TEST(Hover, KeywordsTellWhatTheirBlockIsFor) {
    std::string keyword = HoverText("Equilibrium_Pha|ses 1");
    EXPECT_TRUE(Says(keyword, "**EQUILIBRIUM_PHASES**: keyword of the block EQUILIBRIUM_PHASES"))
        << keyword;
    EXPECT_TRUE(Says(keyword, FindKeywordHelp("equilibrium_phases")->summary)) << keyword;
    EXPECT_TRUE(Says(keyword, "Group: Geochemical Model")) << keyword;
    EXPECT_TRUE(Says(keyword, "Synonyms: PURE_PHASES, EQUILIBRIA, EQUILIBRIUM, PURE, "
                              "EQUILIBRIUM_PHASE"))
        << keyword;
    EXPECT_TRUE(Says(HoverText("PURE|_PHASES 1"), "Synonyms: EQUILIBRIUM_PHASES"));
    EXPECT_TRUE(Says(HoverText("SOLUTION 1|-3 river"), "the numbers of the solution entities"));
    EXPECT_TRUE(Says(HoverText("REACTION_TEMPERATURE 2|"), "number of the reaction temperature"));
    EXPECT_EQ(HoverText("SOLUTION 1 riv|er water"), "(none)");
}

TEST(Hover, OptionsAsPhreeqcMatchesThemWithOrWithoutDash) {
    std::string abbreviated = HoverText("SOLUTION 1\n  -temp|er 25");
    EXPECT_TRUE(Says(abbreviated, "**-temperature**: option of SOLUTION")) << abbreviated;
    EXPECT_TRUE(Says(abbreviated, "Celsius")) << abbreviated;
    EXPECT_TRUE(Says(abbreviated, "Another name of -temp.")) << abbreviated;
    EXPECT_TRUE(Says(abbreviated, "`-temper` selects -temperature")) << abbreviated;
    // Without a dash only the whole name is an option.
    std::string dashless = HoverText("SOLUTION 1\n  pH| 7.2");
    EXPECT_TRUE(Says(dashless, "**-ph**: option of SOLUTION")) << dashless;
    EXPECT_FALSE(Says(dashless, "selects")) << dashless;
    // The first entry that begins with the typed text wins: -mol is -molalities.
    EXPECT_TRUE(Says(HoverText("SELECTED_OUTPUT\n  -mol| Ca+2"), "**-molalities**"));
    // A MODIFY block reads the options of its RAW twin.
    EXPECT_TRUE(Says(HoverText("SOLUTION_MODIFY 1\n  -total_h| 111"), "hydrogen"));
    std::string component = HoverText("EXCHANGE_RAW 1\n  -component X\n    -mo|les 1");
    EXPECT_TRUE(Says(component, "option of the exchange component lines of EXCHANGE_RAW"))
        << component;
    EXPECT_TRUE(Says(component, "Moles of the exchange component")) << component;
    EXPECT_TRUE(
        Says(HoverText("SURFACE_MODIFY 1\n  -charge_component Hfo\n    -specific_|area 600"),
             "in m2/g"));
    EXPECT_EQ(HoverText("SOLUTION 1\n  -nonsense|"), "(none)");
}

TEST(Hover, BasicWordsShowTheirFormAndAnExample) {
    std::string si = HoverText("USER_PUNCH\n  10 PUNCH S|I(\"Calcite\")");
    EXPECT_TRUE(Says(si, "`SI(\"phase\")`")) << si;
    EXPECT_TRUE(Says(si, "saturation index")) << si;
    EXPECT_TRUE(Says(si, "Example: `10 PUNCH SI(\"Calcite\")`")) << si;
    std::string loop = HoverText("RATES\nCalcite\n-start\n10 fo|r i = 1 to 3\n-end");
    EXPECT_TRUE(Says(loop, "`FOR i = first TO last [STEP increment]`")) << loop;
    EXPECT_EQ(HoverText("USER_PRINT\n  10 PRINT my|var"), "(none)");
}

TEST(Hover, NamesTellTheirDefinitionInTheDatabase) {
    const DatabaseNames* real = &PhreeqcDat();
    std::string calcite = HoverText("EQUILIBRIUM_PHASES 1\n  calc|ite 0 1", real);
    EXPECT_TRUE(Says(calcite, "**Calcite**: phase (mineral)")) << calcite;
    EXPECT_TRUE(Says(calcite, "Formula: CaCO3")) << calcite;
    EXPECT_TRUE(Says(calcite, "CaCO3 = CO3-2 + Ca+2\n-log_k -8.45\n-delta_h -3.15 kcal"))
        << calcite;
    EXPECT_TRUE(Says(calcite, "Defined in phreeqc.dat, line 954")) << calcite;
    EXPECT_TRUE(Says(HoverText("GAS_PHASE 1\n  CO2(|g) 0.1", real), "phase (gas)"));

    std::string iron = HoverText("SOLUTION 1\n  F|e 0.1", real);
    EXPECT_TRUE(Says(iron, "**Fe**: element\n\nMaster species: Fe+2")) << iron;
    EXPECT_TRUE(Says(iron, "Valence states: Fe(2) (Fe+2), Fe(3) (Fe+3)")) << iron;
    std::string ferric = HoverText("SOLUTION 1\n  Fe(|3) 0.1", real);
    EXPECT_TRUE(Says(ferric, "valence state of Fe with valence 3")) << ferric;

    std::string species = HoverText("USER_PUNCH\n  10 PUNCH MOL(\"CaHCO|3+\")", real);
    EXPECT_TRUE(Says(species, "**CaHCO3+**: aqueous species")) << species;
    EXPECT_TRUE(Says(species, "Ca+2 + CO3-2 + H+ = CaHCO3+")) << species;
}

TEST(Hover, TheInputsOwnDefinitionsAndTheChargeWord) {
    const DatabaseNames* real = &PhreeqcDat();
    std::string own = HoverText("PHASES\nFooite\n  CaCO3 = Ca+2 + CO3-2\n  log_k -8.0\n"
                                "EQUILIBRIUM_PHASES 1\n  Foo|ite 0 1",
                                real);
    EXPECT_TRUE(Says(own, "**Fooite**: phase")) << own;
    EXPECT_TRUE(Says(own, "log_k -8.0")) << own;
    EXPECT_TRUE(Says(own, "Defined in this input, line 2")) << own;

    std::string ph = HoverText("SOLUTION 1\n  pH 7.0 char|ge", real);
    EXPECT_TRUE(Says(ph, "**charge**: pH is adjusted")) << ph;
    std::string sodium = HoverText("SOLUTION 1\n  Na 1 cha|rge", real);
    EXPECT_TRUE(Says(sodium, "the concentration of Na is adjusted")) << sodium;
    // Elsewhere the word is what the database says it is.
    EXPECT_FALSE(Says(HoverText("SELECTED_OUTPUT\n  -totals Char|ge", real), "adjusted"));
}

TEST(Hover, NothingOnUnknownWordsCommentsAndBlanks) {
    EXPECT_EQ(HoverText("EQUILIBRIUM_PHASES 1\n  Unobtain|ium 0 1"), "(none)");
    EXPECT_EQ(HoverText("EQUILIBRIUM_PHASES 1 # Calc|ite"), "(none)");
    EXPECT_EQ(HoverText("SOLUTION 1\n  Ca 1 |  "), "(none)");
    EXPECT_EQ(HoverText("EQUILIBRIUM_PHASES 1\n  Calc|ite 0 1", nullptr), "(none)");
}

TEST(Hover, PlainTextDropsTheMarkdown) {
    EXPECT_EQ(PlainText("**Ca**: element `x`\n\n```\nA = B\n```"), "Ca: element x\n\nA = B\n");
}

} // namespace
} // namespace vxcheck::lsp::testing
