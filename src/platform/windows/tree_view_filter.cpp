// The insertion filter on comctl32's tree view: a subclass of the window that answers
// TVM_INSERTITEMA with null, before the control sees it, when the filter refuses the insertion.
#include "platform/tree_view_filter.h"

#include <cstring>
#include <map>
#include <memory>
#include <utility>

namespace vxcheck {

namespace {

constexpr UINT_PTR kFilterSubclass = 0x7663; // any id of ours; one filter subclass per window

// The filter of each window that has one; the subclass holds a pointer to it.
std::map<HWND, std::unique_ptr<TreeViewInsertFilter>>& Filters() {
    static std::map<HWND, std::unique_ptr<TreeViewInsertFilter>> filters;
    return filters;
}

LRESULT CALLBACK FilterWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                  UINT_PTR /*id*/, DWORD_PTR data) {
    auto* filter = reinterpret_cast<TreeViewInsertFilter*>(data);
    if (message == TVM_INSERTITEMA && lParam != 0 &&
        !(*filter)(*reinterpret_cast<const TVINSERTSTRUCTA*>(lParam))) {
        return 0;
    }
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, FilterWindowProc, kFilterSubclass);
        Filters().erase(window);
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

bool IsTreeView(HWND window) {
    char name[32] = {};
    return IsWindow(window) && GetClassNameA(window, name, sizeof name) > 0 &&
           std::strcmp(name, WC_TREEVIEWA) == 0;
}

} // namespace

BOOL SetTreeViewInsertFilter(HWND window, TreeViewInsertFilter filter) {
    if (!IsTreeView(window)) {
        return FALSE;
    }
    if (!filter) {
        RemoveWindowSubclass(window, FilterWindowProc, kFilterSubclass);
        Filters().erase(window);
        return TRUE;
    }
    auto owned = std::make_unique<TreeViewInsertFilter>(std::move(filter));
    // Installs the subclass, or points an installed one at the new filter.
    if (!SetWindowSubclass(window, FilterWindowProc, kFilterSubclass,
                           reinterpret_cast<DWORD_PTR>(owned.get()))) {
        return FALSE;
    }
    Filters()[window] = std::move(owned);
    return TRUE;
}

} // namespace vxcheck
