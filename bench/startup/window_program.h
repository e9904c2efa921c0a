#pragma once
// What the start-up reference programs share: registering a window class and the message loop.

#include <windows.h>

namespace bench {

inline ATOM RegisterWindowClass(const wchar_t* name, WNDPROC procedure, HICON icon, HBRUSH background)
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hbrBackground = background;
    windowClass.hIcon = icon;
    windowClass.lpszClassName = name;
    return RegisterClassExW(&windowClass);
}

// The default handling of a program's main window, whose destruction ends the program.
inline LRESULT MainWindowDefault(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_DESTROY)
        return DefWindowProcW(window, message, wParam, lParam);
    PostQuitMessage(0);
    return 0;
}

// Shows window painted and runs until the program quits.
inline int ShowAndRun(HWND window, int showCommand)
{
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}

}  // namespace bench
