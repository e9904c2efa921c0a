#include <gtest/gtest.h>

#include "text/cp936.h"

namespace text {
namespace {

struct DecodeCase {
    const char* bytes;
    std::size_t size;
    std::u16string expected;
    bool lossless;
};

TEST(Cp936Decode, FollowsTheSystemConverterAtTheEdgesOfTheCodePage) {
    const DecodeCase cases[] = {
        {"\x80", 1, u"\u20AC", true},                 // euro sign, a single byte here
        {"\xFF", 1, u"\uF8F5", false},                // undefined, but mapped like the system does
        {"\xD6\xD0\xCE\xC4", 4, u"中文", true},
        {"\xA1\xA4\xA1\xAA", 4, u"\u00B7\u2014", true},  // where code page 936 differs from GB 18030
        {"\xAA\xA1\xFE\xFE\xA1\x40", 6, u"\uE000\uE4C5\uE4C6", true},  // user-defined areas
        {"\x81", 1, u"?", false},                     // lead byte at the end
        {"\x81\x00" "A", 3, std::u16string(u"?\0A", 3), false},  // NUL is never a trail byte
        {"\x81\x0A" "A", 3, u"?A", false},            // an invalid trail is swallowed, as the system does
        {"\x81\x7F" "A", 3, u"?A", false},
        {"\x81\xFF" "A", 3, u"?A", false},
    };
    for (const DecodeCase& c : cases) {
        bool lossless = !c.lossless;
        EXPECT_EQ(DecodeCp936({c.bytes, c.size}, &lossless), c.expected) << c.bytes;
        EXPECT_EQ(lossless, c.lossless) << c.bytes;
    }
}

TEST(Cp936Encode, FailsForEveryCharacterWithoutAnExactMapping) {
    EXPECT_EQ(EncodeCp936(u"Language=中文\r\n"), "Language=\xD6\xD0\xCE\xC4\r\n");
    EXPECT_EQ(EncodeCp936(u"\u20AC\uF8F5"), "\x80\xFF");
    EXPECT_EQ(EncodeCp936(u""), "");
    EXPECT_EQ(EncodeCp936(u"日本語ー"), "\xC8\xD5\xB1\xBE\xD5\x5A\xA9\x60");
    for (std::u16string_view text : {u"Français", u"한국어", u"😀", u"\xD800", u"\xDC00", u"\uFFFD"}) {
        EXPECT_FALSE(EncodeCp936(text).has_value());
    }
}

TEST(Cp936Encode, EveryDefinedDoubleByteCharacterRoundTrips) {
    int defined = 0;
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            const char pair[2] = {static_cast<char>(lead), static_cast<char>(trail)};
            bool lossless = false;
            std::u16string text = DecodeCp936({pair, 2}, &lossless);
            if (!lossless) continue;
            ++defined;
            ASSERT_EQ(text.size(), 1u);
            ASSERT_EQ(EncodeCp936(text), std::string(pair, 2)) << lead << " " << trail;
        }
    }
    EXPECT_EQ(defined, 126 * 190);
}

}  // namespace
}  // namespace text
