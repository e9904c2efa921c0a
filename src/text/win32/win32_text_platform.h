#pragma once
// The text subsystem's platform on Windows.

#include "text/text_platform.h"

namespace text {

// One process-wide instance; it keeps no state, so any thread may use it.
TextPlatform& Win32TextPlatform();

}  // namespace text
