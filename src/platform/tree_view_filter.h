// A filter that a tree-view control consults before each insertion, for our own tests: it lets
// them see how callers cope with an item that the control refuses. Not part of the public headers.
#pragma once

#include <vxcheck/platform/tree_view.h>
#include <vxcheck/platform/win_types.h>

#include <functional>

namespace vxcheck {

// Decides whether a tree-view control accepts an insertion: false refuses it, and
// TVM_INSERTITEMA then answers null.
using TreeViewInsertFilter = std::function<bool(const TVINSERTSTRUCTA& insert)>;

// Gives the tree-view window a filter (an empty one accepts everything again). Returns FALSE
// when window is no tree-view window.
BOOL SetTreeViewInsertFilter(HWND window, TreeViewInsertFilter filter);

} // namespace vxcheck
