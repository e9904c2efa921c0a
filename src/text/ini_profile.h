#pragma once
// Reading and writing one value of an INI file, as pure functions over the file's bytes, with
// the semantics of the system's profile functions (see ini_syntax.h for the line structure):
// section and key names ignore case, the first matching section and the first matching key in
// it win, and a missing section or key, or a key line without '=', yields the default.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "text/text_platform.h"

namespace text {

// The value, or `defaultValue` when the section or key is missing; either cut to
// `bufferChars` - 1 code units (nothing for 0), never between the halves of a surrogate pair.
std::u16string GetProfileValue(std::string_view fileBytes, std::u16string_view section, std::u16string_view key,
                               std::u16string_view defaultValue, std::size_t bufferChars);

// A value as a buffer of `bufferChars` code units holds it: cut to bufferChars - 1 (nothing
// for 0), never between the halves of a surrogate pair.
std::u16string CutToBuffer(std::u16string_view value, std::size_t bufferChars);

// The complete new file content with `key` in `section` set to `value`.
//
// An existing value is replaced in place (the line's bytes up to its '=' and its terminator
// stay; a key line without '=' gets "=value" appended); a new key goes after the last non-blank
// line of its section, for the section "" among the lines before the first header (first in
// the file when there are none); a new section goes at the end. New lines end in CR LF. Every
// other byte stays as it was, and the file keeps its encoding (an empty file is code page 936).
// A value that the reader would trim or unquote is written in double quotes.
//
// If the spliced bytes would not read as the intended text (a character the encoding lacks, or
// new bytes that change how the file is told apart, such as code page 936 bytes that pass for
// UTF-8), the whole file is converted to UTF-8 with a byte-order mark, or to UTF-16LE when the
// text holds a lone surrogate; the text of every other line is kept, while undefined bytes of
// the old file are then lost.
//
// Nothing when no file can hold it: a CR, LF or NUL in any of the three, or a key that holds
// '=' or begins with '['. A blank key is written as a line "=value".
std::optional<Bytes> SetProfileValue(std::string_view fileBytes, std::u16string_view section,
                                     std::u16string_view key, std::u16string_view value);

}  // namespace text
