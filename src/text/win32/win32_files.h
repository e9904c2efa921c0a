#pragma once
// Whole-file reads and atomic whole-file replacement with the Windows file API.

#include <optional>
#include <string>
#include <string_view>

namespace text::win32 {

// Paths of MAX_PATH characters or more get the "\\?\" prefix that lets the file API take them.
std::wstring ExtendedLengthPath(std::wstring_view path);

std::optional<std::string> ReadFileBytes(std::wstring_view path);

// Writes a uniquely named file beside the target, flushes it, then moves it over the target,
// so that the target holds either its old or its new content. The temporary file is removed
// when any step fails.
bool ReplaceFileAtomically(std::wstring_view path, std::string_view content);

}  // namespace text::win32
