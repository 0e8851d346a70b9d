// Blocks of a text: a keyword as a statement's first word opens one wherever it stands.
#include "lsp/outline.h"

#include <vxcheck/check.h>

#include <gtest/gtest.h>

namespace vxcheck::lsp {
namespace {

TEST(Outline, KeywordsOpenBlocksOnlyAsAStatementsFirstWord) {
    Cvx_Check checker;
    Vocabulary vocabulary(checker);
    Document document("file:///a.pqi", 1,
                      "TITLE a \\\n  solution 1\n"
                      "KNOBS; -tol 1\n"
                      "  Solution 2 # END\n"
                      "  Ca 1 solution\n");
    Outline outline(document, vocabulary);
    const std::vector<BlockSpan>& blocks = outline.Blocks();
    ASSERT_EQ(blocks.size(), 3u);
    EXPECT_EQ(blocks[0].argument, "a solution 1"); // the joined line is one statement
    EXPECT_EQ(blocks[0].lastLine, 1);
    EXPECT_EQ(blocks[1].info->name, "knobs");
    EXPECT_EQ(blocks[1].lastEnd, 13u);
    EXPECT_EQ(blocks[2].keyword.begin, 2u);
    EXPECT_EQ(blocks[2].lastLine, 4);
    EXPECT_EQ(outline.StatementAt(document.OffsetOf({1, 4})), 0u);
    EXPECT_EQ(outline.StatementAt(document.OffsetOf({3, 14})), Outline::kNone); // a comment
    EXPECT_EQ(outline.BlockAt(0, 0), &blocks[0]);
    EXPECT_EQ(outline.BlockAt(2, 5), &blocks[1]);
    EXPECT_EQ(outline.BlockAt(3, 1), &blocks[1]); // before the keyword on its line
    EXPECT_EQ(outline.BlockAt(4, 0), &blocks[2]);
}

TEST(Outline, NamesBeforeAPointAreTheInputsDefinitionsUpToIt) {
    Cvx_Check checker;
    Vocabulary vocabulary(checker);
    const std::string text = "PHASES\nFoo\n NaCl = Na+ + Cl-\n log_k 1\nSOLUTION 1\nEND\n"
                             "PHASES\nBar\n KCl = K+ + Cl-\n log_k 1\nSOLUTION 2\n";
    Document document("file:///a.pqi", 1, text);
    Outline outline(document, vocabulary);
    const std::size_t first = text.find("SOLUTION 1");
    const std::size_t last = text.find("SOLUTION 2");
    // Asked in turns, so that each answer comes once collected and once kept.
    for (int turn = 0; turn < 2; ++turn) {
        EXPECT_EQ(outline.NamesBefore(Outline::kNone).All(NameKind::Phase).size(), 2u);
        EXPECT_EQ(outline.NamesBefore(last).All(NameKind::Phase).size(), 2u);
        EXPECT_EQ(outline.NamesBefore(first).Find(NameKind::Phase, "Bar"), nullptr);
        EXPECT_NE(outline.NamesBefore(first + 3).Find(NameKind::Phase, "Foo"), nullptr);
        EXPECT_TRUE(outline.NamesBefore(0).Empty());
    }
}

} // namespace
} // namespace vxcheck::lsp
