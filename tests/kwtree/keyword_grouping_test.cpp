// Cvx_Check::BuildKeywordTree: the seven groups, their forty keywords and the identifiers.
#include <vxcheck/check.h>
#include <vxcheck/kw_tree.h>

#include "kwtree/tree_walk.h"

#include <gtest/gtest.h>

namespace {

using Names = std::vector<std::string>;

const Cvx_KwTreeNode* Child(const Cvx_KwTreeNode* parent, const char* name) {
    const Cvx_KwTreeNode* node = parent->m_child;
    while (node != nullptr && node->m_name != name) {
        node = node->m_next;
    }
    return node;
}

TEST(KeywordGrouping, FillsSevenGroupsFortyKeywordsAndTheirIdentifiers) {
    Cvx_Check checker;
    Cvx_KwTree tree;
    checker.BuildKeywordTree(&tree);
    const Cvx_KwTreeNode* root = tree.GetRoot();
    EXPECT_EQ(TreeWalk::Names(root->m_child),
              (Names{"Solution Definition", "Geochemical Model", "Output",
                     "Chemical/physical (re)action", "Database", "Advanced", "Miscellaneous"}));
    EXPECT_EQ(TreeWalk::Kinds(tree), (std::map<int, int>{{0, 7}, {1, 40}, {2, 223}}));

    const Cvx_KwTreeNode* reactions = Child(root, "Chemical/physical (re)action");
    EXPECT_EQ(TreeWalk::Names(reactions->m_child),
              (Names{"End", "Copy", "Save", "Use", "Mix", "Reaction", "Reaction_temperature"}));
    for (const Cvx_KwTreeNode* keyword = reactions->m_child; keyword; keyword = keyword->m_next) {
        EXPECT_EQ(keyword->m_child, nullptr) << keyword->m_name.GetString();
    }
    const Names selected =
        TreeWalk::Names(Child(Child(root, "Output"), "Selected_output")->m_child);
    ASSERT_EQ(selected.size(), 30u);
    EXPECT_EQ(selected.front(), "-activities");
    EXPECT_EQ(selected.back(), "-water");
    EXPECT_EQ(TreeWalk::Names(Child(Child(root, "Database"), "Phases")->m_child),
              (Names{"-no_check", "-check", "-log_k", "-logk", "-delta_h", "-deltah",
                     "-analytical_expression", "-a_e", "-ae", "-add_logk", "-add_log_k",
                     "-add_constant"}));
    // Mixed-case texts that must still find their keywords.
    EXPECT_EQ(TreeWalk::Names(Child(Child(root, "Solution Definition"), "Solution_Spread")->m_child)
                  .size(),
              9u);
    EXPECT_EQ(TreeWalk::Names(
                  Child(Child(root, "Miscellaneous"), "LLNL_aqueous_model_parameters")->m_child)
                  .size(),
              5u);
}

TEST(KeywordGrouping, RebuildsFromScratchAndFreesWhatWasThere) {
    Cvx_Check checker;
    Cvx_KwTree tree;
    tree.AddChildNode(tree.AddChildNode(tree.GetRoot(), "host node"), "host child");
    checker.BuildKeywordTree(&tree);
    checker.BuildKeywordTree(&tree);
    EXPECT_EQ(TreeWalk::Visited(tree).size(), 270u);
    EXPECT_EQ(tree.GetRoot()->m_child->m_name, "Solution Definition");
}

} // namespace
