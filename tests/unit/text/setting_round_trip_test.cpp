#include <gtest/gtest.h>

#include <random>

#include "fake_text_platform.h"
#include "text/ini_file.h"
#include "text/language_files.h"
#include "text/program_paths.h"
#include "text/text_encoding.h"

namespace text {
namespace {

// Names from every kind of text that could trip the reader or an encoding: blanks, quotes,
// INI punctuation, Latin, CJK, private use, byte-order marks, pairs and lone surrogates.
class NameGenerator {
public:
    explicit NameGenerator(unsigned seed) : random_(seed) {}

    std::u16string Next() {
        std::u16string name;
        int length = Pick(1, 24);
        for (int i = 0; i < length; ++i) AppendOne(name);
        return name;
    }

private:
    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

    void AppendOne(std::u16string& name) {
        static constexpr std::u16string_view kTricky = u" \t\"'=[];\\#\v\f";
        switch (Pick(0, 9)) {
            case 0: name.push_back(kTricky[Pick(0, static_cast<int>(kTricky.size()) - 1)]); break;
            case 1: name.push_back(static_cast<char16_t>(Pick(0x80, 0x24F))); break;
            case 2: name.push_back(static_cast<char16_t>(Pick(0x4E00, 0x9FA5))); break;
            case 3: name.push_back(static_cast<char16_t>(Pick(0x3000, 0x30FF))); break;
            case 4: name.push_back(static_cast<char16_t>(Pick(0xE000, 0xF8FF))); break;
            case 5: name.append(u"\U0001F600"); break;
            case 6: name.push_back(Pick(0, 1) ? u'\xFEFF' : static_cast<char16_t>(Pick(0xFF00, 0xFFFD))); break;
            case 7: name.push_back(static_cast<char16_t>(Pick(0xD800, 0xDFFF))); break;
            default: name.push_back(static_cast<char16_t>(Pick(0x21, 0x7E))); break;
        }
    }

    std::mt19937 random_;
};

const std::u16string kSetting = u"C:\\App\\setting.ini";

const Bytes kStartingFiles[] = {
    "",
    "[Setting]\r\nLanguage=\xD6\xD0\xCE\xC4\r\n",
    "[Other]\r\nKept=\xD6\xD0\r\n[Setting]\r\nLanguage=English",
    "\xEF\xBB\xBF[Setting]\nLanguage=x\n[Other]\nKept=\xE4\xB8\xAD\n",
    "[Other]\r\nKept=\xC3\xA7\r\n",
    EncodeFile(u"[Setting]\r\nLanguage=English\r\n[Other]\r\nKept=中\r\n", FileEncoding::Utf16Le).value(),
};

TEST(SettingRoundTrip, EveryGeneratedNameReadsBackExactly) {
    NameGenerator names(20130523);
    testing::FakeTextPlatform platform;
    for (int i = 0; i < 3000; ++i) {
        const Bytes& start = kStartingFiles[i % std::size(kStartingFiles)];
        platform.AddFile(kSetting, start);
        std::u16string kept = ReadIniString(platform, kSetting, u"Other", u"Kept", u"", 1000);
        std::u16string name = names.Next();
        ASSERT_TRUE(WriteIniString(platform, kSetting, u"Setting", u"Language", name)) << i;
        ASSERT_EQ(ReadIniString(platform, kSetting, u"Setting", u"Language", u"", 1000), name) << i;
        ASSERT_EQ(ReadIniString(platform, kSetting, u"Other", u"Kept", u"", 1000), kept) << i;
    }
}

TEST(SettingRoundTrip, EveryGeneratedLanguageIsSelectedAndStored) {
    NameGenerator names(936);
    ForgetLanguageState();
    testing::FakeTextPlatform platform;
    InitAppPaths(platform);
    platform.AddFolder(u"C:\\App\\Language");
    for (int i = 0; i < 300; ++i) {
        std::u16string name = names.Next();
        std::u16string file = u"C:\\App\\Language\\user" + std::u16string(1, u'a' + i % 26) + u".ini";
        platform.RemoveFile(file);
        ASSERT_TRUE(WriteIniString(platform, file, u"Setting", u"Language", name));
        SelectLanguage(platform, name);
        ASSERT_EQ(g_strLanguageFile, file) << i;
        ASSERT_EQ(ListLanguages(platform, g_strAppDir).storedSetting, name) << i;
        SelectLanguage(platform, u"");
        ASSERT_EQ(g_strLanguageFile, file) << i;
    }
}

}  // namespace
}  // namespace text
