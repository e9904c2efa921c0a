// A program folder the program may not write, language files it cannot read or that another
// program holds for a moment, and setting.ini that cannot take the choice.
#include <gtest/gtest.h>

#include "fake_text_platform.h"
#include "text/ini_file.h"
#include "text/language_files.h"
#include "text/program_paths.h"

namespace text {
namespace {

const std::u16string kApp = u"C:\\App";
const std::u16string kFolder = u"C:\\App\\Language";
const std::u16string kEnglishFile = u"C:\\App\\Language\\PC_Kovrin_EN.ini";
const std::u16string kFrenchFile = u"C:\\App\\Language\\fr.ini";
const std::u16string kSettingFile = u"C:\\App\\setting.ini";
constexpr std::uint16_t kChinaLangId = 0x0804;
const std::string kFrench = "[Setting]\r\nLanguage=Fran\xC3\xA7" "ais\r\n[String]\r\nIDS_MENU_RUN=D\xC3\xA9marrer\r\n";
const std::string kFrenchSetting = "[Setting]\r\nLanguage=Fran\xC3\xA7" "ais\r\n";

class UnwritableFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        ForgetLanguageState();
        InitAppPaths(platform);
    }
    bool ToldOnceAbout(std::u16string_view what) const {
        return platform.toldUser.size() == 1 && platform.toldUser[0].find(what) != std::u16string::npos;
    }

    testing::FakeTextPlatform platform;
};

TEST_F(UnwritableFolderTest, TextsComeFromTheProgramAndTheChoiceLastsForTheRun) {
    platform.readOnlyFolders.insert(kApp);
    platform.langId = kChinaLangId;
    SelectLanguage(platform, u"");
    EXPECT_FALSE(platform.PathExists(kFolder));
    EXPECT_FALSE(platform.PathExists(kSettingFile));
    EXPECT_EQ(LoadLanguageText(platform, u"IDS_MENU_RUN"), u"启动");
    EXPECT_EQ(LoadLanguageText(platform, u"IDS_PCKovrin_EmulationFile"), u"PPC_CHS.dll");
    EXPECT_TRUE(ToldOnceAbout(kSettingFile + u"\n（access denied）")) << "names the file and the system's reason";
    LanguageListing listing = ListLanguages(platform, g_strAppDir);
    EXPECT_EQ(listing.names, (std::vector<std::u16string>{u"中文", u"English"})) << "the program's own copies";
    EXPECT_EQ(listing.storedSetting, u"中文");

    SelectLanguage(platform, u"English");
    EXPECT_EQ(LoadLanguageText(platform, u"IDS_MENU_RUN"), u"Star");
    EXPECT_EQ(StoredLanguageSetting(platform), u"English");
    platform.readOnlyFolders.clear();
    platform.AddFolder(kFolder);
    platform.AddFile(kFrenchFile, kFrench);
    platform.readOnlyFolders = {kApp, kFolder};
    SelectLanguage(platform, u"Français");
    EXPECT_EQ(LoadLanguageText(platform, u"IDS_MENU_RUN"), u"Démarrer");
    EXPECT_EQ(StoredLanguageSetting(platform), u"Français");
    EXPECT_EQ(ListLanguages(platform, g_strAppDir).storedSetting, u"Français");
    EXPECT_EQ(platform.toldUser.size(), 1u) << "once per run";
}

TEST_F(UnwritableFolderTest, ASettingFileThatAlreadyHoldsTheChoiceNeedsNoWord) {
    platform.AddFolder(kFolder);
    platform.AddFile(kFrenchFile, kFrench);
    platform.AddFile(kSettingFile, kFrenchSetting);
    platform.readOnlyFolders = {kApp, kFolder};
    platform.failWrites = true;
    SelectLanguage(platform, u"");
    EXPECT_EQ(g_strLanguageFile, kFrenchFile);
    EXPECT_TRUE(platform.toldUser.empty());
    SelectLanguage(platform, u"Klingon");  // no such file: the English default, which cannot be stored
    EXPECT_EQ(LoadLanguageText(platform, u"IDS_MENU_RUN"), u"Star");
    EXPECT_TRUE(ToldOnceAbout(u"The settings cannot be saved in\nC:\\App\\setting.ini\n(access denied)"));
    EXPECT_EQ(platform.FileContent(kSettingFile), kFrenchSetting);
}

TEST_F(UnwritableFolderTest, LanguageAsAPlainFileStillShowsTheBuiltinTexts) {
    platform.AddFile(kFolder, "not a folder");
    SelectLanguage(platform, u"");
    EXPECT_EQ(g_strLanguageFile, kEnglishFile);
    EXPECT_EQ(LoadLanguageText(platform, u"IDS_MAIN_TITLE"), u"Kovrin3.0_PC");
    EXPECT_EQ(platform.FileContent(kSettingFile), "[Setting]\r\nLanguage=English\r\n");
    EXPECT_TRUE(platform.toldUser.empty()) << "the settings are kept";
}

TEST_F(UnwritableFolderTest, AHeldOrVanishedBuiltinFileGivesTheProgramsTexts) {
    platform.AddFolder(kFolder);
    platform.AddFile(kEnglishFile, "[Setting]\r\nLanguage=English\r\n[String]\r\nIDS_MENU_RUN=edited\r\n");
    platform.AddFile(kSettingFile, "[Setting]\r\nLanguage=English\r\n");
    platform.heldForReads[kEnglishFile] = 1000;  // held for good by another program
    SelectLanguage(platform, u"");
    EXPECT_EQ(platform.sleptMilliseconds, 1000u) << "retried briefly first";
    EXPECT_EQ(LoadLanguageText(platform, u"IDS_MENU_RUN"), u"Star");
    EXPECT_TRUE(platform.toldUser.empty());

    platform.heldForReads.clear();
    SelectLanguage(platform, u"中文");
    SelectLanguage(platform, u"none such");  // restores both built-in files; English is current
    platform.RemoveFile(kEnglishFile);
    EXPECT_EQ(LoadLanguageText(platform, u"IDS_MENU_HELP"), u"Help");
}

TEST_F(UnwritableFolderTest, AHeldFileIsReadAgainBeforeTheUsersChoiceIsSetAside) {
    platform.AddFolder(kFolder);
    platform.AddFile(kFrenchFile, kFrench);
    platform.AddFile(kSettingFile, kFrenchSetting);
    platform.heldForReads = {{kFrenchFile, 3}, {kSettingFile, 2}};  // a virus scanner's moment
    SelectLanguage(platform, u"");
    EXPECT_EQ(g_strLanguageFile, kFrenchFile);
    EXPECT_EQ(platform.sleptMilliseconds, 500u);
    EXPECT_FALSE(platform.HasFile(kEnglishFile)) << "nothing was restored";

    ForgetLanguageState();  // the next start, with the file held for good
    platform.heldForReads[kFrenchFile] = 1000;
    SelectLanguage(platform, u"");
    EXPECT_EQ(LoadLanguageText(platform, u"IDS_MENU_RUN"), u"Star");
    EXPECT_EQ(platform.FileContent(kSettingFile), kFrenchSetting) << "the choice waits for the next start";
    EXPECT_EQ(StoredLanguageSetting(platform), u"English") << "what this run shows";
    EXPECT_TRUE(platform.toldUser.empty());
}

}  // namespace
}  // namespace text
