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
    // The blocks after the last END are a simulation too.
    EXPECT_EQ(symbols[1].name, "Simulation 2");
    ASSERT_EQ(symbols[1].children.size(), 1u);
    EXPECT_EQ(symbols[1].children[0].name, "SOLUTION 2");
}

TEST(DocumentSymbol, BlocksListWhatTheyDefine) {
    Marked marked("|PHASES\n"
                  "Fix_H+\n"
                  "  H+ = H+\n"
                  "SOLUTION_SPECIES\n"
                  "H+ = H+\n"
                  "RATES\n"
                  "Calcite\n"
                  "-start\n"
                  "10 SAVE 0\n"
                  "-end\n"
                  "Pyrite\n"
                  "SOLUTION_SPREAD\n"
                  "  -units mmol/kgw\n"
                  "Number\tCa\tNa\n"
                  "5\t1\t2\n"
                  "\t1\t2\n"
                  "SAVE solution 3\n");
    std::vector<DocumentSymbol> symbols = DocumentSymbols(marked.context);
    ASSERT_EQ(symbols.size(), 1u);
    const std::vector<DocumentSymbol>& blocks = symbols[0].children;
    ASSERT_EQ(blocks.size(), 5u);
    ASSERT_EQ(blocks[0].children.size(), 1u);
    EXPECT_EQ(blocks[0].children[0].name, "Fix_H+");
    EXPECT_EQ(blocks[0].children[0].kind, SymbolKind::Class);
    EXPECT_EQ(blocks[0].children[0].range.start.line, 1);
    ASSERT_EQ(blocks[1].children.size(), 1u);
    EXPECT_EQ(blocks[1].children[0].name, "H+");
    ASSERT_EQ(blocks[2].children.size(), 2u);
    EXPECT_EQ(blocks[2].children[1].name, "Pyrite");
    EXPECT_EQ(blocks[2].children[1].kind, SymbolKind::Function);
    ASSERT_EQ(blocks[3].children.size(), 2u);
    EXPECT_EQ(blocks[3].children[0].name, "Solution 5");
    EXPECT_EQ(blocks[3].children[1].name, "Row 2");
    EXPECT_EQ(blocks[3].children[1].range.start.line, 15);
    EXPECT_TRUE(blocks[4].children.empty()); // SAVE makes an entity, not a name
}

} // namespace
} // namespace vxcheck::lsp::testing
