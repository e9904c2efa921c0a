#pragma once
// Reading another process's windows and sending it real input, as a user's mouse and keyboard would.

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

std::wstring WindowTitle(HWND window);
RECT ScreenRect(HWND window);
// The panes of the main window (the splitter's children), top to bottom, in the frame's client coordinates.
std::vector<RECT> PaneRects(HWND frame);
// Cursor shape that the window under the point would show when the mouse moves there.
HCURSOR CursorAfterMovingTo(POINT screenPoint);

void BringToFront(HWND window);
void MouseDrag(POINT from, POINT to);
void PressAltF4(HWND window);

}  // namespace e2e
