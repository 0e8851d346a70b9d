// Cvx_KwTreeNode: the help and double-click texts.
#include <vxcheck/kw_tree.h>

#include <gtest/gtest.h>

namespace {

TEST(KwTreeNode, TextsEndLinesWithCarriageReturnAndLineFeedForEveryKind) {
    Cvx_KwTreeNode node;
    node.m_name = "Solution";
    node.m_kind = 1;
    EXPECT_EQ(node.GetItemTextHelp(), "Item name: Solution\r\nNo help available.");
    EXPECT_EQ(node.GetItemTextDblClick(), "Solution\r\n");
    node.m_name = "-water";
    node.m_kind = 2;
    EXPECT_EQ(node.GetItemTextDblClick(), "-water\r\n");

    Cvx_KwTree tree;
    Cvx_KwTreeNode* root = tree.GetRoot();
    EXPECT_EQ(root->GetItemTextHelp(), "Item name: List of Keywords\r\nNo help available.");
}

} // namespace
