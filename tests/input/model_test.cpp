// The input reader: PHREEQC's line rules, keyword blocks and simulations, and which reader's
// option each option line selects. Includes only its own public header.
#include <vxcheck/input/model.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> Texts(const vxcheck::InputModel& model) {
    std::vector<std::string> texts;
    for (const vxcheck::InputStatement& statement : model.statements) {
        texts.emplace_back(statement.text);
    }
    return texts;
}

} // namespace

TEST(InputModel, SplitsStatementsByPhreeqcLineRules) {
    const std::string text = "SOLUTION 1; pH 7 # a; b \\\r\n"
                             "  Ca 1 \\  \n"
                             "   mmol\n"
                             "\n"
                             "  # only a comment\n"
                             "Na 1 \\; Cl 1;;\n"
                             "K 2 \\\n"
                             "  ppm\n";
    const vxcheck::InputModel model = vxcheck::ReadInput(text);
    EXPECT_EQ(Texts(model), (std::vector<std::string>{"SOLUTION 1", " pH 7 ", "  Ca 1    mmol",
                                                      "Na 1 \\; Cl 1", "K 2   ppm"}));
    // "mmol" stands on the third line, column 3, although the statement began on the second.
    const vxcheck::InputStatement& joined = model.statements[2];
    ASSERT_EQ(joined.words.size(), 3U);
    const vxcheck::TextPlace place = model.PlaceOf(joined.OffsetOf(joined.words[2].begin));
    EXPECT_EQ(place.line, 2);
    EXPECT_EQ(place.column, 3);
    EXPECT_EQ(text.substr(place.offset, 4), "mmol");
    // Each joined statement keeps its own pieces.
    const vxcheck::InputStatement& second = model.statements[4];
    ASSERT_EQ(second.pieces.size(), 2U);
    EXPECT_EQ(text.substr(second.OffsetOf(second.words[2].begin), 3), "ppm");
    EXPECT_TRUE(model.statements[3].pieces.empty());
    EXPECT_EQ(model.PlaceOf(text.size()).line, 8);
}

TEST(InputModel, GroupsKeywordBlocksAndSimulations) {
    const vxcheck::InputModel model = vxcheck::ReadInput("text before\n"
                                                         "Solution 1\n"
                                                         " -temp 25\n"
                                                         "PURE_PHASES\n"
                                                         " Calcite 0 10\n"
                                                         "USE solution 1\n"
                                                         "after use\n"
                                                         "END\n"
                                                         "solution_s\n"
                                                         "INCLUDE$ more.pqi\n");
    ASSERT_EQ(model.blocks.size(), 5U);
    EXPECT_EQ(model.blocks[0].name, "solution");
    EXPECT_EQ(model.blocks[1].name, "equilibrium_phases");
    EXPECT_EQ(model.blocks[1].end, 5U);
    EXPECT_EQ(model.blocks[3].name, "end");
    EXPECT_EQ(model.blocks[3].simulation, 0);
    EXPECT_EQ(model.blocks[4].name, "solution_spread");
    EXPECT_EQ(model.blocks[4].simulation, 1);
    EXPECT_EQ(model.statements[0].block, -1);
    EXPECT_EQ(model.statements[4].block, 1);
    EXPECT_EQ(model.statements[6].block, -1); // USE reads only its keyword line
    EXPECT_EQ(model.statements[9].kind, vxcheck::StatementKind::Include);
}

TEST(InputModel, MatchesOptionsAsPhreeqcReaders) {
    const vxcheck::InputModel model = vxcheck::ReadInput("SELECTED_OUTPUT\n"
                                                         " -mol Ca+2\n"    // first by prefix
                                                         " file out.sel\n" // dashless
                                                         " -1.5\n"         // a number
                                                         " -molz\n"        // no entry
                                                         "EXCHANGE_MODIFY 1\n"
                                                         " -component X\n"
                                                         "   -la -2\n"   // component reader
                                                         "   -totals\n"  // component first
                                                         " -new_def 1\n" // back to the block
                                                         "   -la -2\n"); // component closed
    const auto& s = model.statements;
    EXPECT_EQ(s[1].option, "molalities");
    EXPECT_EQ(s[2].option, "file");
    EXPECT_TRUE(s[2].dashless);
    EXPECT_EQ(s[3].kind, vxcheck::StatementKind::Data);
    EXPECT_EQ(s[4].kind, vxcheck::StatementKind::Option);
    EXPECT_EQ(s[4].option, "");
    EXPECT_EQ(s[7].reader, "exchange_component");
    EXPECT_EQ(s[8].reader, "exchange_component");
    EXPECT_EQ(s[8].option, "totals");
    EXPECT_EQ(s[9].reader, "exchange_raw");
    EXPECT_EQ(s[10].option, "");
}
