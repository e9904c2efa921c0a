#include <gtest/gtest.h>

#include "fake_text_platform.h"
#include "text/ini_file.h"
#include "text/language_files.h"
#include "text/program_paths.h"
#include "text/program_texts.h"

namespace text {
namespace {

using testing::BuiltinFileBytes;

const std::u16string kFolder = u"C:\\App\\Language";
const std::u16string kChineseFile = u"C:\\App\\Language\\PC_Kovrin_CH.ini";
const std::u16string kEnglishFile = u"C:\\App\\Language\\PC_Kovrin_EN.ini";
const std::u16string kSettingFile = u"C:\\App\\setting.ini";
constexpr std::uint16_t kChinaLangId = 0x0804;
constexpr std::uint16_t kUsLangId = 0x0409;

class LanguageFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        ForgetLanguageState();
        EXPECT_EQ(InitAppPaths(platform), u"C:\\App\\");
    }
    std::u16string StoredLanguage() {
        return ReadIniString(platform, kSettingFile, u"Setting", u"Language", u"<none>", 1000);
    }
    void StartOnce(std::uint16_t langId) {
        platform.langId = langId;
        SelectLanguage(platform, u"");
    }
    void AddLanguageFile(std::u16string_view fileName, std::string_view content) {
        platform.AddFile(kFolder + u"\\" + std::u16string(fileName), content);
    }

    testing::FakeTextPlatform platform;
};

TEST(DefaultLanguageName, ChineseForEveryChineseLocale) {
    for (std::uint16_t id : {0x0804, 0x0404, 0x0C04, 0x1004, 0x1404, 0x0004}) {
        EXPECT_EQ(DefaultLanguageName(id), u"中文") << id;
    }
    for (std::uint16_t id : {0x0409, 0x0411, 0x0000, 0x0C0A, 0x0844}) {
        EXPECT_EQ(DefaultLanguageName(id), u"English") << id;  // 0x0844: primary 0x44, not Chinese
    }
}

TEST_F(LanguageFilesTest, FirstStartWritesBothFilesAndPicksTheSystemLanguage) {
    StartOnce(kChinaLangId);
    EXPECT_EQ(platform.FileContent(kChineseFile), BuiltinFileBytes("PC_Kovrin_CH.ini"));
    EXPECT_EQ(platform.FileContent(kEnglishFile), BuiltinFileBytes("PC_Kovrin_EN.ini"));
    EXPECT_EQ(platform.FileContent(kSettingFile), "[Setting]\r\nLanguage=\xD6\xD0\xCE\xC4\r\n");
    EXPECT_EQ(g_strLanguageFile, kChineseFile);
    EXPECT_EQ(LoadLanguageText(platform, u"IDS_MENU_RUN"), u"启动");

    platform = testing::FakeTextPlatform();
    StartOnce(kUsLangId);
    EXPECT_EQ(platform.FileContent(kChineseFile), BuiltinFileBytes("PC_Kovrin_CH.ini"));
    EXPECT_EQ(platform.FileContent(kSettingFile), "[Setting]\r\nLanguage=English\r\n");
    EXPECT_EQ(g_strLanguageFile, kEnglishFile);
    EXPECT_EQ(LoadLanguageText(platform, u"IDS_MENU_RUN"), u"Star");
}

TEST_F(LanguageFilesTest, StoredSettingIsHonouredAndWrittenOnlyWhenItChanges) {
    StartOnce(kChinaLangId);
    SelectLanguage(platform, u"English");
    AddLanguageFile(u"PC_Kovrin_CH.ini", "[Setting]\r\nLanguage=中文\r\n[String]\r\nIDOK=edited\r\n");
    int writesBefore = platform.replaceCount;
    StartOnce(kChinaLangId);
    EXPECT_EQ(g_strLanguageFile, kEnglishFile);
    EXPECT_EQ(StoredLanguage(), u"English");
    EXPECT_EQ(platform.replaceCount, writesBefore) << "setting.ini already holds the name";
    SelectLanguage(platform, u"中文");
    EXPECT_EQ(LoadLanguageText(platform, u"IDOK"), u"edited");
    EXPECT_EQ(platform.replaceCount, writesBefore + 1);  // setting.ini only
}

