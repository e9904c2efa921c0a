#pragma once
// UTF-8 and UTF-16LE conversions of the text files, strict where it matters for telling
// encodings apart: overlong forms, surrogates and code points past U+10FFFF are invalid UTF-8.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace text {

struct Utf8Char {
    char32_t codePoint;  // U+FFFD when invalid
    std::size_t length;  // bytes consumed; for invalid input the longest valid-looking prefix, at least 1
    bool valid;
};

// Decodes the UTF-8 sequence that starts at `pos` (which must be inside `bytes`).
Utf8Char DecodeUtf8Char(std::string_view bytes, std::size_t pos);

bool IsValidUtf8(std::string_view bytes);

// Appends a code point as one or two UTF-16 code units.
void AppendUtf16(std::u16string& text, char32_t codePoint);

// Nothing when the text holds a lone surrogate, which UTF-8 cannot carry.
std::optional<std::string> EncodeUtf8(std::u16string_view text);

// Code units as little-endian byte pairs; any code unit, paired or not.
std::string EncodeUtf16Le(std::u16string_view text);

inline bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
inline bool IsLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

}  // namespace text
