#pragma once
// Private messages between the program's windows.

#include <windows.h>

// Title pane to main frame: start moving the window as if its caption had been grabbed.
// wParam and lParam are 0; the result is 0.
constexpr UINT WM_DRAG_MAINFRAME = WM_USER + 18;
