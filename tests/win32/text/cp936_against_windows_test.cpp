// Our code page 936 converter against the system's, for every one- and two-byte sequence and
// every UTF-16 code unit.
#include <windows.h>

#include <gtest/gtest.h>

#include <sstream>

#include "text/cp936.h"

namespace text {
namespace {

constexpr UINT kCodePage = 936;

struct Decoding {
    std::u16string text;
    bool lossless;
    bool operator==(const Decoding&) const = default;
};

Decoding WindowsDecode(const std::string& bytes) {
    wchar_t out[8];
    int length = MultiByteToWideChar(kCodePage, 0, bytes.data(), static_cast<int>(bytes.size()), out, 8);
    bool strict = MultiByteToWideChar(kCodePage, MB_ERR_INVALID_CHARS, bytes.data(), static_cast<int>(bytes.size()),
                                      nullptr, 0) != 0;
    return {std::u16string(out, out + length), strict};
}

Decoding OurDecode(const std::string& bytes) {
    Decoding result{};
    result.text = DecodeCp936(bytes, &result.lossless);
    return result;
}

std::string Hex(const std::string& bytes) {
    std::ostringstream out;
    for (char byte : bytes) out << std::hex << (static_cast<unsigned>(byte) & 0xFF) << ' ';
    return out.str();
}

TEST(Cp936AgainstWindows, DecodesEverySequenceOfOneOrTwoBytesAlike) {
    std::vector<std::string> sequences;
    for (int first = 0; first < 256; ++first) {
        sequences.push_back(std::string(1, static_cast<char>(first)));
        if (first < 0x81 || first == 0xFF) continue;
        for (int second = 0; second < 256; ++second) {
            sequences.push_back({static_cast<char>(first), static_cast<char>(second)});
        }
    }
    int mismatches = 0;
    for (const std::string& bytes : sequences) {
        Decoding windows = WindowsDecode(bytes);
        if (OurDecode(bytes) == windows) continue;
        if (++mismatches <= 10) ADD_FAILURE() << "bytes " << Hex(bytes);
    }
    EXPECT_EQ(mismatches, 0) << "of " << sequences.size();
}

TEST(Cp936AgainstWindows, EncodesEveryCodeUnitAlikeWithoutBestFit) {
    int mismatches = 0;
    for (int unit = 0; unit <= 0xFFFF; ++unit) {
        wchar_t in = static_cast<wchar_t>(unit);
        char out[8];
        BOOL usedDefault = FALSE;
        int length = WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, &in, 1, out, 8, nullptr, &usedDefault);
        std::optional<std::string> windows;
        if (!usedDefault) windows = std::string(out, length);
        if (EncodeCp936(std::u16string(1, static_cast<char16_t>(unit))) == windows) continue;
        if (++mismatches <= 10) ADD_FAILURE() << "unit " << std::hex << unit;
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(Cp936AgainstWindows, RefusesCharactersBeyondTheBasicPlaneLikeWindows) {
    const wchar_t pair[] = L"\U0001F600";
    char out[8];
    BOOL usedDefault = FALSE;
    WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, pair, 2, out, 8, nullptr, &usedDefault);
    EXPECT_TRUE(usedDefault);
    EXPECT_FALSE(EncodeCp936(u"\U0001F600").has_value());
}

}  // namespace
}  // namespace text
