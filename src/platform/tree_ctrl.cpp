// CWnd and CTreeCtrl: each tree-control operation is one message to the control's window.
#include <vxcheck/platform/tree_ctrl.h>

#include "platform/tree_view_class.h"

#include <vector>

CWnd::~CWnd() {
    if (m_hWnd != nullptr) {
        ::DestroyWindow(m_hWnd);
    }
}

BOOL CWnd::DestroyWindow() {
    if (m_hWnd == nullptr) {
        return FALSE;
    }
    const BOOL destroyed = ::DestroyWindow(m_hWnd);
    m_hWnd = nullptr;
    return destroyed;
}

BOOL CTreeCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    if (m_hWnd != nullptr) {
        return FALSE;
    }
    vxcheck::PrepareTreeViewClass();
    m_hWnd = ::CreateWindowExA(
        0, WC_TREEVIEWA, nullptr, style, rect.left, rect.top, rect.right - rect.left,
        rect.bottom - rect.top,
        vxcheck::TreeViewParent(parent != nullptr ? parent->GetSafeHwnd() : nullptr, style),
        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), nullptr, nullptr);
    return m_hWnd != nullptr ? TRUE : FALSE;
}

HTREEITEM CTreeCtrl::InsertItem(LPTVINSERTSTRUCT insert) {
    return reinterpret_cast<HTREEITEM>(
        ::SendMessageA(m_hWnd, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(insert)));
}

HTREEITEM CTreeCtrl::InsertItem(LPCTSTR text, HTREEITEM parent, HTREEITEM after) {
    TVINSERTSTRUCT insert{};
    insert.hParent = parent;
    insert.hInsertAfter = after;
    insert.item.mask = TVIF_TEXT;
    insert.item.pszText = const_cast<LPTSTR>(text); // the control copies the text, never writes
    return InsertItem(&insert);
}

BOOL CTreeCtrl::DeleteItem(HTREEITEM item) {
    return static_cast<BOOL>(
        ::SendMessageA(m_hWnd, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(item)));
}

BOOL CTreeCtrl::DeleteAllItems() {
    return static_cast<BOOL>(
        ::SendMessageA(m_hWnd, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT)));
}

UINT CTreeCtrl::GetCount() const {
    return static_cast<UINT>(::SendMessageA(m_hWnd, TVM_GETCOUNT, 0, 0));
}

HTREEITEM CTreeCtrl::GetNextItem(HTREEITEM item, UINT code) const {
    return reinterpret_cast<HTREEITEM>(
        ::SendMessageA(m_hWnd, TVM_GETNEXTITEM, code, reinterpret_cast<LPARAM>(item)));
}

HTREEITEM CTreeCtrl::GetRootItem() const {
    return GetNextItem(nullptr, TVGN_ROOT);
}

HTREEITEM CTreeCtrl::GetChildItem(HTREEITEM item) const {
    return GetNextItem(item, TVGN_CHILD);
}

HTREEITEM CTreeCtrl::GetNextSiblingItem(HTREEITEM item) const {
    return GetNextItem(item, TVGN_NEXT);
}

HTREEITEM CTreeCtrl::GetParentItem(HTREEITEM item) const {
    return GetNextItem(item, TVGN_PARENT);
}

BOOL CTreeCtrl::GetItem(TVITEM* item) const {
    return static_cast<BOOL>(
        ::SendMessageA(m_hWnd, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(item)));
}

CString CTreeCtrl::GetItemText(HTREEITEM item) const {
    // The control cuts a text to the buffer it is given, so grow the buffer until one has room
    // to spare.
    std::vector<char> buffer(64);
    for (;;) {
        TVITEM request{};
        request.hItem = item;
        request.mask = TVIF_TEXT;
        request.pszText = buffer.data();
        request.cchTextMax = static_cast<int>(buffer.size());
        if (!GetItem(&request)) {
            return CString();
        }
        CString text(buffer.data()); // not const, so that returning it moves it
        if (text.GetLength() < static_cast<int>(buffer.size()) - 1) {
            return text;
        }
        buffer.resize(buffer.size() * 2);
    }
}

DWORD_PTR CTreeCtrl::GetItemData(HTREEITEM item) const {
    TVITEM request{};
    request.hItem = item;
    request.mask = TVIF_PARAM;
    return GetItem(&request) ? static_cast<DWORD_PTR>(request.lParam) : 0;
}
