#pragma once
// Asking another program to close, and waiting for it without freezing the launcher's window.

#include <windows.h>

#include "emulator/desktop.h"

namespace emulator::win32 {

// Sends `target` what a click on its close box sends and waits at most timeoutMs for its process
// to end (or, where the process cannot be opened, for its window to go). Meanwhile the top-level
// window of `launcherWindow` is disabled and shows the wait cursor; its windows are painted and
// messages sent to them answered, while posted ones (input, timers, a second close) wait until
// afterwards. Whether the program ended, and how, where the system says.
ProgramEnd CloseProgramAndWait(HWND launcherWindow, HWND target, unsigned timeoutMs);

}  // namespace emulator::win32
