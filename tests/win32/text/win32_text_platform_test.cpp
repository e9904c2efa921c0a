// The Windows platform against the real file system and the test program's own resources.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "text/ini_file.h"
#include "text/language_files.h"
#include "text/program_paths.h"
#include "text/win32/wide.h"
#include "text/win32/win32_text_platform.h"

namespace text {
namespace {

class Win32PlatformTest : public ::testing::Test {
protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        folder_ = std::wstring(temp) + L"kovrin_text_" + std::to_wstring(GetCurrentProcessId());
        ASSERT_TRUE(platform.MakeDirectory(AsU16(folder_)));
    }
    void TearDown() override { RemoveTree(folder_); }

    std::u16string Path(std::wstring_view name) const { return AsU16(folder_ + L"\\" + std::wstring(name)); }
    std::vector<std::wstring> FolderNames() const {
        std::vector<std::wstring> names;
        for (const DirectoryEntry& entry : platform.FindFiles(Path(L"*"))) names.push_back(AsWide(entry.name));
        std::sort(names.begin(), names.end());
        return names;
    }

    static void RemoveTree(const std::wstring& path) {
        WIN32_FIND_DATAW data;
        HANDLE search = FindFirstFileW((path + L"\\*").c_str(), &data);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                std::wstring name = data.cFileName;
                if (name == L"." || name == L"..") continue;
                if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                    RemoveTree(path + L"\\" + name);
                } else {
                    DeleteFileW((path + L"\\" + name).c_str());
                }
            } while (FindNextFileW(search, &data));
            FindClose(search);
        }
        RemoveDirectoryW(path.c_str());
    }

    TextPlatform& platform = Win32TextPlatform();
    std::wstring folder_;
};

TEST_F(Win32PlatformTest, ListsFilesAndFoldersMatchingThePattern) {
    ASSERT_TRUE(platform.ReplaceFileContent(Path(L"a.ini"), "a"));
    ASSERT_TRUE(platform.ReplaceFileContent(Path(L"Français.ini"), "f"));
    ASSERT_TRUE(platform.ReplaceFileContent(Path(L"notes.txt"), "n"));
    ASSERT_TRUE(platform.MakeDirectory(Path(L"sub.ini")));
    EXPECT_FALSE(platform.MakeDirectory(Path(L"sub.ini")));

    std::vector<DirectoryEntry> entries = platform.FindFiles(Path(L"*.ini"));
    std::vector<std::pair<std::u16string, bool>> found;
    for (const DirectoryEntry& entry : entries) found.emplace_back(entry.name, entry.isDirectory);
    std::sort(found.begin(), found.end());
    EXPECT_EQ(found, (std::vector<std::pair<std::u16string, bool>>{
                         {u"Français.ini", false}, {u"a.ini", false}, {u"sub.ini", true}}));
    EXPECT_TRUE(platform.FindFiles(Path(L"missing\\*.ini")).empty());
}

TEST_F(Win32PlatformTest, ReplacesWholeFilesAndLeavesNoTemporaryFile) {
    const std::u16string target = Path(L"setting.ini");
    EXPECT_FALSE(platform.ReadWholeFile(target).has_value());
    EXPECT_FALSE(platform.PathExists(target));
    std::string binary("\xFF\xFE\0\r\n\x1A", 6);
    ASSERT_TRUE(platform.ReplaceFileContent(target, binary));
    EXPECT_EQ(platform.ReadWholeFile(target), binary);
    ASSERT_TRUE(platform.ReplaceFileContent(target, "second"));
    EXPECT_EQ(platform.ReadWholeFile(target), "second");
    EXPECT_TRUE(platform.PathExists(target));
    EXPECT_FALSE(platform.ReadWholeFile(AsU16(folder_)).has_value());  // a directory
    EXPECT_FALSE(platform.ReplaceFileContent(Path(L"missing\\x.ini"), "x"));
    EXPECT_EQ(FolderNames(), (std::vector<std::wstring>{L".", L"..", L"setting.ini"}));
}

