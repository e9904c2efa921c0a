#pragma once
// The font and the DC the owner-drawn menu measures with.

#include <windows.h>

#include "framework/gdi_handles.h"

namespace widgets {

// The system's menu font; a failing query leaves a zeroed font record, used as it is.
framework::UniqueFont CreateMenuFont();

// The window the menu measures on: the application's main window, else the desktop.
HWND MeasuringWindow();

}  // namespace widgets
