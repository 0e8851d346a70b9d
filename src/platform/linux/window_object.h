// The object behind a window handle, and the registry that maps handles to such objects.
#pragma once

#include <vxcheck/platform/win_types.h>

#include <memory>

namespace vxcheck {

// A window: it answers the messages sent to its handle.
class WindowObject {
  public:
    virtual ~WindowObject() = default;
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;
};

// The object behind a live window handle, or null.
WindowObject* FindWindowObject(HWND window);

// A new tree-view control with the given style.
std::unique_ptr<WindowObject> CreateTreeView(DWORD style);

} // namespace vxcheck
