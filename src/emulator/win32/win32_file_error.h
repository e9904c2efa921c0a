#pragma once
// Win32 error codes in the session's terms.

#include <windows.h>

#include "emulator/session_files.h"

namespace emulator::win32 {

FileError ToFileError(DWORD code);
inline FileError LastFileError() { return ToFileError(GetLastError()); }

}  // namespace emulator::win32
