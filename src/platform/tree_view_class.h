// Makes the tree-view window class known to the process before the first tree-view window is
// created: the common controls library registers it on Windows; the library's own windows know
// it from the start.
#pragma once

#include <vxcheck/platform/win_types.h>

namespace vxcheck {

// Registers the tree-view class once per process; later calls do nothing.
void PrepareTreeViewClass();

// The parent window that a tree view of the given style is created under when its owner asked
// for parent: parent itself, or on Windows, for a child without a parent, the message-only
// window, under which the control answers every message and is never shown.
HWND TreeViewParent(HWND parent, DWORD style);

} // namespace vxcheck
