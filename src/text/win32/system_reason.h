#pragma once
// A system error code in the system's own words, for messages that say why a file failed.

#include <windows.h>

#include <string>

namespace text::win32 {

std::u16string SystemReason(DWORD error);

}  // namespace text::win32
