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

} // namespace
} // namespace vxcheck::lsp
