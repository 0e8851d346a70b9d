// Hover on keywords, options and database names wherever they stand.
#include "fixture.h"

namespace vxcheck::lsp::testing {
namespace {

std::string HoverText(const char* text) {
    Marked marked(text);
    std::optional<Hover> hover = HoverAt(marked.context, marked.point);
    return hover ? hover->markdown : "(none)";
}

bool Says(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(Hover, KeywordsAndOptionsNameTheirBlock) {
    std::string keyword = HoverText("Equilibrium_Pha|ses 1");
    EXPECT_TRUE(Says(keyword, "**EQUILIBRIUM_PHASES**: keyword of the block EQUILIBRIUM_PHASES"))
        << keyword;
    EXPECT_TRUE(Says(keyword, "Group: Geochemical Model")) << keyword;
    EXPECT_TRUE(Says(keyword, "Synonyms: PURE_PHASES, EQUILIBRIA, EQUILIBRIUM, PURE, "
                              "EQUILIBRIUM_PHASE"))
        << keyword;
    std::string option = HoverText("SOLUTION 1\n  -temp|er 25");
    EXPECT_TRUE(Says(option, "-temperature")) << option;
    EXPECT_TRUE(Says(option, "SOLUTION")) << option;
    EXPECT_EQ(HoverText("SOLUTION 1\n  -nonsense|"), "(none)");
}

TEST(Hover, NamesTellTheirListDatabaseAndFormula) {
    std::string mineral = HoverText("EQUILIBRIUM_PHASES 1\n  calc|ite 0 1");
    EXPECT_TRUE(Says(mineral, "**Calcite**: phase (mineral)")) << mineral;
    EXPECT_TRUE(Says(mineral, "Formula: CaCO3")) << mineral;
    EXPECT_TRUE(Says(mineral, "Database: sample.dat (/data/sample.dat)")) << mineral;

    std::string gas = HoverText("USER_PUNCH\n  10 PUNCH SI(\"CO2(|g)\")");
    EXPECT_TRUE(Says(gas, "**CO2(g)**: phase (gas)")) << gas;

    std::string element = HoverText("SOLUTION 1\n  C|a 1");
    EXPECT_TRUE(Says(element, "composition name, master species")) << element;
}

TEST(Hover, NothingOnUnknownWordsCommentsAndBlanks) {
    EXPECT_EQ(HoverText("EQUILIBRIUM_PHASES 1\n  Unobtain|ium 0 1"), "(none)");
    EXPECT_EQ(HoverText("EQUILIBRIUM_PHASES 1 # Calc|ite"), "(none)");
    EXPECT_EQ(HoverText("SOLUTION 1\n  Ca 1 |  "), "(none)");
}

} // namespace
} // namespace vxcheck::lsp::testing
