#include "text/utf.h"

namespace text {
namespace {

constexpr char32_t kReplacementCharacter = 0xFFFD;

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// The allowed range of the second byte depends on the lead byte; this is what rules out
// overlong forms, surrogates and values above U+10FFFF.
bool SecondByteAllowed(unsigned char lead, unsigned char second) {
    switch (lead) {
        case 0xE0: return second >= 0xA0 && second <= 0xBF;
        case 0xED: return second >= 0x80 && second <= 0x9F;
        case 0xF0: return second >= 0x90 && second <= 0xBF;
        case 0xF4: return second >= 0x80 && second <= 0x8F;
        default: return IsContinuation(second);
    }
}

std::size_t SequenceLength(unsigned char lead) {
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

}  // namespace

Utf8Char DecodeUtf8Char(std::string_view bytes, std::size_t pos) {
    auto lead = static_cast<unsigned char>(bytes[pos]);
    if (lead < 0x80) return {lead, 1, true};
    std::size_t length = SequenceLength(lead);
    if (length == 0) return {kReplacementCharacter, 1, false};
    char32_t codePoint = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if (pos + i >= bytes.size()) return {kReplacementCharacter, i, false};
        auto byte = static_cast<unsigned char>(bytes[pos + i]);
        bool allowed = i == 1 ? SecondByteAllowed(lead, byte) : IsContinuation(byte);
        if (!allowed) return {kReplacementCharacter, i, false};
        codePoint = (codePoint << 6) | (byte & 0x3F);
    }
    return {codePoint, length, true};
}

bool IsValidUtf8(std::string_view bytes) {
    for (std::size_t pos = 0; pos < bytes.size();) {
        Utf8Char decoded = DecodeUtf8Char(bytes, pos);
        if (!decoded.valid) return false;
        pos += decoded.length;
    }
    return true;
}

void AppendUtf16(std::u16string& text, char32_t codePoint) {
    if (codePoint < 0x10000) {
        text.push_back(static_cast<char16_t>(codePoint));
        return;
    }
    codePoint -= 0x10000;
    text.push_back(static_cast<char16_t>(0xD800 + (codePoint >> 10)));
    text.push_back(static_cast<char16_t>(0xDC00 + (codePoint & 0x3FF)));
}

std::optional<std::string> EncodeUtf8(std::u16string_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t codePoint = text[i];
        if (IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
            codePoint = 0x10000 + ((codePoint - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (IsHighSurrogate(text[i]) || IsLowSurrogate(text[i])) {
            return std::nullopt;
        }
        if (codePoint < 0x80) {
            bytes.push_back(static_cast<char>(codePoint));
        } else if (codePoint < 0x800) {
            bytes.push_back(static_cast<char>(0xC0 | (codePoint >> 6)));
            bytes.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
        } else if (codePoint < 0x10000) {
            bytes.push_back(static_cast<char>(0xE0 | (codePoint >> 12)));
            bytes.push_back(static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)));
            bytes.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
        } else {
            bytes.push_back(static_cast<char>(0xF0 | (codePoint >> 18)));
            bytes.push_back(static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F)));
            bytes.push_back(static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)));
            bytes.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
        }
    }
    return bytes;
}

std::string EncodeUtf16Le(std::u16string_view text) {
    std::string bytes;
    bytes.reserve(text.size() * 2);
    for (char16_t unit : text) {
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>(unit >> 8));
    }
    return bytes;
}

}  // namespace text
