// CWnd and CTreeCtrl: the framework's window object and tree control, over the window handles of
// window.h. Every CTreeCtrl operation sends its tree-view message to m_hWnd.
#pragma once

#include <vxcheck/export.h>
#include <vxcheck/platform/cstring.h>
#include <vxcheck/platform/tree_view.h>
#include <vxcheck/platform/win_types.h>
#include <vxcheck/platform/window.h>

// A window object: owns the window behind m_hWnd and destroys it with itself.
class VXCHECK_API CWnd {
  public:
    CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    virtual ~CWnd();

    // The window handle, or null before Create and after DestroyWindow.
    HWND GetSafeHwnd() const { return m_hWnd; }
    // Destroys the window: TRUE, or FALSE when there was none.
    virtual BOOL DestroyWindow();

    HWND m_hWnd = nullptr;
};

class VXCHECK_API CTreeCtrl : public CWnd {
  public:
    // Creates the tree-view window: TRUE, or FALSE when this object already has one.
    virtual BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    // The new item's handle, or null when the control refuses it.
    HTREEITEM InsertItem(LPTVINSERTSTRUCT insert);
    HTREEITEM InsertItem(LPCTSTR text, HTREEITEM parent = TVI_ROOT, HTREEITEM after = TVI_LAST);
    // TRUE, or FALSE when the item does not exist.
    BOOL DeleteItem(HTREEITEM item);
    // TRUE, or FALSE when there is no window.
    BOOL DeleteAllItems();

    // The number of items, or 0 when there is no window.
    UINT GetCount() const;
    // Navigation; each gives null when there is no such item.
    HTREEITEM GetNextItem(HTREEITEM item, UINT code) const;
    HTREEITEM GetRootItem() const;
    HTREEITEM GetChildItem(HTREEITEM item) const;
    HTREEITEM GetNextSiblingItem(HTREEITEM item) const;
    HTREEITEM GetParentItem(HTREEITEM item) const;

    // TRUE, or FALSE when the item does not exist.
    BOOL GetItem(TVITEM* item) const;
    // The item's text, or "" when the item does not exist.
    CString GetItemText(HTREEITEM item) const;
    // The item's data (its lParam), or 0 when the item does not exist.
    DWORD_PTR GetItemData(HTREEITEM item) const;
};
