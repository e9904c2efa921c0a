#pragma once
// How the text files (language files, setting.ini) are told apart and decoded.
//
// Rule, in this order:
//   1. a UTF-16LE byte-order mark (FF FE)     -> UTF-16LE;
//   2. a UTF-8 byte-order mark (EF BB BF)     -> UTF-8;
//   3. valid UTF-8 with at least one non-ASCII character -> UTF-8;
//   4. anything else                          -> code page 936, whatever the system locale.
// Both built-in language files are code page 936 and must read the same on a system of any
// locale; their non-ASCII text is never valid UTF-8. A file of plain ASCII reads the same in
// every one of these, and counts as code page 936 so that writing non-ASCII text into a new or
// ASCII-only file produces what the system's ANSI functions read on a Chinese system.
//
// Writing keeps a file's own encoding; see ini_profile.h for when a file is converted.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "text/text_platform.h"

namespace text {

enum class FileEncoding { Utf16Le, Utf8Bom, Utf8, Cp936 };

FileEncoding DetectFileEncoding(std::string_view bytes);

struct DecodedText {
    FileEncoding encoding = FileEncoding::Cp936;
    std::u16string text;  // without the byte-order mark
    // Byte offset at which each code unit's source starts; one more entry for the end of the
    // bytes. Both halves of a surrogate pair decoded from UTF-8 share one offset.
    std::vector<std::size_t> offsets;
    bool lossless = true;  // false when some bytes were undefined and replaced
};

DecodedText DecodeFileText(std::string_view bytes);

// The text alone, by the rule above, without the offsets that would cost eight bytes per code
// unit: what readers of large files need.
std::u16string DecodeFile(std::string_view bytes);

// A piece of text as it stands inside a file of that encoding (no byte-order mark); nothing
// when the encoding cannot carry some character.
std::optional<Bytes> EncodeFragment(std::u16string_view text, FileEncoding encoding);

// A whole file: the byte-order mark of the encoding, if it has one, then the text.
std::optional<Bytes> EncodeFile(std::u16string_view text, FileEncoding encoding);

}  // namespace text
