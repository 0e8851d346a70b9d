// The Windows integer, pointer and handle types that the tree control, the window layer and the
// module start-up use, with their Windows names and sizes.
#pragma once

#include <cstdint>

using BYTE = unsigned char;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using UINT = unsigned int;
using BOOL = int;
using LONG = std::int32_t;
using UINT_PTR = std::uintptr_t;
using LONG_PTR = std::intptr_t;
using ULONG_PTR = std::uintptr_t;
using DWORD_PTR = ULONG_PTR;
using WPARAM = UINT_PTR;
using LPARAM = LONG_PTR;
using LRESULT = LONG_PTR;
using LPVOID = void*;
using LPSTR = char*;
using LPCSTR = const char*;
using LPTSTR = LPSTR; // the library is built for 8-bit text
using LPCTSTR = LPCSTR;

constexpr BOOL FALSE = 0;
constexpr BOOL TRUE = 1;

// Handles are pointers to distinct incomplete types, so that one kind cannot pass for another.
using HWND = struct HWND__*;
using HINSTANCE = struct HINSTANCE__*;
using HMODULE = HINSTANCE;
using HMENU = struct HMENU__*;

struct RECT {
    LONG left;
    LONG top;
    LONG right;
    LONG bottom;
};
