#pragma once
// Copying a file through the scrambler, in both directions of the session.

#include <string>
#include <string_view>

#include "emulator/desktop.h"
#include "emulator/session_files.h"
#include "emulator/state_digest.h"

namespace emulator {

struct CopyResult {
    // SourceOpen is the expected failure while another process holds the source; the others are faults.
    enum class Failed { Nothing, SourceOpen, SourceRead, Target };
    Failed failed = Failed::Nothing;
    FileError error;

    bool Ok() const { return failed == Failed::Nothing; }
    // The path whose failure it was, for telling the user.
    std::u16string_view FailedPath(std::u16string_view source, std::u16string_view target) const
    {
        return failed == Failed::Target ? target : source;
    }
};

struct CopyOptions {
    std::u16string_view keepReplacedAs;       // where the replaced target goes (ReplacementFile::Commit)
    StateDigester* digestOfSource = nullptr;  // fed every byte as it is read
    StateDigester* digestOfTarget = nullptr;  // fed every byte as it is written
};

// Streams source through the scrambler into a replacement of target, so memory stays bounded
// whatever the size and the target is either its old complete content or the new one. The
// source is held open with no sharing until the target is in place.
CopyResult ScrambledCopy(SessionFiles& files, std::u16string_view source, std::u16string_view target,
                         const CopyOptions& options = {});

// The digest of a file's content, read as a copy reads it; nothing when it cannot be read whole
// (`failure` then says why, as a copy's source failure).
std::optional<StateDigest> DigestOfFile(SessionFiles& files, std::u16string_view path, CopyResult& failure);

enum class CopyDirection { Unpack, WriteBack };

// Unpack goes into g_strTempStateFile and tells the user of a failure (a missing source by the
// language text IDS_PCKovrin_FileNoFind, a target that cannot be written by the file-error
// message). Write-back goes into g_strLaunchedEmulationFile and tells nothing: callers decide.
CopyResult XorFileCopy(SessionFiles& files, Desktop& desktop, std::u16string_view source, CopyDirection direction,
                       const CopyOptions& options = {});

// Tells the user why an unpack from source into target failed, as XorFileCopy does.
void ReportUnpackFailure(Desktop& desktop, const CopyResult& result, std::u16string_view source, std::u16string_view target);

}  // namespace emulator
