#include "text/cp936.h"

#include <array>
#include <cstdint>
#include <memory>

#include "text/cp936_table.h"

namespace text {
namespace {

constexpr char16_t kEuroSign = 0x20AC;
// The system maps 0xFF to this private-use code unit but calls the byte undefined.
constexpr char16_t kByteFFUnit = 0xF8F5;
constexpr char16_t kReplacement = u'?';

bool IsLeadByte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }

int TrailIndex(unsigned char byte) {
    if (byte >= 0x40 && byte <= 0x7E) return byte - 0x40;
    if (byte >= 0x80 && byte <= 0xFE) return byte - 0x80 + 0x3F;
    return -1;
}

unsigned char TrailByte(int index) {
    return static_cast<unsigned char>(index < 0x3F ? index + 0x40 : index - 0x3F + 0x80);
}

// Code unit -> bytes (high byte lead, low byte trail, or a single byte), 0 where unmapped.
using EncodeTable = std::array<std::uint16_t, 0x10000>;

std::unique_ptr<EncodeTable> BuildEncodeTable() {
    auto table = std::make_unique<EncodeTable>();
    table->fill(0);
    for (int lead = 0; lead < cp936::kLeadCount; ++lead) {
        for (int trail = 0; trail < cp936::kTrailCount; ++trail) {
            char16_t unit = cp936::kDoubleByteTable[lead][trail];
            if (unit != 0) {
                (*table)[unit] = static_cast<std::uint16_t>(((lead + cp936::kFirstLead) << 8) | TrailByte(trail));
            }
        }
    }
    (*table)[kEuroSign] = 0x80;
    (*table)[kByteFFUnit] = 0xFF;
    return table;
}

const EncodeTable& Encoder() {
    static const std::unique_ptr<EncodeTable> table = BuildEncodeTable();
    return *table;
}

}  // namespace

Cp936Char DecodeCp936Char(std::string_view bytes, std::size_t pos) {
    auto byte = static_cast<unsigned char>(bytes[pos]);
    if (byte < 0x80) return {byte, 1, true};
    if (byte == 0x80) return {kEuroSign, 1, true};
    if (!IsLeadByte(byte)) return {kByteFFUnit, 1, false};
    if (pos + 1 >= bytes.size() || bytes[pos + 1] == '\0') return {kReplacement, 1, false};
    int trail = TrailIndex(static_cast<unsigned char>(bytes[pos + 1]));
    char16_t unit = trail < 0 ? 0 : cp936::kDoubleByteTable[byte - cp936::kFirstLead][trail];
    if (unit == 0) return {kReplacement, 2, false};
    return {unit, 2, true};
}

std::u16string DecodeCp936(std::string_view bytes, bool* lossless) {
    std::u16string text;
    text.reserve(bytes.size());
    bool allDefined = true;
    for (std::size_t pos = 0; pos < bytes.size();) {
        Cp936Char decoded = DecodeCp936Char(bytes, pos);
        text.push_back(decoded.unit);
        allDefined = allDefined && decoded.defined;
        pos += decoded.length;
    }
    if (lossless != nullptr) *lossless = allDefined;
    return text;
}

std::optional<std::string> EncodeCp936(std::u16string_view text) {
    const EncodeTable& table = Encoder();
    std::string bytes;
    bytes.reserve(text.size() * 2);
    for (char16_t unit : text) {
        if (unit < 0x80) {
            bytes.push_back(static_cast<char>(unit));
            continue;
        }
        std::uint16_t mapped = table[unit];
        if (mapped == 0) return std::nullopt;
        if (mapped > 0xFF) bytes.push_back(static_cast<char>(mapped >> 8));
        bytes.push_back(static_cast<char>(mapped & 0xFF));
    }
    return bytes;
}

}  // namespace text
