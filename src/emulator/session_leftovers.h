#pragma once
// What earlier runs that were killed while writing left beside the session's files.

#include "emulator/session_files.h"

namespace emulator {

// At start: the leftovers beside the plain state file, its record, the current emulation file
// and the emulation file the record names. Each later write removes those of its own target.
void RemoveSessionLeftovers(SessionFiles& files);

}  // namespace emulator