TEST_F(LanguageFilesTest, UnmatchedNameRestoresTheBuiltinFilesAndTheDefault) {
    StartOnce(kChinaLangId);
    AddLanguageFile(u"PC_Kovrin_EN.ini", "[Setting]\r\nLanguage=English\r\n[String]\r\nIDOK=local edit\r\n");
    for (std::u16string_view name : {u"Deleted", u"english", u"ENGLISH ", u"中文 "}) {
        AddLanguageFile(u"PC_Kovrin_CH.ini", "[Setting]\r\nLanguage=Edited\r\n");
        SelectLanguage(platform, name);
        EXPECT_EQ(g_strLanguageFile, kChineseFile) << name.size();
        EXPECT_EQ(StoredLanguage(), u"中文");
        EXPECT_EQ(platform.FileContent(kChineseFile), BuiltinFileBytes("PC_Kovrin_CH.ini"));
    }
    EXPECT_EQ(platform.FileContent(kEnglishFile), BuiltinFileBytes("PC_Kovrin_EN.ini"));
}

TEST_F(LanguageFilesTest, FirstFileInListingOrderWinsAndDuplicatesAreListedTwice) {
    platform.AddFolder(kFolder);
    platform.AddFolder(kFolder + u"\\folder.ini");
    AddLanguageFile(u"a.ini", "[Setting]\r\nLanguage=Klingon\r\n");
    AddLanguageFile(u"nameless.ini", "[String]\r\nIDOK=OK\r\n");
    AddLanguageFile(u"alias.inix", "[Setting]\r\nLanguage=Alias\r\n");
    AddLanguageFile(u"b.ini", "[Setting]\r\nLanguage=Klingon\r\n");
    platform.AddFile(u"C:\\App\\setting.ini", "[Setting]\r\nLanguage=Klingon\r\n");
    SelectLanguage(platform, u"");
    EXPECT_EQ(g_strLanguageFile, kFolder + u"\\a.ini");
    platform.reverseListing = true;
    SelectLanguage(platform, u"Klingon");
    EXPECT_EQ(g_strLanguageFile, kFolder + u"\\b.ini");
    EXPECT_FALSE(platform.HasFile(kChineseFile));

    LanguageListing listing = ListLanguages(platform, u"C:\\App\\");
    EXPECT_EQ(listing.names, (std::vector<std::u16string>{u"Klingon", u"Klingon"}));
    EXPECT_EQ(listing.storedSetting, u"Klingon");
}

TEST_F(LanguageFilesTest, UserFileWithAnotherScriptIsOfferedAndSelectable) {
    StartOnce(kUsLangId);
    AddLanguageFile(u"fr.ini", "[Setting]\r\nLanguage=Fran\xC3\xA7" "ais\r\n[String]\r\nIDOK=D'accord\r\n");
    LanguageListing listing = ListLanguages(platform, g_strAppDir);
    EXPECT_EQ(listing.names, (std::vector<std::u16string>{u"中文", u"English", u"Français"}));
    EXPECT_EQ(listing.storedSetting, u"English");

    SelectLanguage(platform, u"Français");
    EXPECT_EQ(g_strLanguageFile, kFolder + u"\\fr.ini");
    EXPECT_EQ(LoadLanguageText(platform, u"IDOK"), u"D'accord");
    EXPECT_EQ(LoadLanguageText(platform, u"IDCANCEL"), u"String Not found");
    EXPECT_EQ(ListLanguages(platform, g_strAppDir).storedSetting, u"Français");
    StartOnce(kUsLangId);
    EXPECT_EQ(g_strLanguageFile, kFolder + u"\\fr.ini");
}

TEST_F(LanguageFilesTest, NamesOfAnyLengthAreSelectedAndStoredWholeButListedCut) {
    StartOnce(kUsLangId);
    for (std::size_t length : {150u, 999u, 1000u, 1500u, 70000u}) {
        std::string longName(length - 1, 'L');
        longName += 'Z';  // a name cut anywhere differs
        AddLanguageFile(u"long.ini", "[Setting]\r\nLanguage=" + longName + "\r\n");
        EXPECT_EQ(ListLanguages(platform, g_strAppDir).names.back(), std::u16string(99, u'L'));
        std::u16string name(longName.begin(), longName.end());
        SelectLanguage(platform, name);
        EXPECT_EQ(g_strLanguageFile, kFolder + u"\\long.ini") << length;
        const Bytes stored = platform.FileContent(kSettingFile);
        EXPECT_EQ(stored, "[Setting]\r\nLanguage=" + longName + "\r\n") << length;
        StartOnce(kUsLangId);
        EXPECT_EQ(g_strLanguageFile, kFolder + u"\\long.ini") << length;
        EXPECT_EQ(platform.FileContent(kSettingFile), stored) << "read back and stored again unchanged";
    }
}

