#include <gtest/gtest.h>

#include "fake_text_platform.h"
#include "text/ini_profile.h"
#include "text/text_encoding.h"

namespace text {
namespace {

using testing::BuiltinFileBytes;

TEST(DetectFileEncoding, MarksFirstThenStrictUtf8ThenCodePage936) {
    EXPECT_EQ(DetectFileEncoding("\xFF\xFE[\0"), FileEncoding::Utf16Le);
    EXPECT_EQ(DetectFileEncoding("\xEF\xBB\xBF[a]"), FileEncoding::Utf8Bom);
    EXPECT_EQ(DetectFileEncoding("Language=Fran\xC3\xA7" "ais"), FileEncoding::Utf8);
    EXPECT_EQ(DetectFileEncoding("Language=\xF0\x9F\x98\x80"), FileEncoding::Utf8);
    EXPECT_EQ(DetectFileEncoding(""), FileEncoding::Cp936);
    EXPECT_EQ(DetectFileEncoding("[Setting]\r\nLanguage=English"), FileEncoding::Cp936);
    EXPECT_EQ(DetectFileEncoding("Language=\xD6\xD0\xCE\xC4"), FileEncoding::Cp936);
    // Not UTF-8: overlong forms, encoded surrogates, beyond U+10FFFF, cut sequences.
    for (const char* bytes : {"\xC0\x80", "\xE0\x80\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xE4\xB8"}) {
        EXPECT_EQ(DetectFileEncoding(bytes), FileEncoding::Cp936) << bytes;
    }
}

TEST(DecodeFileText, OffsetsPointAtTheBytesOfEachCodeUnit) {
    DecodedText utf8 = DecodeFileText("\xEF\xBB\xBF" "a\xC3\xA7\xF0\x9F\x98\x80" "b");
    EXPECT_EQ(utf8.text, u"a\u00E7\U0001F600b");
    EXPECT_EQ(utf8.offsets, (std::vector<std::size_t>{3, 4, 6, 6, 10, 11}));

    DecodedText cp936 = DecodeFileText("a\xD6\xD0\x81");
    EXPECT_EQ(cp936.text, u"a中?");
    EXPECT_EQ(cp936.offsets, (std::vector<std::size_t>{0, 1, 3, 4}));
    EXPECT_FALSE(cp936.lossless);

    DecodedText utf16 = DecodeFileText(std::string("\xFF\xFE" "a\0-N\0", 7));
    EXPECT_EQ(utf16.text, u"a\u4E2D\uFFFD");
    EXPECT_EQ(utf16.offsets, (std::vector<std::size_t>{2, 4, 6, 7}));
    EXPECT_FALSE(utf16.lossless);
}

struct BuiltinText {
    const char16_t* key;
    std::u16string_view english;
    std::u16string_view chinese;
};

TEST(BuiltinLanguageFiles, DecodeToTheirExactTexts) {
    const BuiltinText texts[] = {
        {u"IDC_STATIC_LANG", u"Language:", u"语言："},
        {u"IDC_BTN_EXIT", u"Are you sure to exit Kovrin3.0_PC ?", u"是否要退出Kovrin3.0_PC？"},
        {u"IDS_MENU_RUN", u"Star", u"启动"},
        {u"IDS_ABOUTBOX", u"about PCKovrin(&A)...", u"关于 PCKovrin(&A)..."},
        {u"IDS_PCKovrin_Start", u"The program is already running", u"程序已经在运行\""},
        {u"IDS_PCKovrin_Launch", u"Start", u"启动\""},
        {u"IDS_PCKovrin_Cancel", u"Determine the exit?", u"确定退出吗?"},
        {u"IDS_PCKovrin_EmulationFile", u"PPC_ENS.dll", u"PPC_CHS.dll"},
        {u"IDS_PCKovrin_TempFile", u"C:\\\\WINDOWS\\\\winsetup.dess", u"C:\\\\WINDOWS\\\\winsetupch.dess"},
        {u"IDS_PCKovrin_HelpFile", u"PC版Zemlar3.0使用手册(Ver2013.03.29).DOC", u"PCKovrin3.0Help(Ver2013.05.23).DOC"},
        {u"IDS_PCKovrin_CompanyWebsiteAddress", u"Website Address:", u"公司网址："},
        {u"IDCANCEL", u"Cancel", u"取消"},
    };
    const Bytes english = BuiltinFileBytes("PC_Kovrin_EN.ini");
    const Bytes chinese = BuiltinFileBytes("PC_Kovrin_CH.ini");
    ASSERT_EQ(DetectFileEncoding(english), FileEncoding::Cp936);
    ASSERT_EQ(DetectFileEncoding(chinese), FileEncoding::Cp936);
    EXPECT_TRUE(DecodeFileText(chinese).lossless);
    for (const BuiltinText& text : texts) {
        EXPECT_EQ(GetProfileValue(english, u"String", text.key, u"?", 1000), text.english);
        EXPECT_EQ(GetProfileValue(chinese, u"String", text.key, u"?", 1000), text.chinese);
    }
    EXPECT_EQ(GetProfileValue(english, u"Setting", u"Language", u"", 1000), u"English");
    EXPECT_EQ(GetProfileValue(chinese, u"Setting", u"Language", u"", 1000), u"中文");
}

}  // namespace
}  // namespace text
