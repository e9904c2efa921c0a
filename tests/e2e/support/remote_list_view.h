#pragma once
// Reading a list view that lives in another process: the item structures travel through memory
// allocated in that process.

#include <windows.h>

#include <string>

namespace e2e {

int ListItemCount(HWND list);
std::wstring ListItemText(HWND list, int item);
// The command pane's list view in the main window, or null while it does not exist yet.
HWND CommandList(HWND frame);
// An item's rectangle (LVIR_ICON, LVIR_LABEL, LVIR_BOUNDS) in screen coordinates.
RECT ListItemScreenRect(HWND list, int item, int code);

}  // namespace e2e
