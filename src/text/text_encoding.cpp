#include "text/text_encoding.h"

#include "text/cp936.h"
#include "text/utf.h"

namespace text {
namespace {

constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

bool HasNonAscii(std::string_view bytes) {
    for (char byte : bytes) {
        if (static_cast<unsigned char>(byte) >= 0x80) return true;
    }
    return false;
}

std::string_view ByteOrderMark(FileEncoding encoding) {
    switch (encoding) {
        case FileEncoding::Utf16Le: return kUtf16LeMark;
        case FileEncoding::Utf8Bom: return kUtf8Mark;
        default: return {};
    }
}

// Offsets cost eight bytes per code unit: only writers need them, so readers of large files
// go without.
void DecodeUtf16Le(std::string_view bytes, std::size_t start, DecodedText& out, bool withOffsets) {
    std::size_t pos = start;
    for (; pos + 1 < bytes.size(); pos += 2) {
        if (withOffsets) out.offsets.push_back(pos);
        out.text.push_back(static_cast<char16_t>(static_cast<unsigned char>(bytes[pos]) |
                                                 (static_cast<unsigned char>(bytes[pos + 1]) << 8)));
    }
    if (pos < bytes.size()) {  // an odd byte left over: the file was cut short
        if (withOffsets) out.offsets.push_back(pos);
        out.text.push_back(u'\xFFFD');
        out.lossless = false;
    }
}

// Plain ASCII, the bulk of most files, taken a run at a time; returns the end of the run.
std::size_t DecodeAsciiRun(std::string_view bytes, std::size_t pos, DecodedText& out, bool withOffsets) {
    std::size_t end = pos;
    while (end < bytes.size() && static_cast<unsigned char>(bytes[end]) < 0x80) ++end;
    std::size_t first = out.text.size();
    out.text.resize(first + (end - pos));
    for (std::size_t i = pos; i < end; ++i) out.text[first + (i - pos)] = static_cast<char16_t>(bytes[i]);
    if (withOffsets) {
        for (std::size_t i = pos; i < end; ++i) out.offsets.push_back(i);
    }
    return end;
}

void DecodeUtf8(std::string_view bytes, std::size_t start, DecodedText& out, bool withOffsets) {
    for (std::size_t pos = start; pos < bytes.size();) {
        if (static_cast<unsigned char>(bytes[pos]) < 0x80) {
            pos = DecodeAsciiRun(bytes, pos, out, withOffsets);
            continue;
        }
        Utf8Char decoded = DecodeUtf8Char(bytes, pos);
        std::size_t before = out.text.size();
        AppendUtf16(out.text, decoded.codePoint);
        if (withOffsets) out.offsets.insert(out.offsets.end(), out.text.size() - before, pos);
        out.lossless = out.lossless && decoded.valid;
        pos += decoded.length;
    }
}

void DecodeCp936Bytes(std::string_view bytes, DecodedText& out, bool withOffsets) {
    for (std::size_t pos = 0; pos < bytes.size();) {
        if (static_cast<unsigned char>(bytes[pos]) < 0x80) {
            pos = DecodeAsciiRun(bytes, pos, out, withOffsets);
            continue;
        }
        Cp936Char decoded = DecodeCp936Char(bytes, pos);
        if (withOffsets) out.offsets.push_back(pos);
        out.text.push_back(decoded.unit);
        out.lossless = out.lossless && decoded.defined;
        pos += decoded.length;
    }
}

}  // namespace

FileEncoding DetectFileEncoding(std::string_view bytes) {
    if (bytes.starts_with(kUtf16LeMark)) return FileEncoding::Utf16Le;
    if (bytes.starts_with(kUtf8Mark)) return FileEncoding::Utf8Bom;
    if (HasNonAscii(bytes) && IsValidUtf8(bytes)) return FileEncoding::Utf8;
    return FileEncoding::Cp936;
}

namespace {

DecodedText Decode(std::string_view bytes, bool withOffsets) {
    DecodedText out;
    out.encoding = DetectFileEncoding(bytes);
    std::size_t start = ByteOrderMark(out.encoding).size();
    out.text.reserve(out.encoding == FileEncoding::Utf16Le ? (bytes.size() - start) / 2 + 1 : bytes.size());
    if (withOffsets) out.offsets.reserve(bytes.size() + 1);
    switch (out.encoding) {
        case FileEncoding::Utf16Le: DecodeUtf16Le(bytes, start, out, withOffsets); break;
        case FileEncoding::Utf8Bom:
        case FileEncoding::Utf8: DecodeUtf8(bytes, start, out, withOffsets); break;
        case FileEncoding::Cp936: DecodeCp936Bytes(bytes, out, withOffsets); break;
    }
    if (withOffsets) out.offsets.push_back(bytes.size());
    return out;
}

}  // namespace

DecodedText DecodeFileText(std::string_view bytes) { return Decode(bytes, true); }

std::u16string DecodeFile(std::string_view bytes) { return std::move(Decode(bytes, false).text); }

std::optional<Bytes> EncodeFragment(std::u16string_view text, FileEncoding encoding) {
    switch (encoding) {
        case FileEncoding::Utf16Le: return EncodeUtf16Le(text);
        case FileEncoding::Utf8Bom:
        case FileEncoding::Utf8: return EncodeUtf8(text);
        case FileEncoding::Cp936: return EncodeCp936(text);
    }
    return std::nullopt;
}

std::optional<Bytes> EncodeFile(std::u16string_view text, FileEncoding encoding) {
    std::optional<Bytes> body = EncodeFragment(text, encoding);
    if (!body) return std::nullopt;
    return Bytes(ByteOrderMark(encoding)) + *body;
}

}  // namespace text
