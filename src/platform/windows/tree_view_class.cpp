// The tree-view window class of comctl32, registered once per process before the first tree-view
// window is created.
#include <vxcheck/platform/tree_view.h>

#include "platform/tree_view_class.h"

#include <mutex>

void vxcheck::PrepareTreeViewClass() {
    static std::once_flag registered;
    std::call_once(registered, [] {
        INITCOMMONCONTROLSEX controls{};
        controls.dwSize = sizeof controls;
        controls.dwICC = ICC_TREEVIEW_CLASSES;
        // When it fails, CreateWindowExA finds no class and answers null, as for any unknown class.
        InitCommonControlsEx(&controls);
    });
}

HWND vxcheck::TreeViewParent(HWND parent, DWORD style) {
    // The system refuses a child window without a parent.
    return parent == nullptr && (style & WS_CHILD) != 0 ? HWND_MESSAGE : parent;
}
