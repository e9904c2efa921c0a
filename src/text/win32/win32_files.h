#pragma once
// Whole-file reads and atomic whole-file replacement with the Windows file API.

#include <windows.h>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "framework/unique_handle.h"

namespace text::win32 {

// Paths of MAX_PATH characters or more get the "\\?\" prefix that lets the file API take them.
std::wstring ExtendedLengthPath(std::wstring_view path);

// Nothing when the file is missing, cannot be read or is larger than kMaxTextFileBytes.
std::optional<std::string> ReadFileBytes(std::wstring_view path);

// A new content for a file, written into a uniquely named file beside it and moved over it only
// at Commit, after it is on disk: the target holds either its old or its new content, whatever
// happens in between. Without a successful Commit the temporary file is removed; what earlier
// writers that were killed left beside the target is removed before anything is written.
class ReplacementWriter {
public:
    explicit ReplacementWriter(std::wstring_view target);  // see Ready()
    ~ReplacementWriter();
    ReplacementWriter(const ReplacementWriter&) = delete;
    ReplacementWriter& operator=(const ReplacementWriter&) = delete;

    bool Ready() const { return m_file != nullptr; }
    bool Write(const void* data, std::size_t size);
    // With `keepReplacedAs`, the replaced target takes that name in the same step where it can;
    // where it cannot, the target is replaced all the same.
    bool Commit(std::wstring_view keepReplacedAs = {});
    // The system's error code of the step that failed.
    DWORD Error() const { return m_error; }

private:
    bool Fail();

    std::wstring m_target;
    std::wstring m_temporary;
    framework::UniqueHandle m_file;
    bool m_created = false;
    bool m_committed = false;
    DWORD m_error = 0;
};

enum class KeepReplaced { OrReplaceAnyway, OrFail };

// Puts the file `replacement` in the place of `target` and, with `keepReplacedAs`, keeps the
// file it replaces under that name without a copy: a second name (a hard link) first, then the
// replace, so that the target is never missing; where the file system has no hard links, the
// system's replace renames it aside. A missing target is replaced as without. When the replaced
// file cannot be kept, OrReplaceAnyway replaces it all the same and OrFail changes nothing.
// ERROR_SUCCESS, or the system's error.
DWORD MoveIntoPlace(std::wstring_view replacement, std::wstring_view target, std::wstring_view keepReplacedAs,
                    KeepReplaced ifNotKept);

// A whole new content through a ReplacementWriter: ERROR_SUCCESS, or the error of the failed step.
DWORD ReplaceFileAtomically(std::wstring_view path, std::string_view content);

}  // namespace text::win32