TEST_F(LanguageFilesTest, TextLookupUnescapesLineBreaksCutsAndRereads) {
    StartOnce(kUsLangId);
    AddLanguageFile(u"x.ini", "[Setting]\r\nLanguage=X\r\n[String]\r\nlines=A\\nB\r\nother=C:\\new\\\\n\\t\r\nlong=" +
                                  std::string(1000, 'y') + "\r\n");
    SelectLanguage(platform, u"X");
    EXPECT_EQ(LoadLanguageText(platform, u"lines"), u"A\nB");
    EXPECT_EQ(LoadLanguageText(platform, u"other"), u"C:\new\\\n\\t");
    EXPECT_EQ(LoadLanguageText(platform, u"long"), std::u16string(999, u'y'));
    AddLanguageFile(u"x.ini", "[Setting]\r\nLanguage=X\r\n[String]\r\nlines=changed\r\n");
    EXPECT_EQ(LoadLanguageText(platform, u"lines"), u"changed");
    platform.RemoveFile(kFolder + u"\\x.ini");
    EXPECT_EQ(LoadLanguageText(platform, u"lines"), u"String Not found");
}

// The program's own texts: a language file may translate them; one that does not gets the
// program's English, or its Chinese where 中文 is chosen; other missing keys stay missing.
TEST_F(LanguageFilesTest, OwnTextsComeFromTheFileElseInTheChosenLanguage) {
    AddLanguageFile(u"de.ini", "[Setting]\r\nLanguage=Deutsch\r\n[String]\r\nIDS_PCKovrin_Close=Schlie\xC3\x9F" "en\r\n");
    StartOnce(kUsLangId);
    EXPECT_EQ(LoadLanguageText(platform, u"IDS_PCKovrin_Close"), u"Close");
    SelectLanguage(platform, u"Deutsch");
    EXPECT_EQ(LoadLanguageText(platform, u"IDS_PCKovrin_Close"), u"Schließen");
    EXPECT_EQ(LoadLanguageText(platform, u"IDS_PCKovrin_Restore"), u"&Restore");
    EXPECT_EQ(LoadLanguageText(platform, u"IDS_NO_SUCH_KEY"), kMissingText);
    SelectLanguage(platform, u"中文");
    EXPECT_EQ(LoadLanguageText(platform, u"IDS_PCKovrin_Close"), u"关闭");
    EXPECT_EQ(FormatText(u"%1 and %2, %3", {u"%2", u"b"}), u"%2 and b, %3");
}

TEST_F(LanguageFilesTest, ExtractReportsOnlyAMissingResource) {
    platform.AddFolder(kFolder);
    platform.resources.erase(324);
    EXPECT_FALSE(ExtractBuiltinLanguageFile(platform, 324, kEnglishFile));
    EXPECT_FALSE(platform.HasFile(kEnglishFile));
    platform.failWrites = true;
    EXPECT_TRUE(ExtractBuiltinLanguageFile(platform, 130, kChineseFile));
    EXPECT_FALSE(platform.HasFile(kChineseFile));
}

TEST_F(LanguageFilesTest, ProgramPathsKeepLongPathsWhole) {
    std::u16string deep = u"C:\\" + std::u16string(300, u'd') + u"\\";
    platform.moduleFileName = deep + u"PC_Kovrin.exe";
    EXPECT_EQ(InitAppPaths(platform), deep);
    EXPECT_EQ(g_strSettingFile, deep + u"setting.ini");
    platform.moduleFileName = u"PC_Kovrin.exe";
    EXPECT_EQ(InitAppPaths(platform), u"");
    EXPECT_EQ(g_strSettingFile, u"setting.ini");
}

}  // namespace
}  // namespace text
