#pragma once
// Carrying the plain state file back into the emulation file it came from, and ending its life.
// A write-back never puts a save that is plainly broken over a good state, writes nothing for a
// session that changed nothing, and keeps the state it replaces as an earlier state.

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

// How the emulator ended, where the launcher saw it end: a non-zero exit code means its save
// failed, and what it left may be torn.
struct EmulatorEnd {
    std::optional<std::uint32_t> exitCode;
    bool SaveFailed() const { return exitCode && *exitCode != 0; }
};

enum class SaveOutcome {
    Saved,      // the emulation file holds the plain state now; the one it replaced is kept
    Unchanged,  // it held that state already, and nothing was written
    KeptAside,  // a broken save: the emulation file is as it was, the plain state was moved aside, the user told
    NotMoved,   // a broken save that could not be moved aside; the user told, the next start tries again
    Failed,     // nothing changed; `failure` says why
};

struct SaveResult {
    SaveOutcome outcome = SaveOutcome::Failed;
    CopyResult failure = {};
    // The plain state has gone where it belongs, or aside: what is left of it may go.
    bool Done() const { return outcome == SaveOutcome::Saved || outcome == SaveOutcome::Unchanged; }
};

// Writes g_strTempStateFile back into its target unless its save is broken or it is unchanged.
// `plainStays`: the plain file will be written back once more (a language switch), so the record
// learns what the emulation file now holds. Tells the user of a broken save, of nothing else.
SaveResult SaveStateBack(SessionFiles& files, Desktop& desktop, const EmulatorEnd& end, bool plainStays);

// After a successful write-back: the plain file and the emulator's temporary file go, then the record.
void DiscardPlainState(SessionFiles& files);

// Moves a plain state file whose origin is unknown aside, never overwriting anything, and tells
// the user where it went. False when it could not be moved (the user has been told).
bool KeepUnknownPlainState(SessionFiles& files, Desktop& desktop);

}  // namespace emulator
