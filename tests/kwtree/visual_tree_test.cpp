// Cvx_KwTree::RecursiveAddItemToVisualTree: what reaches the tree control, and where.
#include <vxcheck/check.h>
#include <vxcheck/kw_tree.h>

#include "platform/tree_view_filter.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class VisualTree : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(control.Create(WS_CHILD | WS_VISIBLE, RECT{0, 0, 100, 100}, nullptr, 7));
        checker.BuildKeywordTree(&tree);
    }

    // Checks that the items from item on, with their children, show the nodes from node on.
    void ExpectShows(HTREEITEM item, const Cvx_KwTreeNode* node) {
        for (; node != nullptr; node = node->m_next, item = control.GetNextSiblingItem(item)) {
            ASSERT_NE(item, nullptr) << "no item for " << node->m_name.GetString();
            EXPECT_EQ(control.GetItemText(item), node->m_name);
            EXPECT_EQ(control.GetItemData(item), reinterpret_cast<DWORD_PTR>(node));
            ExpectShows(control.GetChildItem(item), node->m_child);
        }
        EXPECT_EQ(item, nullptr) << "an item too many";
    }

    int TopLevelCount() {
        int count = 0;
        for (HTREEITEM item = control.GetRootItem(); item;
             item = control.GetNextSiblingItem(item)) {
            ++count;
        }
        return count;
    }

    Cvx_Check checker;
    Cvx_KwTree tree;
    CTreeCtrl control;
};

TEST_F(VisualTree, ShowsTheRootWithANullParentAndHidesItUnderTviRoot) {
    tree.RecursiveAddItemToVisualTree(&control, tree.GetRoot(), nullptr);
    EXPECT_EQ(control.GetCount(), 271u);
    EXPECT_EQ(TopLevelCount(), 1);
    ExpectShows(control.GetRootItem(), tree.GetRoot());

    control.DeleteAllItems();
    tree.RecursiveAddItemToVisualTree(&control, tree.GetRoot(), TVI_ROOT);
    EXPECT_EQ(control.GetCount(), 270u);
    EXPECT_EQ(TopLevelCount(), 7);
    ExpectShows(control.GetRootItem(), tree.GetRoot()->m_child);

    // The control is not emptied first: a second call adds a second copy.
    tree.RecursiveAddItemToVisualTree(&control, tree.GetRoot(), TVI_ROOT);
    EXPECT_EQ(control.GetCount(), 540u);
    EXPECT_EQ(TopLevelCount(), 14);
}

TEST_F(VisualTree, StartsAtAKeywordUnderAnItemWithTheKeywordsAfterIt) {
    const HTREEITEM holder = control.InsertItem("holder");
    Cvx_KwTreeNode* userPrint = tree.GetRoot()->m_child->m_next->m_next->m_child->m_next->m_next;
    ASSERT_EQ(userPrint->m_name, "User_print");
    tree.RecursiveAddItemToVisualTree(&control, userPrint, holder);
    EXPECT_EQ(control.GetCount(), 1u + 2 + 2 + 3);
    ExpectShows(control.GetChildItem(holder), userPrint);
}

// A refused item sends its node's children to the top level, after what is already there.
TEST_F(VisualTree, SendsAppendsWithCopiedNamesAndMovesChildrenOfRefusedItemsUp) {
    std::vector<TVINSERTSTRUCT> sent;
    std::vector<CString> texts;
    vxcheck::SetTreeViewInsertFilter(control.m_hWnd, [&](const TVINSERTSTRUCTA& insert) {
        sent.push_back(insert);
        texts.emplace_back(insert.item.pszText);
        return texts.back() != "List of Keywords" && texts.back() != "Output";
    });
    Cvx_KwTreeNode* root = tree.GetRoot();
    tree.RecursiveAddItemToVisualTree(&control, root, nullptr);
    ASSERT_EQ(sent.size(), 271u);
    for (const TVINSERTSTRUCT& insert : sent) {
        EXPECT_EQ(insert.hInsertAfter, TVI_LAST);
        EXPECT_EQ(insert.item.mask, TVIF_TEXT | TVIF_PARAM);
    }
    EXPECT_EQ(sent[0].hParent, nullptr);
    EXPECT_EQ(sent[0].item.lParam, reinterpret_cast<LPARAM>(root));
    EXPECT_NE(sent[0].item.pszText, root->m_name.GetString());
    // Later siblings and their descendants go in before a node's own children.
    EXPECT_EQ(texts[7], "Miscellaneous");
    EXPECT_EQ(texts[8], "Incremental_reactions");
    EXPECT_EQ(texts.back(), "-water");

    EXPECT_EQ(control.GetCount(), 269u);
    EXPECT_EQ(TopLevelCount(), 6 + 4); // six groups, then the four keywords of "Output"
    HTREEITEM item = control.GetRootItem();
    for (int i = 0; i < 6; ++i) {
        item = control.GetNextSiblingItem(item);
    }
    ExpectShows(item, root->m_child->m_next->m_next->m_child);
}

TEST(VisualTreeChain, InsertsLongSiblingChainsInOrder) {
    constexpr int kLength = 100000; // far more than the call stack would take as recursion
    Cvx_KwTree tree;
    Cvx_KwTreeNode* last = tree.AddChildNode(tree.GetRoot(), "0");
    for (int i = 1; i < kLength; ++i) {
        tree.AddSiblingNode(last, new Cvx_KwTreeNode);
        last = last->m_next;
        last->m_name = CString(static_cast<char>('0' + i % 10));
    }
    CTreeCtrl control;
    ASSERT_TRUE(control.Create(WS_CHILD, RECT{}, nullptr, 1));
    tree.RecursiveAddItemToVisualTree(&control, tree.GetRoot(), TVI_ROOT);
    EXPECT_EQ(control.GetCount(), static_cast<UINT>(kLength));
    const HTREEITEM second = control.GetNextSiblingItem(control.GetRootItem());
    EXPECT_EQ(control.GetItemText(control.GetNextSiblingItem(second)), "2");
}

} // namespace
