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
    bool Commit();
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

// A whole new content through a ReplacementWriter: ERROR_SUCCESS, or the error of the failed step.
DWORD ReplaceFileAtomically(std::wstring_view path, std::string_view content);

}  // namespace text::win32