TEST_F(Win32PlatformTest, AHeldFileKeepsItsOldContentAndIsNotClobbered) {
    const std::u16string target = Path(L"setting.ini");
    ASSERT_TRUE(WriteIniString(platform, target, u"Setting", u"Language", u"中文"));
    HANDLE held = CreateFileW(AsWide(target).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(platform.ReadWholeFile(target).has_value());
    EXPECT_TRUE(platform.PathExists(target));
    EXPECT_FALSE(platform.ReplaceFileContent(target, "new"));
    EXPECT_FALSE(WriteIniString(platform, target, u"Setting", u"Language", u"English"));
    CloseHandle(held);
    EXPECT_EQ(platform.ReadWholeFile(target), "[Setting]\r\nLanguage=\xD6\xD0\xCE\xC4\r\n");
    EXPECT_EQ(FolderNames(), (std::vector<std::wstring>{L".", L"..", L"setting.ini"}));
}

TEST_F(Win32PlatformTest, HandlesPathsLongerThanMaxPath) {
    std::wstring deep = folder_;
    for (int i = 0; deep.size() < MAX_PATH + 40; ++i) {
        deep += L"\\" + std::wstring(40, static_cast<wchar_t>(L'a' + i));
        ASSERT_TRUE(platform.MakeDirectory(AsU16(deep)));
    }
    std::u16string file = AsU16(deep + L"\\setting.ini");
    ASSERT_TRUE(WriteIniString(platform, file, u"Setting", u"Language", u"English"));
    EXPECT_EQ(ReadIniString(platform, file, u"Setting", u"Language", u"", 1000), u"English");
    EXPECT_EQ(platform.FindFiles(AsU16(deep + L"\\*.ini")).size(), 1u);
}

TEST_F(Win32PlatformTest, CarriesTheBuiltinFilesByteForByte) {
    for (auto [id, name] : {std::pair{130, L"PC_Kovrin_CH.ini"}, std::pair{324, L"PC_Kovrin_EN.ini"}}) {
        std::optional<Bytes> source = platform.ReadWholeFile(AsU16(std::wstring(KOVRIN_LANGUAGE_DIR) + L"/" + name));
        ASSERT_TRUE(source.has_value()) << id;
        EXPECT_EQ(platform.LoadOwnerData(id), source);
    }
    EXPECT_FALSE(platform.LoadOwnerData(131).has_value());
}

TEST_F(Win32PlatformTest, KnowsTheProgramAndTheSystemLanguage) {
    std::u16string program = platform.ModuleFileName();
    EXPECT_TRUE(program.ends_with(u"\\text_win32_tests.exe")) << AsWide(program).c_str();
    EXPECT_EQ(platform.SystemDefaultLangId(), GetSystemDefaultLangID());
}

TEST_F(Win32PlatformTest, FirstStartWritesTheLanguageFolderAndShowsItsTexts) {
    ForgetLanguageState();
    g_strAppDir = AsU16(folder_ + L"\\");
    g_strSettingFile = g_strAppDir + u"setting.ini";
    SelectLanguage(platform, u"English");
    EXPECT_EQ(platform.ReadWholeFile(g_strSettingFile), "[Setting]\r\nLanguage=" +
                  std::string(DefaultLanguageName(GetSystemDefaultLangID()) == u"English" ? "English" : "\xD6\xD0\xCE\xC4") + "\r\n");
    SelectLanguage(platform, u"English");
    EXPECT_EQ(LanguageText(L"IDS_PCKovrin_HelpFile"), L"PC版Zemlar3.0使用手册(Ver2013.03.29).DOC");
    EXPECT_EQ(LanguageText(L"IDS_MENU_RUN"), L"Star");
    SelectLanguage(platform, u"中文");
    EXPECT_EQ(LanguageText(L"IDC_BTN_EXIT"), L"是否要退出Kovrin3.0_PC？");
    EXPECT_EQ(LanguageText(L"NoSuchKey"), L"String Not found");
    EXPECT_EQ(ListLanguages(platform, g_strAppDir).names.size(), 2u);
}

TEST_F(Win32PlatformTest, ABuiltinFileHeldByAnotherProgramStillGivesItsTexts) {
    ForgetLanguageState();
    g_strAppDir = AsU16(folder_ + L"\\");
    g_strSettingFile = g_strAppDir + u"setting.ini";
    SelectLanguage(platform, u"English");
    SelectLanguage(platform, u"English");
    const std::wstring english = folder_ + L"\\Language\\PC_Kovrin_EN.ini";
    HANDLE held = CreateFileW(english.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    ForgetLanguageState();  // the next start
    SelectLanguage(platform, u"English");
    EXPECT_EQ(LanguageText(L"IDS_MENU_RUN"), L"Star");
    EXPECT_EQ(LanguageText(L"IDS_MAIN_TITLE"), L"Kovrin3.0_PC");
    EXPECT_EQ(platform.ReadWholeFile(g_strSettingFile), "[Setting]\r\nLanguage=English\r\n");
    EXPECT_FALSE(platform.WhyUnreadable(AsU16(english)).empty());
    CloseHandle(held);
    EXPECT_TRUE(platform.WhyUnreadable(AsU16(english)).empty());
}

}  // namespace
}  // namespace text
