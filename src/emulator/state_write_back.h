#pragma once
// Carrying the plain state file back into the emulation file it came from, and ending its life.

#include <string>

#include "emulator/desktop.h"
#include "emulator/session_files.h"
#include "emulator/xor_file_copy.h"

namespace emulator {

// The write-back target: the file recorded at launch in this run, else the one the session record
// names (an earlier run's session), which then becomes this run's target. Empty when neither is known.
std::u16string ResolveWriteBackTarget(SessionFiles& files);

// For a plain file met outside a session of this run: its record alone tells where it belongs.
// True when there is one; it becomes this run's write-back target.
bool AdoptRecordedTarget(SessionFiles& files);

// Scrambles g_strTempStateFile back into its target; no message.
CopyResult WriteBackState(SessionFiles& files, Desktop& desktop);

// After a successful write-back: the plain file goes, then its record.
void DiscardPlainState(SessionFiles& files);

// Moves a plain state file whose origin is unknown aside, never overwriting anything, and tells
// the user where it went. False when it could not be moved (the user has been told).
bool KeepUnknownPlainState(SessionFiles& files, Desktop& desktop);

}  // namespace emulator
