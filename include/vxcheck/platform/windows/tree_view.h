// The tree-view control of the common controls library (comctl32): HTREEITEM, TVITEMA,
// TVINSERTSTRUCTA, the TVM_ messages, TVGN_ codes and TVS_ styles, as the system headers define
// them. A tree-view window is created with CreateWindowExA(..., WC_TREEVIEWA, ...) once the
// tree-view class is registered (InitCommonControlsEx with ICC_TREEVIEW_CLASSES, which
// CTreeCtrl::Create does).
#pragma once

#include <vxcheck/platform/windows/win_types.h>

#include <commctrl.h>
