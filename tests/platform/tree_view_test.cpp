// The tree-view control: where items go, what it keeps, what it refuses and what it deletes.
#include <vxcheck/platform/tree_ctrl.h>
#include <vxcheck/platform/tree_view.h>
#include <vxcheck/platform/window.h>

#include "platform/tree_view_filter.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class TreeView : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(control.Create(WS_CHILD, RECT{}, nullptr, 1)); }

    // The texts of the children of parent (TVI_ROOT: the top level), joined with blanks.
    std::string Children(HTREEITEM parent) {
        std::string texts;
        HTREEITEM item = parent == TVI_ROOT ? control.GetRootItem() : control.GetChildItem(parent);
        for (; item != nullptr; item = control.GetNextSiblingItem(item)) {
            if (!texts.empty()) {
                texts += ' ';
            }
            texts += std::string(control.GetItemText(item));
        }
        return texts;
    }

    CTreeCtrl control;
};

TEST_F(TreeView, InsertsUnderParentsInTheRequestedPlaces) {
    const HTREEITEM a = control.InsertItem("a");
    const HTREEITEM b = control.InsertItem("b", nullptr); // null is the top level as well
    control.InsertItem("a2", a);
    const HTREEITEM a1 = control.InsertItem("a1", a, TVI_FIRST);
    control.InsertItem("a3", a, a1);
    for (const char* text : {"m", "C", "x"}) {
        control.InsertItem(text, b, TVI_SORT);
    }
    EXPECT_EQ(Children(TVI_ROOT), "a b");
    EXPECT_EQ(Children(a), "a1 a3 a2");
    EXPECT_EQ(Children(b), "C m x");
    EXPECT_EQ(control.GetCount(), 8u);
    EXPECT_EQ(control.GetParentItem(a1), a);
    EXPECT_EQ(control.GetParentItem(a), nullptr);
    EXPECT_EQ(control.GetNextItem(b, TVGN_PREVIOUS), a);
}

TEST_F(TreeView, KeepsItsOwnCopiesAndCutsTextsToTheBuffer) {
    char text[] = "Solution";
    TVINSERTSTRUCT insert{};
    insert.hParent = TVI_ROOT;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM;
    insert.item.pszText = text;
    insert.item.lParam = 0x1234;
    const HTREEITEM item = control.InsertItem(&insert);
    text[0] = '#';
    char buffer[5] = "????";
    TVITEM request{};
    request.hItem = item;
    request.mask = TVIF_TEXT | TVIF_PARAM;
    request.pszText = buffer;
    request.cchTextMax = sizeof buffer;
    ASSERT_TRUE(control.GetItem(&request));
    EXPECT_STREQ(buffer, "Solu");
    EXPECT_EQ(request.lParam, 0x1234);
}

TEST_F(TreeView, RefusesUnknownPlacesAndWhatTheFilterRejects) {
    const HTREEITEM a = control.InsertItem("a");
    const HTREEITEM b1 = control.InsertItem("b1", control.InsertItem("b"));
    EXPECT_EQ(control.InsertItem("x", reinterpret_cast<HTREEITEM>(0x7777)), nullptr);
    EXPECT_EQ(control.InsertItem("x", a, b1), nullptr); // b1 is no child of a
    ASSERT_TRUE(vxcheck::SetTreeViewInsertFilter(control.m_hWnd, [](const TVINSERTSTRUCTA& insert) {
        return insert.item.pszText[0] != 'r';
    }));
    EXPECT_EQ(control.InsertItem("refused", a), nullptr);
    EXPECT_NE(control.InsertItem("kept", a), nullptr);
    ASSERT_TRUE(vxcheck::SetTreeViewInsertFilter(control.m_hWnd, nullptr));
    EXPECT_NE(control.InsertItem("refused", a), nullptr);
    EXPECT_EQ(Children(a), "kept refused");
    EXPECT_EQ(control.GetCount(), 5u);
    EXPECT_FALSE(vxcheck::SetTreeViewInsertFilter(nullptr, nullptr));
}

TEST_F(TreeView, DeletesItemsWithTheirDescendantsAndNeverReusesHandles) {
    const HTREEITEM a = control.InsertItem("a");
    const HTREEITEM b = control.InsertItem("b");
    const HTREEITEM c = control.InsertItem("c");
    control.InsertItem("b1", control.InsertItem("b0", b));
    EXPECT_TRUE(control.DeleteItem(b));
    EXPECT_EQ(Children(TVI_ROOT), "a c");
    EXPECT_EQ(control.GetNextItem(c, TVGN_PREVIOUS), a);
    EXPECT_EQ(control.GetCount(), 2u);
    EXPECT_FALSE(control.DeleteItem(b));
    EXPECT_EQ(control.InsertItem("x", b), nullptr); // a stale handle is no parent
    EXPECT_TRUE(control.DeleteAllItems());
    EXPECT_EQ(control.GetCount(), 0u);
    EXPECT_EQ(control.GetRootItem(), nullptr);
    const HTREEITEM fresh = control.InsertItem("fresh");
    EXPECT_TRUE(fresh != a && fresh != b && fresh != c);
}

TEST(Window, OnlyKnownClassesAndLiveHandlesAnswer) {
    EXPECT_EQ(CreateWindowExA(0, "Button", nullptr, WS_CHILD, 0, 0, 1, 1, nullptr, nullptr, nullptr,
                              nullptr),
              nullptr);
    const HWND window = CreateWindowExA(0, "systreeview32", nullptr, 0, 0, 0, 1, 1, nullptr,
                                        nullptr, nullptr, nullptr);
    ASSERT_TRUE(IsWindow(window));
    EXPECT_EQ(DestroyWindow(window), TRUE);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(DestroyWindow(window), FALSE);
    EXPECT_EQ(SendMessageA(window, TVM_GETCOUNT, 0, 0), 0);
}

} // namespace
