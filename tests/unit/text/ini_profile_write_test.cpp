#include <gtest/gtest.h>

#include "fake_text_platform.h"
#include "text/cp936.h"
#include "text/ini_file.h"
#include "text/ini_profile.h"
#include "text/text_encoding.h"

namespace text {
namespace {

using namespace std::literals;

Bytes Set(std::string_view file, std::u16string_view section, std::u16string_view key, std::u16string_view value) {
    std::optional<Bytes> result = SetProfileValue(file, section, key, value);
    EXPECT_TRUE(result.has_value());
    return result.value_or(Bytes());
}

TEST(SetProfileValue, ReplacesTheFirstMatchInPlaceAndKeepsEveryOtherByte) {
    const char* file =
        "; comment\n"
        "[setting]  \r\n"
        "  LANGUAGE \t= old value  \r\n"
        "Language=second\r\n"
        "\r\n"
        "[Setting]\r\n"
        "Language=duplicate";
    EXPECT_EQ(Set(file, u"Setting", u"Language", u"中文"),
              "; comment\n"
              "[setting]  \r\n"
              "  LANGUAGE \t=\xD6\xD0\xCE\xC4\r\n"
              "Language=second\r\n"
              "\r\n"
              "[Setting]\r\n"
              "Language=duplicate");
    EXPECT_EQ(Set("[S]\nk=v", u"S", u"k", u"w"), "[S]\nk=w");
}

TEST(SetProfileValue, NewKeyFollowsTheLastNonBlankLineOfItsSection) {
    EXPECT_EQ(Set("[A]\r\na=1\r\n; note\r\n\r\n\r\n[B]\r\nb=2\r\n", u"a", u"new", u"x"),
              "[A]\r\na=1\r\n; note\r\nnew=x\r\n\r\n\r\n[B]\r\nb=2\r\n");
    EXPECT_EQ(Set("[A]\n\n[B]\n", u"A", u"k", u"v"), "[A]\nk=v\r\n\n[B]\n");
    EXPECT_EQ(Set("[A]\r\na=1", u"A", u"k", u"v"), "[A]\r\na=1\r\nk=v\r\n");
}

TEST(SetProfileValue, NewSectionGoesAtTheEnd) {
    EXPECT_EQ(Set("", u"Setting", u"Language", u"English"), "[Setting]\r\nLanguage=English\r\n");
    EXPECT_EQ(Set("[A]\r\na=1\r\n\r\n", u"B", u"b", u"2"), "[A]\r\na=1\r\n\r\n[B]\r\nb=2\r\n");
    EXPECT_EQ(Set("[A]\r\na=1", u" B ", u" b ", u"2"), "[A]\r\na=1\r\n[B]\r\nb=2\r\n");
}

TEST(SetProfileValue, QuotesValuesTheReaderWouldChange) {
    for (std::u16string_view value : {u" lead", u"trail\t", u"\"both\"", u"'x'", u"\"", u"''"}) {
        Bytes file = Set("[S]\r\nk=v\r\n", u"S", u"k", value);
        EXPECT_EQ(GetProfileValue(file, u"S", u"k", u"", 1000), value);
    }
    EXPECT_EQ(Set("", u"S", u"k", u" x"), "[S]\r\nk=\" x\"\r\n");
    EXPECT_EQ(Set("", u"S", u"k", u"a\"b"), "[S]\r\nk=a\"b\r\n");
}

TEST(SetProfileValue, RefusesWhatNoLineCanHold) {
    EXPECT_FALSE(SetProfileValue("", u"S", u"k", u"two\nlines"));
    EXPECT_FALSE(SetProfileValue("", u"S", u"k", u"two\rlines"));
    EXPECT_FALSE(SetProfileValue("", u"S\n[T]", u"k", u"v"));
    for (std::u16string_view key : {u"a=b"sv, u"[k"sv, u"k\n"sv, u"k\r"sv, u"k\0"sv}) {
        EXPECT_FALSE(SetProfileValue("", u"S", key, u"v")) << key.size();
    }
}

TEST(SetProfileValue, KeepsTheFileEncoding) {
    std::u16string text = u"\uFEFF[Setting]\r\nLanguage=English\r\n";
    Bytes utf16 = EncodeFile(text.substr(1), FileEncoding::Utf16Le).value();
    Bytes written = Set(utf16, u"Setting", u"Language", u"日本語ー😀");
    EXPECT_EQ(written, EncodeFile(u"[Setting]\r\nLanguage=日本語ー😀\r\n", FileEncoding::Utf16Le).value());

    EXPECT_EQ(Set("\xEF\xBB\xBF[S]\r\nk=v\r\n", u"S", u"k", u"ç"), "\xEF\xBB\xBF[S]\r\nk=\xC3\xA7\r\n");
    EXPECT_EQ(Set("[S]\r\nk=\xC3\xA7\r\n", u"S", u"k", u"中"), "[S]\r\nk=\xE4\xB8\xAD\r\n");
    EXPECT_EQ(Set("[S]\r\nk=\xD6\xD0\r\n", u"S", u"n", u"文"), "[S]\r\nk=\xD6\xD0\r\nn=\xCE\xC4\r\n");
}

TEST(SetProfileValue, ConvertsToUtf8WhenCodePage936CannotHoldTheValue) {
    const char* chinese = "[Setting]\r\nLanguage=\xD6\xD0\xCE\xC4\r\n";
    EXPECT_EQ(Set(chinese, u"Setting", u"Language", u"Français"),
              "\xEF\xBB\xBF[Setting]\r\nLanguage=Fran\xC3\xA7" "ais\r\n");
    // Code page 936 bytes of these two characters happen to be valid UTF-8, so the file
    // would read as UTF-8 afterwards.
    std::u16string lookalike = DecodeCp936("\xC2\xA1\xC2\xA2");
    ASSERT_EQ(lookalike.size(), 2u);
    Bytes written = Set("[S]\r\nk=v\r\n", u"S", u"k", lookalike);
    EXPECT_EQ(DetectFileEncoding(written), FileEncoding::Utf8Bom);
    EXPECT_EQ(GetProfileValue(written, u"S", u"k", u"", 1000), lookalike);
    // A lone surrogate fits only UTF-16.
    written = Set("[S]\r\nk=v\r\n", u"S", u"k", u"a\xD800");
    EXPECT_EQ(DetectFileEncoding(written), FileEncoding::Utf16Le);
    EXPECT_EQ(GetProfileValue(written, u"S", u"k", u"", 1000), u"a\xD800");
}

TEST(SetProfileValue, ConvertsWhenTheNewBytesWouldChangeHowOtherLinesRead) {
    // Only the undefined byte kept this file from passing for UTF-8.
    const char* file = "[S]\r\nx=\xC3\xA7\r\nk=\x81\r\n";
    std::u16string x = GetProfileValue(file, u"S", u"x", u"", 1000);
    Bytes written = Set(file, u"S", u"k", u"a");
    EXPECT_EQ(DetectFileEncoding(written), FileEncoding::Utf8Bom);
    EXPECT_EQ(GetProfileValue(written, u"S", u"x", u"", 1000), x);
    // An ASCII result reads the same whatever it is taken for.
    EXPECT_EQ(Set("[S]\r\nk=\xC3\xA7\r\n", u"S", u"k", u"a"), "[S]\r\nk=a\r\n");
}

TEST(SetProfileValue, KeepsUndefinedBytesOfOtherLines) {
    const char* file = "[S]\r\nbroken=\x81\r\nk=v\r\nlast=\xFF";
    EXPECT_EQ(Set(file, u"S", u"k", u"中"), "[S]\r\nbroken=\x81\r\nk=\xD6\xD0\r\nlast=\xFF");
}

TEST(WriteIniString, CreatesReplacesAndNeverClobbersAnUnreadableFile) {
    testing::FakeTextPlatform platform;
    const std::u16string path = u"C:\\App\\setting.ini";
    EXPECT_TRUE(WriteIniString(platform, path, u"Setting", u"Language", u"中文"));
    EXPECT_EQ(platform.FileContent(path), "[Setting]\r\nLanguage=\xD6\xD0\xCE\xC4\r\n");
    EXPECT_EQ(ReadIniString(platform, path, u"setting", u"LANGUAGE", u"", 1000), u"中文");
    EXPECT_EQ(ReadIniString(platform, u"C:\\App\\none.ini", u"S", u"k", u"dflt", 1000), u"dflt");

    platform.unreadableFiles.insert(path);
    EXPECT_FALSE(WriteIniString(platform, path, u"Setting", u"Other", u"x"));
    platform.unreadableFiles.clear();
    EXPECT_EQ(platform.FileContent(path), "[Setting]\r\nLanguage=\xD6\xD0\xCE\xC4\r\n");

    platform.failWrites = true;
    EXPECT_FALSE(WriteIniString(platform, path, u"Setting", u"Language", u"English"));
    EXPECT_FALSE(WriteIniString(platform, path, u"Setting", u"Language", u"a\nb"));
}

}  // namespace
}  // namespace text
