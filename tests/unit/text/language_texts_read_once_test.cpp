// The current language file is read once and again only after it changed on disk; the texts
// read that way are those the profile functions give.
#include <gtest/gtest.h>

#include "fake_text_platform.h"
#include "text/ini_profile.h"
#include "text/language_file_content.h"
#include "text/language_files.h"
#include "text/program_paths.h"

namespace text {
namespace {

const std::u16string kFile = u"C:\\App\\Language\\x.ini";

class ReadOnceTest : public ::testing::Test {
protected:
    void SetUp() override {
        ForgetLanguageState();
        InitAppPaths(platform);
        platform.AddFolder(u"C:\\App\\Language");
        platform.AddFile(u"C:\\App\\setting.ini", "[Setting]\r\nLanguage=X\r\n");
    }
    void Install(std::string_view strings) {
        platform.AddFile(kFile, "[Setting]\r\nLanguage=X\r\n[String]\r\n" + std::string(strings));
    }

    testing::FakeTextPlatform platform;
};

TEST(LanguageFileContent, AnswersAsTheProfileFunctions) {
    const std::string file =
        "k0=before any header\r\n[setting]\r\nlanguage=\"  Quoted  \"\r\nLanguage=second\r\n"
        "[ STRING ]\r\n Key One = one \r\nKEY ONE=hidden\r\nbare\r\nbare=hidden by the bare key\r\n"
        "empty=\r\nnul=a\0b\r\n=empty key\r\n[Other]\r\nelse=x\r\n[String]\r\nlate=second section\r\n"
        "[Setting]\r\nLanguage=second section\r\n";
    LanguageFileContent content(file);
    EXPECT_EQ(content.Name(), u"  Quoted  ");
    for (std::u16string_view key : {u"key one", u" KEY ONE ", u"bare", u"empty", u"nul", u"", u"else", u"late",
                                    u"k0", u"missing"}) {
        std::u16string expected = GetProfileValue(file, u"String", key, u"<none>", SIZE_MAX);
        EXPECT_EQ(std::u16string(content.Text(key).value_or(u"<none>")), expected) << key.size();
    }
    EXPECT_EQ(LanguageFileContent("[String]\r\nk=v\r\n").Name(), u"");
    EXPECT_EQ(LanguageFileContent("[Setting]\r\nLanguage\r\n").Name(), u"");
}

TEST_F(ReadOnceTest, StartupReadsEachFileOnceAndLookupsReadNothing) {
    Install("IDS_MAIN_TITLE=Title\r\nIDS_MENU_RUN=Run\r\n");
    SelectLanguage(platform, u"");
    ASSERT_EQ(g_strLanguageFile, kFile);
    const int readsAfterChoice = platform.readCount;
    for (int i = 0; i < 50; ++i) {
        EXPECT_EQ(LoadLanguageText(platform, u"IDS_MAIN_TITLE"), u"Title");
        EXPECT_EQ(LoadLanguageText(platform, u"IDS_MENU_HELP"), u"String Not found");
    }
    EXPECT_EQ(ListLanguages(platform, g_strAppDir).names, std::vector<std::u16string>{u"X"});
    EXPECT_EQ(platform.readCount, readsAfterChoice + 1) << "only setting.ini, for the listing's stored setting";
}

TEST_F(ReadOnceTest, AChangeOnDiskShowsAtTheNextLookup) {
    Install("IDS_MENU_RUN=Run\r\n");
    SelectLanguage(platform, u"X");
    EXPECT_EQ(LoadLanguageText(platform, u"IDS_MENU_RUN"), u"Run");
    Install("IDS_MENU_RUN=Sam\r\n");  // same size, written later
    EXPECT_EQ(LoadLanguageText(platform, u"IDS_MENU_RUN"), u"Sam");

    // Held by another program right after a change: the last reading serves until it can be read.
    Install("IDS_MENU_RUN=Changed\r\n");
    platform.heldForReads[kFile] = 2;
    EXPECT_EQ(LoadLanguageText(platform, u"IDS_MENU_RUN"), u"Sam");
    EXPECT_EQ(LoadLanguageText(platform, u"IDS_MENU_RUN"), u"Sam");
    EXPECT_EQ(LoadLanguageText(platform, u"IDS_MENU_RUN"), u"Changed");

    platform.RemoveFile(kFile);
    EXPECT_EQ(LoadLanguageText(platform, u"IDS_MENU_RUN"), u"String Not found");
}

TEST_F(ReadOnceTest, AFileOverTheLimitIsNeitherListedNorChosenNorRetried) {
    Install("IDS_MENU_RUN=Big\r\n");
    platform.reportedSizes[kFile] = kMaxTextFileBytes + 1;
    SelectLanguage(platform, u"");
    EXPECT_EQ(g_strLanguageFile, u"C:\\App\\Language\\PC_Kovrin_EN.ini");
    EXPECT_EQ(platform.sleptMilliseconds, 0u);
    EXPECT_EQ(ListLanguages(platform, g_strAppDir).names, (std::vector<std::u16string>{u"中文", u"English"}));

    platform.reportedSizes[kFile] = kMaxTextFileBytes;
    SelectLanguage(platform, u"X");
    EXPECT_EQ(LoadLanguageText(platform, u"IDS_MENU_RUN"), u"Big");
}

}  // namespace
}  // namespace text
