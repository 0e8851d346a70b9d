// comctl32's tree view behind CTreeCtrl: the keyword tree inserted into the system's control and
// read back item by item with TVM_GETITEMA, the insertion places, and the insertion filter.
#include <vxcheck/check.h>
#include <vxcheck/kw_tree.h>
#include <vxcheck/platform/tree_ctrl.h>

#include "platform/tree_view_filter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct ShownItem {
    std::string text;
    LPARAM data;
    int depth;
};

HTREEITEM Next(HWND window, WPARAM code, HTREEITEM item) {
    return reinterpret_cast<HTREEITEM>(
        SendMessageA(window, TVM_GETNEXTITEM, code, reinterpret_cast<LPARAM>(item)));
}

// The items from first on, each followed by its children, through the raw messages.
void ReadBack(HWND window, HTREEITEM first, int depth, std::vector<ShownItem>& out) {
    for (HTREEITEM item = first; item != nullptr; item = Next(window, TVGN_NEXT, item)) {
        char text[256] = {};
        TVITEMA request{};
        request.mask = TVIF_TEXT | TVIF_PARAM;
        request.hItem = item;
        request.pszText = text;
        request.cchTextMax = sizeof text;
        EXPECT_TRUE(SendMessageA(window, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&request)));
        out.push_back({text, request.lParam, depth});
        ReadBack(window, Next(window, TVGN_CHILD, item), depth + 1, out);
    }
}

// The nodes from node on, each followed by its children.
void Flatten(const Cvx_KwTreeNode* node, int depth, std::vector<ShownItem>& out) {
    for (; node != nullptr; node = node->m_next) {
        out.push_back({node->m_name.GetString(), reinterpret_cast<LPARAM>(node), depth});
        Flatten(node->m_child, depth + 1, out);
    }
}

std::vector<std::string> TopLevelTexts(const CTreeCtrl& control) {
    std::vector<std::string> texts;
    for (HTREEITEM item = control.GetRootItem(); item != nullptr;
         item = control.GetNextSiblingItem(item)) {
        texts.emplace_back(control.GetItemText(item).GetString());
    }
    return texts;
}

TEST(SystemTreeView, IsTheCommonControlsClass) {
    CTreeCtrl control;
    ASSERT_TRUE(control.Create(WS_CHILD | TVS_HASLINES, RECT{0, 0, 200, 300}, nullptr, 1));
    char name[64] = {};
    ASSERT_GT(GetClassNameA(control.m_hWnd, name, sizeof name), 0);
    EXPECT_STREQ(name, WC_TREEVIEWA);
    EXPECT_EQ(GetWindowLongPtrA(control.m_hWnd, GWL_STYLE) & TVS_HASLINES, TVS_HASLINES);
}

TEST(SystemTreeView, HoldsTheKeywordTreeItemByItem) {
    Cvx_Check checker;
    Cvx_KwTree tree;
    checker.BuildKeywordTree(&tree);
    CTreeCtrl control;
    ASSERT_TRUE(control.Create(WS_CHILD, RECT{0, 0, 200, 300}, nullptr, 1));
    tree.RecursiveAddItemToVisualTree(&control, tree.GetRoot(), TVI_ROOT);

    std::vector<ShownItem> expected;
    Flatten(tree.GetRoot()->m_child, 0, expected);
    std::vector<ShownItem> shown;
    ReadBack(control.m_hWnd, Next(control.m_hWnd, TVGN_ROOT, nullptr), 0, shown);
    EXPECT_EQ(SendMessageA(control.m_hWnd, TVM_GETCOUNT, 0, 0), 270);
    ASSERT_EQ(shown.size(), expected.size());
    for (std::size_t i = 0; i < shown.size(); ++i) {
        EXPECT_EQ(shown[i].text, expected[i].text) << "item " << i;
        EXPECT_EQ(shown[i].data, expected[i].data) << expected[i].text;
        EXPECT_EQ(shown[i].depth, expected[i].depth) << expected[i].text;
    }
}

TEST(SystemTreeView, PlacesItemsFirstLastAndSortedAndDeletesWithDescendants) {
    CTreeCtrl control;
    ASSERT_TRUE(control.Create(WS_CHILD, RECT{0, 0, 200, 300}, nullptr, 1));
    const HTREEITEM solution = control.InsertItem("SOLUTION");
    control.InsertItem("EXCHANGE", TVI_ROOT, TVI_FIRST);
    control.InsertItem("phases", TVI_ROOT, TVI_SORT);
    control.InsertItem("Kinetics", TVI_ROOT, TVI_SORT);
    EXPECT_EQ(TopLevelTexts(control),
              (std::vector<std::string>{"EXCHANGE", "Kinetics", "phases", "SOLUTION"}));

    const HTREEITEM units = control.InsertItem("-units", solution);
    control.InsertItem("mg/L", units);
    EXPECT_EQ(control.GetParentItem(units), solution);
    EXPECT_EQ(control.GetCount(), 6u);
    EXPECT_TRUE(control.DeleteItem(solution));
    EXPECT_EQ(control.GetCount(), 3u);
    EXPECT_TRUE(control.DeleteAllItems());
    EXPECT_EQ(control.GetCount(), 0u);
    EXPECT_EQ(control.GetRootItem(), nullptr);
}

TEST(SystemTreeView, FilterAnswersForTheControlUntilItIsCleared) {
    CTreeCtrl control;
    ASSERT_TRUE(control.Create(WS_CHILD, RECT{0, 0, 200, 300}, nullptr, 1));
    std::vector<std::string> seen;
    ASSERT_TRUE(
        vxcheck::SetTreeViewInsertFilter(control.m_hWnd, [&](const TVINSERTSTRUCTA& insert) {
            seen.emplace_back(insert.item.pszText);
            return seen.back() != "refused";
        }));
    EXPECT_NE(control.InsertItem("kept"), nullptr);
    EXPECT_EQ(control.InsertItem("refused"), nullptr);
    EXPECT_EQ(seen, (std::vector<std::string>{"kept", "refused"}));
    EXPECT_EQ(TopLevelTexts(control), std::vector<std::string>{"kept"});

    // A second filter replaces the first; an empty one lets everything through.
    ASSERT_TRUE(vxcheck::SetTreeViewInsertFilter(control.m_hWnd,
                                                 [](const TVINSERTSTRUCTA&) { return false; }));
    EXPECT_EQ(control.InsertItem("refused"), nullptr);
    ASSERT_TRUE(vxcheck::SetTreeViewInsertFilter(control.m_hWnd, {}));
    EXPECT_NE(control.InsertItem("refused"), nullptr);
    EXPECT_EQ(control.GetCount(), 2u);
    EXPECT_EQ(seen.size(), 2u);

    EXPECT_FALSE(vxcheck::SetTreeViewInsertFilter(nullptr, {}));
    const HWND button = CreateWindowExA(0, "BUTTON", "no tree", WS_CHILD, 0, 0, 10, 10,
                                        HWND_MESSAGE, nullptr, nullptr, nullptr);
    ASSERT_NE(button, nullptr);
    EXPECT_FALSE(vxcheck::SetTreeViewInsertFilter(button, {}));
    DestroyWindow(button);
}

} // namespace
