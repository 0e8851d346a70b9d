// The outline: blocks named as written, inside the simulation that END closes.
#include "fixture.h"

namespace vxcheck::lsp::testing {
namespace {

TEST(DocumentSymbol, BlocksStandInsideTheirSimulation) {
    Marked marked("|TITLE Example 2\n"
                  "SOLUTION 1  Pure   water\n"
                  "        pH      7.0\n"
                  "        temp    25.0   # comment\n"
                  "\n"
                  "Pure_Phases 1; Gypsum 0 1\n"
                  "END\n"
                  "END\n"
                  "SOLUTION 2\n");
    std::vector<DocumentSymbol> symbols = DocumentSymbols(marked.context);
    ASSERT_EQ(symbols.size(), 2u);
    const DocumentSymbol& simulation = symbols[0];
    EXPECT_EQ(simulation.name, "Simulation 1");
    EXPECT_EQ(simulation.detail, "Example 2");
    ASSERT_EQ(simulation.children.size(), 3u);
    const DocumentSymbol& solution = simulation.children[1];
    EXPECT_EQ(solution.name, "SOLUTION 1 Pure water");
    EXPECT_EQ(solution.selectionRange.end.character, 24);
    EXPECT_EQ(solution.range.end.line, 3);
    EXPECT_EQ(solution.range.end.character, 20);
    EXPECT_EQ(simulation.children[2].name, "Pure_Phases 1");
    EXPECT_EQ(simulation.children[2].detail, "EQUILIBRIUM_PHASES");
    EXPECT_EQ(simulation.children[2].range.end.character, 25);
    EXPECT_EQ(solution.detail, "");
    EXPECT_EQ(simulation.range.end.line, 6);
    EXPECT_EQ(symbols[1].name, "SOLUTION 2");
    EXPECT_TRUE(symbols[1].children.empty());
}

} // namespace
} // namespace vxcheck::lsp::testing
