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
    // The whole file, or nothing when it is missing, a directory, or cannot be read.
    virtual std::optional<Bytes> ReadWholeFile(std::u16string_view path) = 0;
    // Whether anything (file or directory) exists at the path, readable or not.
    virtual bool PathExists(std::u16string_view path) = 0;
    // Writes a complete new file content: beside the target first, then replaces it, so the
    // target is either the old file or the new one, never a part. False when that failed.
    virtual bool ReplaceFileContent(std::u16string_view path, std::string_view content) = 0;
    // Removes what earlier writers of `path` that no longer run left beside it: the files a
    // ReplaceFileContent writes first and had not put in place when its program was killed.
    virtual void RemoveLeftoverReplacements(std::u16string_view path) = 0;
    // Creates one directory; false when it could not be created (an existing one included).
    // Not called CreateDirectory: <windows.h> defines that name as a macro.
    virtual bool MakeDirectory(std::u16string_view path) = 0;
    // A resource of type "OWNER_DATA" of the program itself, or nothing when it is missing.
    virtual std::optional<Bytes> LoadOwnerData(int resourceId) = 0;
};

}  // namespace text
