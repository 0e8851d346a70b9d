// Cvx_KwTree: building by node, the order in which ForAll hands nodes over, and freeing.
#include <vxcheck/check.h>
#include <vxcheck/kw_tree.h>

#include "kwtree/tree_walk.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

using Names = std::vector<std::string>;

TEST(KwTree, HandsEveryNodeOverAfterItsDescendantsAndLaterSiblings) {
    Cvx_KwTree tree;
    const Cvx_KwTreeNode* root = tree.GetRoot();
    EXPECT_EQ(root->m_name, "List of Keywords");
    EXPECT_EQ(root->m_kind, -1);
    EXPECT_TRUE(TreeWalk::Visited(tree).empty());

    Cvx_KwTreeNode* a = tree.AddChildNode(tree.GetRoot(), "A");
    tree.AddChildNode(tree.GetRoot(), "B");
    tree.AddChildNode(a, "a1");
    tree.AddChildNode(a, "a2");
    EXPECT_EQ(TreeWalk::VisitedNames(tree), (Names{"a2", "a1", "B", "A"}));
    EXPECT_EQ(TreeWalk::Kinds(tree), (std::map<int, int>{{-1, 4}}));

    tree.Clear();
    EXPECT_TRUE(TreeWalk::Visited(tree).empty());
    EXPECT_EQ(root->m_child, nullptr);
    EXPECT_EQ(root->m_name, "List of Keywords");
}

TEST(KwTree, LinksNodesWhereTheyAreAsked) {
    Cvx_KwTree tree;
    Cvx_KwTreeNode* x = tree.AddChildNode(tree.GetRoot(), "x");
    Cvx_KwTreeNode* z = tree.AddChildNode(tree.GetRoot(), "z");
    auto* y = new Cvx_KwTreeNode; // a host's node: the tree frees it
    y->m_name = "y";
    tree.AddSiblingNode(x, y);
    EXPECT_EQ(TreeWalk::Names(tree.GetRoot()->m_child), (Names{"x", "y", "z"}));
    EXPECT_EQ(tree.GetLastSibling(x), z);
    EXPECT_EQ(tree.GetLastSibling(z), z);

    // The two-pointer form replaces the first child; the host frees what it cut off.
    auto* w = new Cvx_KwTreeNode;
    tree.AddChildNode(tree.GetRoot(), w);
    EXPECT_EQ(tree.GetRoot()->m_child, w);
    EXPECT_EQ(w->m_next, nullptr);
    for (Cvx_KwTreeNode* node = x; node != nullptr;) {
        Cvx_KwTreeNode* next = node->m_next;
        Cvx_KwTree::DeleteNode(node);
        node = next;
    }
    Cvx_KwTree::DeleteNode(nullptr);
}

TEST(KwTree, PutsKeywordsUnderTheLatestGroupWithTheirIdentifiers) {
    Cvx_Check checker;
    Cvx_KwTree tree;
    tree.Init(&checker);
    tree.AddGroupNode("Solution Definition");
    Cvx_KwTreeNode* group = tree.AddGroupNode("Output");
    Cvx_KwTreeNode* solution = tree.AddKeywordNode("Solution", 1);
    EXPECT_EQ(TreeWalk::Names(group->m_child), (Names{"Solution"}));
    EXPECT_EQ(TreeWalk::Names(solution->m_child),
              (Names{"-density", "-isotope", "-pe", "-ph", "-redox", "-temperature", "-units",
                     "-water"}));
    EXPECT_EQ(TreeWalk::Kinds(tree), (std::map<int, int>{{0, 2}, {1, 1}, {2, 8}}));

    EXPECT_EQ(tree.AddKeywordNode("Solution", 0)->m_child, nullptr);
    tree.Init(nullptr);
    tree.AddGroupNode("Unbound");
    EXPECT_EQ(tree.AddKeywordNode("Solution", 1)->m_child, nullptr);
}

TEST(KwTree, WalksAndFreesLongChainsAndDeepTrees) {
    constexpr int kLength = 200000; // far more than the call stack would take as recursion
    Cvx_KwTree tree;
    Cvx_KwTreeNode* last = tree.AddChildNode(tree.GetRoot(), "chain");
    Cvx_KwTreeNode* deepest = tree.AddChildNode(tree.GetRoot(), "deep");
    for (int i = 1; i < kLength; ++i) {
        tree.AddSiblingNode(last, new Cvx_KwTreeNode);
        last = last->m_next;
        tree.AddChildNode(deepest, new Cvx_KwTreeNode);
        deepest = deepest->m_child;
    }
    EXPECT_EQ(TreeWalk::Visited(tree).size(), 2u * kLength);
}

TEST(KwTree, MovingHandsTheNodesOver) {
    Cvx_Check checker;
    Cvx_KwTree source;
    source.Init(&checker);
    source.AddGroupNode("Output");
    source.AddKeywordNode("User_print", 1);

    Cvx_KwTree moved(std::move(source));
    EXPECT_EQ(TreeWalk::VisitedNames(moved), (Names{"-start", "-end", "User_print", "Output"}));
    EXPECT_TRUE(TreeWalk::Visited(source).empty());

    Cvx_KwTree assigned;
    assigned.AddChildNode(assigned.GetRoot(), "freed by the assignment");
    assigned = std::move(moved);
    assigned.AddKeywordNode("User_punch", 0); // the current group came along
    EXPECT_EQ(TreeWalk::Names(assigned.GetRoot()->m_child->m_child),
              (Names{"User_print", "User_punch"}));
    EXPECT_TRUE(TreeWalk::Visited(moved).empty());
}

} // namespace
