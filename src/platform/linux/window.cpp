// The window registry: window handles, the objects behind them, and the routing of messages.
#include <vxcheck/platform/mbstring.h>
#include <vxcheck/platform/tree_view.h>
#include <vxcheck/platform/window.h>

#include "platform/linux/window_object.h"
#include "platform/tree_view_class.h"

#include <map>

namespace vxcheck {
namespace {

// Every window of the process by handle value. Handle values are never used twice, so a stale
// handle finds nothing instead of a newer window.
struct WindowRegistry {
    std::map<ULONG_PTR, std::unique_ptr<WindowObject>> windows;
    ULONG_PTR lastHandle = 0;
};

WindowRegistry& Registry() {
    static WindowRegistry registry;
    return registry;
}

bool IsClass(LPCSTR className, LPCSTR known) {
    return className != nullptr && _mbsicmp(reinterpret_cast<const unsigned char*>(className),
                                            reinterpret_cast<const unsigned char*>(known)) == 0;
}

} // namespace

WindowObject* FindWindowObject(HWND window) {
    auto& windows = Registry().windows;
    const auto found = windows.find(reinterpret_cast<ULONG_PTR>(window));
    return found == windows.end() ? nullptr : found->second.get();
}

} // namespace vxcheck

HWND CreateWindowExA(DWORD /*exStyle*/, LPCSTR className, LPCSTR /*windowName*/, DWORD style,
                     int /*x*/, int /*y*/, int /*width*/, int /*height*/, HWND /*parent*/,
                     HMENU /*menu*/, HINSTANCE /*instance*/, LPVOID /*param*/) {
    if (!vxcheck::IsClass(className, WC_TREEVIEWA)) {
        return nullptr;
    }
    vxcheck::WindowRegistry& registry = vxcheck::Registry();
    // Handle values step by 4, as the system's do; 0 is never one.
    registry.lastHandle += 4;
    registry.windows.emplace(registry.lastHandle, vxcheck::CreateTreeView(style));
    return reinterpret_cast<HWND>(registry.lastHandle);
}

BOOL DestroyWindow(HWND window) {
    return vxcheck::Registry().windows.erase(reinterpret_cast<ULONG_PTR>(window)) != 0 ? TRUE
                                                                                       : FALSE;
}

BOOL IsWindow(HWND window) {
    return vxcheck::FindWindowObject(window) != nullptr ? TRUE : FALSE;
}

LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    vxcheck::WindowObject* object = vxcheck::FindWindowObject(window);
    return object != nullptr ? object->HandleMessage(message, wParam, lParam) : 0;
}

void vxcheck::PrepareTreeViewClass() {
    // CreateWindowExA knows the tree-view class from the start.
}

HWND vxcheck::TreeViewParent(HWND parent, DWORD /*style*/) {
    return parent; // the library's windows are never shown, so any parent will do
}
