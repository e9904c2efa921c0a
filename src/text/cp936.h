#pragma once
// Code page 936 (simplified Chinese), converted the way the Windows converter does it, so that
// a file reads here exactly as the system's own ANSI functions read it on a Chinese system.
//
// Decoding: bytes 0x00-0x7F are ASCII, 0x80 is U+20AC, 0x81-0xFE lead a two-byte character
// whose trail byte is 0x40-0x7E or 0x80-0xFE. Anything else is undefined and decodes as the
// system does: a lone lead byte, or a lead byte followed by 0x00, gives "?" and leaves the next
// byte alone; a lead byte followed by any other invalid trail gives "?" and consumes that byte
// too; 0xFF gives U+F8F5. Undefined input makes a decoding lossy.
//
// Encoding fails for any code unit that has no exact mapping (no best-fit substitutes), which
// includes all surrogates.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace text {

struct Cp936Char {
    char16_t unit;
    std::size_t length;  // bytes consumed, 1 or 2
    bool defined;
};

// Decodes the character that starts at `pos` (which must be inside `bytes`).
Cp936Char DecodeCp936Char(std::string_view bytes, std::size_t pos);

// Decodes a whole byte string; `lossless` (when given) says whether every sequence was defined.
std::u16string DecodeCp936(std::string_view bytes, bool* lossless = nullptr);

// Encodes a text, or nothing when some code unit has no mapping in the code page.
std::optional<std::string> EncodeCp936(std::u16string_view text);

}  // namespace text
