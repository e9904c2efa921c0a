#pragma once
// The file operations the emulator session needs, kept narrow so the session's decisions build
// and are tested without <windows.h>.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace emulator {

struct FileError {
    enum class Kind { None, NotFound, InUse, AccessDenied, DiskFull, Other };
    Kind kind = Kind::None;
    std::uint32_t systemCode = 0;  // the platform's own error number, for the message text

    explicit operator bool() const { return kind != Kind::None; }
};

// The place itself refuses the write: no right to write there, or a write-protected medium.
// Another place may take it; a full disk or a held file would fail there too, or soon pass.
inline bool MayNotWriteThere(const FileError& error) { return error.kind == FileError::Kind::AccessDenied; }

// A moment on the user's clock, as a user reads it in a file's name.
struct LocalTime {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    auto operator<=>(const LocalTime&) const = default;
};

// What the file system knows of a file without reading it.
struct FileFacts {
    std::uint64_t size = 0;
    // Its last write as the file system counts it: a write changes it, so equal stamps and sizes
    // mean the file was very likely not written in between (a digest tells for sure).
    std::uint64_t stamp = 0;
    LocalTime lastWrite;  // the same moment on the user's clock
    bool operator==(const FileFacts& other) const { return size == other.size && stamp == other.stamp; }
};

class InputFile {
public:
    virtual ~InputFile() = default;
    // Reads up to buffer.size() bytes; 0 at the end of the file; nothing on a read error.
    virtual std::optional<std::size_t> Read(std::span<std::byte> buffer, FileError& error) = 0;
};

// A new file content written beside its target. The target changes only at Commit, which puts
// the complete new file in its place in one step; dropping the object without Commit leaves the
// target as it was and removes what was written.
class ReplacementFile {
public:
    virtual ~ReplacementFile() = default;
    virtual bool Write(std::span<const std::byte> data, FileError& error) = 0;
    // With `keepReplacedAs`, the file it replaces stays under that name, without a copy: the
    // name is given first, then the target replaced. Where it cannot be kept so, the target is
    // replaced all the same and it goes.
    virtual bool Commit(std::u16string_view keepReplacedAs, FileError& error) = 0;
};

class SessionFiles {
public:
    virtual ~SessionFiles() = default;

    // Opens for reading with no sharing: fails while another process has the file open.
    virtual std::unique_ptr<InputFile> OpenExclusive(std::u16string_view path, FileError& error) = 0;
    // Also removes what earlier writers of `target` that were killed left beside it.
    virtual std::unique_ptr<ReplacementFile> CreateReplacement(std::u16string_view target, FileError& error) = 0;
    // Removes the files beside `target` that replacements by programs no longer running left
    // when they were killed; never a file another running program may still be writing.
    virtual void RemoveLeftoverReplacements(std::u16string_view target) = 0;

    virtual bool FileExists(std::u16string_view path) = 0;       // a file or directory is there
    virtual bool DirectoryExists(std::u16string_view path) = 0;  // a directory is there
    virtual void MakeDirectory(std::u16string_view path) = 0;  // failure ignored
    virtual bool RemoveFile(std::u16string_view path) = 0;
    virtual bool RenameFile(std::u16string_view from, std::u16string_view to, FileError& error) = 0;
    // Puts `replacement` in the place of `target` and keeps `target` under `keepReplacedAs`, as a
    // replacement's Commit does; but where it cannot be kept, nothing changes. A missing target is
    // no failure.
    virtual bool ReplaceKeeping(std::u16string_view target, std::u16string_view replacement,
                                std::u16string_view keepReplacedAs, FileError& error) = 0;
    // Nothing for a directory or a missing file.
    virtual std::optional<FileFacts> Facts(std::u16string_view path) = 0;
    // The names of the files (not directories) directly in `folder`.
    virtual std::vector<std::u16string> FileNamesIn(std::u16string_view folder) = 0;
    // The absolute form of a path, resolved against the current directory.
    virtual std::u16string FullPath(std::u16string_view path) = 0;
    // The user's local application data folder; empty when the system names none.
    virtual std::u16string LocalAppDataFolder() = 0;

    // Small whole-file reads and writes, for the session record.
    virtual std::optional<std::string> ReadSmallFile(std::u16string_view path) = 0;
    // Writes the hidden language flag file: opened if it exists (it is hidden, and must not be
    // recreated), else created; afterwards it holds exactly `content` and is marked hidden.
    virtual bool WriteHiddenFile(std::u16string_view path, std::string_view content, FileError& error) = 0;
};

}  // namespace emulator
