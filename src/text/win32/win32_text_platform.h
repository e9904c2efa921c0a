#pragma once
// The text subsystem's platform on Windows.

#include "text/text_platform.h"

namespace text {

// One process-wide instance; it keeps no state, so any thread may use it (its message box
// belongs to the calling thread).
TextPlatform& Win32TextPlatform();

}  // namespace text
