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
    virtual bool Commit(FileError& error) = 0;
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
