#pragma once
// The record beside the plain state file of the emulation file it came from. It is written
// before an unpack and removed after the plain file, so whenever a plain file exists its record
// tells where it belongs, even when the program that unpacked it did not live to write it back.
// It also remembers what the emulation file holds, so that a session that changed nothing
// writes nothing, and whether the emulator's save failed, so that such a state never goes back.

#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "emulator/session_files.h"
#include "emulator/state_digest.h"

namespace emulator {

// The plain state as the emulation file holds it: as unpacked, or as last written back.
struct StateFingerprint {
    StateDigest digest{};
    FileFacts facts;  // the plain file's size and stamp then
};

struct SessionRecord {
    SessionRecord() = default;
    explicit SessionRecord(std::u16string emulationFile, std::optional<StateFingerprint> fingerprint = std::nullopt)
        : target(std::move(emulationFile)), saved(std::move(fingerprint))
    {
    }

    std::u16string target;  // the emulation file, a full path
    std::optional<StateFingerprint> saved;
    bool suspect = false;  // the emulator's save failed: what the plain file holds may be torn
};

bool WriteSessionRecord(SessionFiles& files, const SessionRecord& record, FileError& error);
// Nothing when there is no record, or when its target is what this program never records:
// anything but a full path, or one of the session's own files.
std::optional<SessionRecord> ReadSessionRecord(SessionFiles& files);
void DeleteSessionRecord(SessionFiles& files);

}  // namespace emulator
