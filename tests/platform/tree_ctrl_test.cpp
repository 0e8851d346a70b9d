// CTreeCtrl: its window's life, and texts longer than its first read buffer.
#include <vxcheck/platform/tree_ctrl.h>

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(TreeCtrl, OwnsItsWindowFromCreateToDestruction) {
    HWND window = nullptr;
    {
        CTreeCtrl control;
        EXPECT_EQ(control.InsertItem("no window yet"), nullptr);
        EXPECT_EQ(control.GetCount(), 0u);
        ASSERT_TRUE(control.Create(WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS, RECT{0, 0, 200, 300},
                                   nullptr, 1001));
        EXPECT_FALSE(control.Create(WS_CHILD, RECT{}, nullptr, 1002));
        window = control.GetSafeHwnd();
        EXPECT_TRUE(IsWindow(window));
        control.InsertItem("left behind");
    }
    EXPECT_FALSE(IsWindow(window));

    CTreeCtrl control;
    ASSERT_TRUE(control.Create(WS_CHILD, RECT{}, nullptr, 1));
    EXPECT_TRUE(control.DestroyWindow());
    EXPECT_EQ(control.m_hWnd, nullptr);
    EXPECT_FALSE(control.DestroyWindow());
}

TEST(TreeCtrl, ReadsTextsLongerThanAnyFirstBuffer) {
    CTreeCtrl control;
    ASSERT_TRUE(control.Create(WS_CHILD, RECT{}, nullptr, 1));
    for (const std::size_t length : {0u, 63u, 64u, 65u, 1000u}) {
        const std::string text(length, 'k');
        EXPECT_EQ(std::string(control.GetItemText(control.InsertItem(text.c_str()))), text);
    }
    EXPECT_EQ(control.GetItemText(reinterpret_cast<HTREEITEM>(0x9999)), "");
    EXPECT_EQ(control.GetItemData(reinterpret_cast<HTREEITEM>(0x9999)), 0u);
}

} // namespace
