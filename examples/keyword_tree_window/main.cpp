// keyword_tree_window: a window that shows PHREEQC's keyword tree in the system's tree view, as
// an editor built on vxcheck shows it. Its groups are expanded down to the keywords.
// Usage: keyword_tree_window.exe [SECONDS]  (closes by itself after SECONDS when given)
#include <vxcheck/vxcheck.h>

#include <cstdlib>

namespace {

constexpr UINT_PTR kCloseTimer = 1;

// The tree, the checker that built it and the control live as long as the window.
struct KeywordTreeWindow {
    Cvx_Check checker;
    Cvx_KwTree tree;
    CTreeCtrl control;
};

void ExpandGroups(const CTreeCtrl& control) {
    for (HTREEITEM group = control.GetRootItem(); group != nullptr;
         group = control.GetNextSiblingItem(group)) {
        TreeView_Expand(control.m_hWnd, group, TVE_EXPAND);
    }
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* shown = reinterpret_cast<KeywordTreeWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    switch (message) {
    case WM_SIZE:
        if (shown != nullptr) {
            MoveWindow(shown->control.m_hWnd, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        }
        return 0;
    case WM_TIMER:
        if (wParam == kCloseTimer) {
            DestroyWindow(window);
        }
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR commandLine, int show) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = "VxcheckKeywordTree";
    if (RegisterClassA(&windowClass) == 0) {
        return 1;
    }
    const HWND window =
        CreateWindowExA(0, windowClass.lpszClassName, "PHREEQC keywords - vxcheck",
                        WS_OVERLAPPEDWINDOW, 40, 30, 420, 540, nullptr, nullptr, instance, nullptr);
    if (window == nullptr) {
        return 1;
    }

    // The frame's window object; the window is destroyed by the time it goes.
    CWnd frame;
    frame.m_hWnd = window;
    KeywordTreeWindow shown;
    RECT area{};
    GetClientRect(window, &area);
    const DWORD style =
        WS_CHILD | WS_VISIBLE | TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT | TVS_SHOWSELALWAYS;
    if (!shown.control.Create(style, area, &frame, 1)) {
        return 1;
    }
    shown.checker.BuildKeywordTree(&shown.tree);
    shown.tree.RecursiveAddItemToVisualTree(&shown.control, shown.tree.GetRoot(), TVI_ROOT);
    ExpandGroups(shown.control);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&shown));

    const int seconds = std::atoi(commandLine);
    if (seconds > 0) {
        SetTimer(window, kCloseTimer, static_cast<UINT>(seconds) * 1000, nullptr);
    }
    ShowWindow(window, show);
    UpdateWindow(window);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    frame.m_hWnd = nullptr;
    return 0;
}
