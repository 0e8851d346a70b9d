// The tree-view control: its item handles, structures, messages and styles with their Windows
// names and values. A tree-view window is created with CreateWindowExA(..., WC_TREEVIEWA, ...) and
// answers the messages below through SendMessageA.
#pragma once

#include <vxcheck/platform/linux/win_types.h>

using HTREEITEM = struct _TREEITEM*;

constexpr LPCSTR WC_TREEVIEWA = "SysTreeView32";

// Special item handles: the top level, and the insertion places.
const HTREEITEM TVI_ROOT = reinterpret_cast<HTREEITEM>(static_cast<ULONG_PTR>(-0x10000));
const HTREEITEM TVI_FIRST = reinterpret_cast<HTREEITEM>(static_cast<ULONG_PTR>(-0x0FFFF));
const HTREEITEM TVI_LAST = reinterpret_cast<HTREEITEM>(static_cast<ULONG_PTR>(-0x0FFFE));
const HTREEITEM TVI_SORT = reinterpret_cast<HTREEITEM>(static_cast<ULONG_PTR>(-0x0FFFD));

// Which members of a TVITEMA are valid.
constexpr UINT TVIF_TEXT = 0x0001;
constexpr UINT TVIF_IMAGE = 0x0002;
constexpr UINT TVIF_PARAM = 0x0004;
constexpr UINT TVIF_STATE = 0x0008;
constexpr UINT TVIF_HANDLE = 0x0010;
constexpr UINT TVIF_SELECTEDIMAGE = 0x0020;
constexpr UINT TVIF_CHILDREN = 0x0040;

struct TVITEMA {
    UINT mask;
    HTREEITEM hItem;
    UINT state;
    UINT stateMask;
    LPSTR pszText;
    int cchTextMax;
    int iImage;
    int iSelectedImage;
    int cChildren;
    LPARAM lParam;
};

struct TVINSERTSTRUCTA {
    HTREEITEM hParent;
    HTREEITEM hInsertAfter;
    TVITEMA item;
};

using TVITEM = TVITEMA;
using LPTVITEM = TVITEMA*;
using TVINSERTSTRUCT = TVINSERTSTRUCTA;
using LPTVINSERTSTRUCT = TVINSERTSTRUCTA*;

// Messages. lParam and the result are described per message.
constexpr UINT TV_FIRST = 0x1100;
// lParam: TVINSERTSTRUCTA*. The control keeps its own copy of the text (TVIF_TEXT) and lParam
// (TVIF_PARAM). A null or TVI_ROOT parent is the top level; hInsertAfter is TVI_LAST, TVI_FIRST,
// TVI_SORT or a child of the parent. Result: the new item's handle, or null when refused.
constexpr UINT TVM_INSERTITEMA = TV_FIRST + 0;
// lParam: the item to delete with all its descendants; TVI_ROOT or null deletes every item.
// Result: TRUE, or FALSE when the item does not exist.
constexpr UINT TVM_DELETEITEM = TV_FIRST + 1;
// Result: the number of items.
constexpr UINT TVM_GETCOUNT = TV_FIRST + 5;
// wParam: one of the TVGN_ flags; lParam: the item it starts from (TVI_ROOT or null is the top
// level for TVGN_CHILD). Result: the item found, or null.
constexpr UINT TVM_GETNEXTITEM = TV_FIRST + 10;
// lParam: TVITEMA* with hItem and mask set. TVIF_TEXT copies at most cchTextMax - 1 bytes and a
// NUL into pszText; TVIF_PARAM fills lParam. Result: TRUE, or FALSE when the item does not exist.
constexpr UINT TVM_GETITEMA = TV_FIRST + 12;

constexpr WPARAM TVGN_ROOT = 0x0000;
constexpr WPARAM TVGN_NEXT = 0x0001;
constexpr WPARAM TVGN_PREVIOUS = 0x0002;
constexpr WPARAM TVGN_PARENT = 0x0003;
constexpr WPARAM TVGN_CHILD = 0x0004;

// Styles. The control is never drawn, so they are kept and have no effect.
constexpr DWORD TVS_HASBUTTONS = 0x0001;
constexpr DWORD TVS_HASLINES = 0x0002;
constexpr DWORD TVS_LINESATROOT = 0x0004;
constexpr DWORD TVS_EDITLABELS = 0x0008;
constexpr DWORD TVS_DISABLEDRAGDROP = 0x0010;
constexpr DWORD TVS_SHOWSELALWAYS = 0x0020;
constexpr DWORD TVS_RTLREADING = 0x0040;
constexpr DWORD TVS_NOTOOLTIPS = 0x0080;
constexpr DWORD TVS_CHECKBOXES = 0x0100;
constexpr DWORD TVS_TRACKSELECT = 0x0200;
constexpr DWORD TVS_SINGLEEXPAND = 0x0400;
constexpr DWORD TVS_INFOTIP = 0x0800;
constexpr DWORD TVS_FULLROWSELECT = 0x1000;
constexpr DWORD TVS_NOSCROLL = 0x2000;
constexpr DWORD TVS_NONEVENHEIGHT = 0x4000;
constexpr DWORD TVS_NOHSCROLL = 0x8000;
