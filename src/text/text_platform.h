#pragma once
// What the text subsystem needs from the operating system, kept narrow so that the
// subsystem builds and is tested without <windows.h>.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace text {

// Raw file content; 8-bit or UTF-16 bytes exactly as on disk.
using Bytes = std::string;

// Text files larger than this are not read: no language file or setting.ini comes near it, and
// refusing them keeps a stray file from exhausting memory.
inline constexpr std::uint64_t kMaxTextFileBytes = 64ull * 1024 * 1024;

struct DirectoryEntry {
    std::u16string name;  // file name only, no directory part
    bool isDirectory = false;
};

// What a file looks like on disk without reading it; a change of content changes it.
struct FileStamp {
    std::uint64_t size = 0;
    std::uint64_t lastWriteTime = 0;  // in the system's own units
    bool operator==(const FileStamp&) const = default;
};

// The outcome of a write: done, or the system's reason for the failure in its own words.
struct WriteResult {
    bool done = false;
    std::u16string reason;

    static WriteResult Done() { return {true, {}}; }
    static WriteResult Failed(std::u16string reason) { return {false, std::move(reason)}; }
    explicit operator bool() const { return done; }
};

class TextPlatform {
public:
    virtual ~TextPlatform() = default;

    // Full path of the running program file, with backslashes.
    virtual std::u16string ModuleFileName() = 0;
    // The system's default language identifier (primary language in the low 10 bits).
    virtual std::uint16_t SystemDefaultLangId() = 0;
    // Entries matching a wildcard pattern such as "C:\\App\\Language\\*.ini", in the order the
    // file system lists them, "." and ".." included where the system reports them.
    virtual std::vector<DirectoryEntry> FindFiles(std::u16string_view pattern) = 0;
    // The whole file, or nothing when it is missing, a directory, larger than kMaxTextFileBytes,
    // or cannot be read.
    virtual std::optional<Bytes> ReadWholeFile(std::u16string_view path) = 0;
    // Size and last-write time of a file, without opening it for reading (a file that another
    // program holds still has one); nothing when there is no file (a directory included).
    virtual std::optional<FileStamp> StampOf(std::u16string_view path) = 0;
    // Why an existing file cannot be read just now, in the system's words; empty when it can.
    virtual std::u16string WhyUnreadable(std::u16string_view path) = 0;
    // Whether anything (file or directory) exists at the path, readable or not.
    virtual bool PathExists(std::u16string_view path) = 0;
    // Writes a complete new file content: beside the target first, then replaces it, so the
    // target is either the old file or the new one, never a part.
    virtual WriteResult ReplaceFileContent(std::u16string_view path, std::string_view content) = 0;
    // Removes what earlier writers of `path` that no longer run left beside it: the files a
    // ReplaceFileContent writes first and had not put in place when its program was killed.
    virtual void RemoveLeftoverReplacements(std::u16string_view path) = 0;
    // Creates one directory; fails when it could not be created (an existing one included).
    // Not called CreateDirectory: <windows.h> defines that name as a macro.
    virtual WriteResult MakeDirectory(std::u16string_view path) = 0;
    // A resource of type "OWNER_DATA" of the program itself, or nothing when it is missing.
    virtual std::optional<Bytes> LoadOwnerData(int resourceId) = 0;
    // Waits on the calling thread, for brief retries of a file another program holds.
    virtual void Sleep(unsigned milliseconds) = 0;
    // A message box with an OK button, captioned with the program's title.
    virtual void TellUser(std::u16string_view text) = 0;
};

}  // namespace text
