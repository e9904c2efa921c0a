#include <gtest/gtest.h>

#include "text/ini_profile.h"

namespace text {
namespace {

std::u16string Get(std::string_view file, std::u16string_view section, std::u16string_view key,
                   std::size_t buffer = 1000) {
    return GetProfileValue(file, section, key, u"<default>", buffer);
}

TEST(GetProfileValue, TrimsBlanksAndStripsOneMatchingPairOfQuotes) {
    const char* file =
        "[S]\r\n"
        "  plain   =  some value \t\r\n"
        "double=\"  padded  \"\r\n"
        "single='x'\r\n"
        "mixed=\"x'\r\n"
        "one=\"\r\n"
        "nested=\"\"x\"\"\r\n"
        "empty=\r\n"
        "twoequals=a=b\r\n"
        "crs=v\r\r\n"
        "lf_only=w\n";
    EXPECT_EQ(Get(file, u"S", u"plain"), u"some value");
    EXPECT_EQ(Get(file, u"S", u"double"), u"  padded  ");
    EXPECT_EQ(Get(file, u"S", u"single"), u"x");
    EXPECT_EQ(Get(file, u"S", u"mixed"), u"\"x'");
    EXPECT_EQ(Get(file, u"S", u"one"), u"\"");
    EXPECT_EQ(Get(file, u"S", u"nested"), u"\"x\"");
    EXPECT_EQ(Get(file, u"S", u"empty"), u"");
    EXPECT_EQ(Get(file, u"S", u"twoequals"), u"a=b");
    EXPECT_EQ(Get(file, u"S", u"crs"), u"v");
    EXPECT_EQ(Get(file, u"S", u"lf_only"), u"w");
}

TEST(GetProfileValue, NamesIgnoreCaseInSeveralScripts) {
    const char* file =
        "\xEF\xBB\xBF[ Setting ]\r\n"
        "LANGUAGE=English\r\n"
        "[\xC3\x89T\xC3\x89]\r\n"        // ÉTÉ
        "\xCE\xA3\xCE\x99=greek\r\n"     // ΣΙ
        "\xD0\x9A\xD0\x9B\xD0\xAE\xD0\xA7=cyrillic\r\n";  // КЛЮЧ
    EXPECT_EQ(Get(file, u"setting", u"language"), u"English");
    EXPECT_EQ(Get(file, u" SETTING ", u" Language "), u"English");
    EXPECT_EQ(Get(file, u"été", u"σι"), u"greek");
    EXPECT_EQ(Get(file, u"ÉTÉ", u"ключ"), u"cyrillic");
    EXPECT_EQ(Get(file, u"ete", u"σι"), u"<default>");
}

TEST(GetProfileValue, FirstSectionAndFirstKeyWin) {
    const char* file =
        "Language=before any section\r\n"
        "[Setting]\r\n"
        "Language=first\r\n"
        "language=second\r\n"
        "[Other]\r\n"
        "Only=other\r\n"
        "[setting]\r\n"
        "Language=duplicate section\r\n"
        "Later=hidden\r\n";
    EXPECT_EQ(Get(file, u"Setting", u"Language"), u"first");
    EXPECT_EQ(Get(file, u"Setting", u"Later"), u"<default>");
    EXPECT_EQ(Get(file, u"Setting", u"Only"), u"<default>");
}

TEST(GetProfileValue, MissingFileSectionOrKeyYieldsTheDefault) {
    EXPECT_EQ(Get("", u"Setting", u"Language"), u"<default>");
    EXPECT_EQ(Get("[Setting]", u"Setting", u"Language"), u"<default>");
    EXPECT_EQ(Get("[Setting]\r\nLanguage", u"Setting", u"Language"), u"<default>");
    EXPECT_EQ(Get("[Settings]\r\nLanguage=x", u"Setting", u"Language"), u"<default>");
    EXPECT_EQ(Get("[a]b]\r\nk=v", u"a]b", u"k"), u"v");
}

TEST(GetProfileValue, CutsToTheBufferWithoutSplittingASurrogatePair) {
    std::string file = "[S]\r\nk=" + std::string(1000, 'x') + "\r\nsmile=ab\xF0\x9F\x98\x80";
    EXPECT_EQ(Get(file, u"S", u"k"), std::u16string(999, u'x'));
    EXPECT_EQ(Get(file, u"S", u"k", 1), u"");
    EXPECT_EQ(Get(file, u"S", u"k", 0), u"");
    EXPECT_EQ(Get(file, u"S", u"smile", 4), u"ab");
    EXPECT_EQ(Get(file, u"S", u"smile", 5), u"ab\U0001F600");
    EXPECT_EQ(GetProfileValue("", u"S", u"k", u"String Not found", 7), u"String");
}

TEST(GetProfileValue, ReadsUtf16AndCodePage936Files) {
    std::u16string utf16 = u"\uFEFF[Setting]\r\nLanguage=Fran\u00E7ais\r\n";
    std::string bytes(reinterpret_cast<const char*>(utf16.data()), utf16.size() * 2);  // little-endian host
    EXPECT_EQ(Get(bytes, u"Setting", u"Language"), u"Français");
    EXPECT_EQ(Get("[Setting]\r\nLanguage=\xD6\xD0\xCE\xC4\r\n", u"Setting", u"Language"), u"中文");
}

}  // namespace
}  // namespace text
