// Windows of our own behind window handles: creation, destruction and SendMessageA. The only
// window class is the tree-view control (tree_view.h).
#pragma once

#include <vxcheck/export.h>
#include <vxcheck/platform/linux/win_types.h>

// Window styles.
constexpr DWORD WS_OVERLAPPED = 0x00000000;
constexpr DWORD WS_TABSTOP = 0x00010000;
constexpr DWORD WS_BORDER = 0x00800000;
constexpr DWORD WS_DISABLED = 0x08000000;
constexpr DWORD WS_VISIBLE = 0x10000000;
constexpr DWORD WS_CHILD = 0x40000000;

// Creates a window of the class className ("SysTreeView32" is the one known class). Returns its
// handle, or null for an unknown class. Position, size, parent, menu and instance are kept by no
// one: the windows are never drawn.
VXCHECK_API HWND CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style,
                                 int x, int y, int width, int height, HWND parent, HMENU menu,
                                 HINSTANCE instance, LPVOID param);
// Destroys the window and everything it holds: TRUE, or FALSE when window is no window.
VXCHECK_API BOOL DestroyWindow(HWND window);
// TRUE while window is a window that has not been destroyed.
VXCHECK_API BOOL IsWindow(HWND window);
// Hands a message to the window and returns its answer; 0 when window is no window.
VXCHECK_API LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
