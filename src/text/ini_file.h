#pragma once
// INI values of files on disk, read and written through the platform (see ini_profile.h).
// Not named after the system's profile functions: <windows.h> defines WriteProfileString as a macro.

#include <cstddef>
#include <string>
#include <string_view>

#include "text/text_platform.h"

namespace text {

// The value, or `defaultValue` when the file, section or key is missing; cut to bufferChars - 1.
std::u16string ReadIniString(TextPlatform& platform, std::u16string_view path, std::u16string_view section,
                                 std::u16string_view key, std::u16string_view defaultValue,
                                 std::size_t bufferChars);

// Sets the value, creating the file, section or key as needed; the file is replaced whole, so
// it is never left half written. Fails when the value cannot be stored, the file exists but
// cannot be read (its other lines would be lost), or it cannot be written.
WriteResult WriteIniString(TextPlatform& platform, std::u16string_view path, std::u16string_view section,
                        std::u16string_view key, std::u16string_view value);

}  // namespace text
