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
// A real move of the mouse to a screen point, with time for the windows to follow it.
void MoveMouseTo(POINT screenPoint);
// A real left click at a screen point. Two clicks at one spot need 600 ms between them, or
// the system makes them one double click.
void ClickAt(POINT screenPoint);
// A key by its X name ("Return", "Escape", "End") to the window in front.
void PressKey(const std::wstring& name);
// The screen rectangle as a PNG file at a host (Unix) path; false when no tool could take it.
bool SaveScreenshot(const RECT& screen, const std::string& hostPath);

}  // namespace e2e
