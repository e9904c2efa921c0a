// Start-up as a user meets it: first start, the stored language, language files, one copy per
// session, and a file name on the command line.
#include <gtest/gtest.h>

#include <windows.h>

#include "support/desktop_input.h"
#include "support/launcher_process.h"
#include "support/program_folder.h"

namespace e2e {
namespace {

const std::string kEnglishSetting = "[Setting]\r\nLanguage=English\r\n";

std::string Utf8LanguageFile(const std::string& name, const std::string& title)
{
    return "[Setting]\r\nLanguage=" + name + "\r\n\r\n[String]\r\nIDS_MAIN_TITLE=" + title + "\r\n";
}

// The built-in file with another window title, so the test can see which file became current.
std::string RetitledBuiltin(const std::wstring& name, const std::string& title)
{
    std::string bytes = BuiltinLanguageFile(name);
    const std::string key = "IDS_MAIN_TITLE=Kovrin3.0_PC";
    bytes.replace(bytes.find(key), key.size(), "IDS_MAIN_TITLE=" + title);
    return bytes;
}

class LauncherTest : public ::testing::Test {
protected:
    void SetUp() override { EndStrayLaunchers(); }
    ProgramFolder folder{CurrentTestName()};
};

class EnglishSystem : public LauncherTest {
protected:
    void SetUp() override
    {
        LauncherTest::SetUp();
        ASSERT_NE(PRIMARYLANGID(GetSystemDefaultLangID()), LANG_CHINESE) << "run this suite with a non-Chinese locale";
    }
};

class ChineseSystem : public LauncherTest {
protected:
    void SetUp() override
    {
        LauncherTest::SetUp();
        ASSERT_EQ(PRIMARYLANGID(GetSystemDefaultLangID()), LANG_CHINESE) << "run this suite with LC_ALL=zh_CN.UTF-8";
    }
};

void ExpectBuiltinFilesWritten(const ProgramFolder& folder)
{
    EXPECT_EQ(folder.Read(L"Language\\PC_Kovrin_CH.ini"), BuiltinLanguageFile(L"PC_Kovrin_CH.ini"));
    EXPECT_EQ(folder.Read(L"Language\\PC_Kovrin_EN.ini"), BuiltinLanguageFile(L"PC_Kovrin_EN.ini"));
}

TEST_F(EnglishSystem, FirstStartWritesBuiltinFilesAndChoosesEnglish)
{
    LauncherProcess launcher(folder.Exe());
    HWND frame = launcher.WaitForMainWindow();
    ASSERT_TRUE(frame);
    EXPECT_EQ(WindowTitle(frame), L"Kovrin3.0_PC");
    ExpectBuiltinFilesWritten(folder);
    EXPECT_EQ(folder.Read(L"setting.ini"), kEnglishSetting);
}

TEST_F(ChineseSystem, FirstStartWritesBuiltinFilesAndChoosesChinese)
{
    LauncherProcess launcher(folder.Exe());
    HWND frame = launcher.WaitForMainWindow();
    ASSERT_TRUE(frame);
    EXPECT_EQ(WindowTitle(frame), L"Kovrin3.0_PC");
    ExpectBuiltinFilesWritten(folder);
    EXPECT_EQ(folder.Read(L"setting.ini"), "[Setting]\r\nLanguage=" + Cp936(L"中文") + "\r\n");
}

TEST_F(ChineseSystem, StoredEnglishSettingIsHonoured)
{
    folder.Write(L"Language\\PC_Kovrin_CH.ini", BuiltinLanguageFile(L"PC_Kovrin_CH.ini"));
    folder.Write(L"Language\\PC_Kovrin_EN.ini", RetitledBuiltin(L"PC_Kovrin_EN.ini", "English title"));
    folder.Write(L"setting.ini", kEnglishSetting);

    LauncherProcess launcher(folder.Exe());
    HWND frame = launcher.WaitForMainWindow();
    ASSERT_TRUE(frame);
    EXPECT_EQ(WindowTitle(frame), L"English title");
    EXPECT_EQ(folder.Read(L"setting.ini"), kEnglishSetting);
}

TEST_F(EnglishSystem, StoredChineseSettingIsHonouredAndLocalEditsKept)
{
    const std::string edited = RetitledBuiltin(L"PC_Kovrin_CH.ini", Cp936(L"中文标题").c_str());
    folder.Write(L"Language\\PC_Kovrin_CH.ini", edited);
    folder.Write(L"setting.ini", "[Setting]\r\nLanguage=" + Cp936(L"中文") + "\r\n");

    LauncherProcess launcher(folder.Exe());
    HWND frame = launcher.WaitForMainWindow();
    ASSERT_TRUE(frame);
    EXPECT_EQ(WindowTitle(frame), L"中文标题");
    EXPECT_EQ(folder.Read(L"Language\\PC_Kovrin_CH.ini"), edited);
    EXPECT_FALSE(folder.Exists(L"Language\\PC_Kovrin_EN.ini"));
}

TEST_F(EnglishSystem, MissingLanguageRewritesBuiltinFilesAndResetsSetting)
{
    // The stored name matches no file: neither the deleted one nor, by case, the English one.
    for (const char* stored : {"Klingon", "english"}) {
        SCOPED_TRACE(stored);
        folder.Write(L"Language\\PC_Kovrin_CH.ini", "locally edited");
        folder.Write(L"Language\\PC_Kovrin_EN.ini", RetitledBuiltin(L"PC_Kovrin_EN.ini", "Edited"));
        folder.Write(L"setting.ini", std::string("[Setting]\r\nLanguage=") + stored + "\r\n");

        LauncherProcess launcher(folder.Exe());
        HWND frame = launcher.WaitForMainWindow();
        ASSERT_TRUE(frame);
        EXPECT_EQ(WindowTitle(frame), L"Kovrin3.0_PC");
        ExpectBuiltinFilesWritten(folder);
        EXPECT_EQ(folder.Read(L"setting.ini"), kEnglishSetting);
        PostMessageW(frame, WM_CLOSE, 0, 0);
        ASSERT_TRUE(launcher.WaitForExit());
    }
}

TEST_F(EnglishSystem, FirstOfTwoFilesWithTheSameNameWins)
{
    folder.Write(L"Language\\twin-a.ini", Utf8LanguageFile("Twin", "Twin A"));
    folder.Write(L"Language\\twin-b.ini", Utf8LanguageFile("Twin", "Twin B"));
    folder.Write(L"setting.ini", "[Setting]\r\nLanguage=Twin\r\n");
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW(folder.File(L"Language\\*.ini").c_str(), &found);
    ASSERT_NE(search, INVALID_HANDLE_VALUE);
    FindClose(search);
    const std::wstring expected = std::wstring(found.cFileName) == L"twin-a.ini" ? L"Twin A" : L"Twin B";

    LauncherProcess launcher(folder.Exe());
    HWND frame = launcher.WaitForMainWindow();
    ASSERT_TRUE(frame);
    EXPECT_EQ(WindowTitle(frame), expected);
    EXPECT_FALSE(folder.Exists(L"Language\\PC_Kovrin_EN.ini"));
}

TEST_F(EnglishSystem, UserAddedUtf16FileAndSettingAreRead)
{
    const std::string setting = Utf16LeWithBom(L"[Setting]\r\nLanguage=Français\r\n");
    folder.Write(L"Language\\fr.ini",
                 Utf16LeWithBom(L"[Setting]\r\nLanguage=Français\r\n\r\n[String]\r\nIDS_MAIN_TITLE=Lanceur français\r\n"));
    folder.Write(L"setting.ini", setting);

    LauncherProcess launcher(folder.Exe());
    HWND frame = launcher.WaitForMainWindow();
    ASSERT_TRUE(frame);
    EXPECT_EQ(WindowTitle(frame), L"Lanceur français");
    EXPECT_EQ(folder.Read(L"setting.ini"), setting);
    EXPECT_FALSE(folder.Exists(L"Language\\PC_Kovrin_EN.ini"));
}

TEST_F(EnglishSystem, UserAddedUtf8FileMissingTitleShowsPlaceholder)
{
    folder.Write(L"Language\\de.ini", "[Setting]\r\nLanguage=Deutsch\r\n\r\n[String]\r\nIDS_MENU_RUN=Start\r\n");
    folder.Write(L"setting.ini", "[Setting]\r\nLanguage=Deutsch\r\n");

    LauncherProcess launcher(folder.Exe());
    HWND frame = launcher.WaitForMainWindow();
    ASSERT_TRUE(frame);
    EXPECT_EQ(WindowTitle(frame), L"String Not found");
}

TEST_F(LauncherTest, SecondCopyShowsMessageAndTouchesNothing)
{
    LauncherProcess first(folder.Exe());
    ASSERT_TRUE(first.WaitForMainWindow());
    // What a second copy would rewrite if it got as far as choosing a language.
    std::filesystem::remove(folder.File(L"Language\\PC_Kovrin_CH.ini"));
    const auto settingTime = std::filesystem::last_write_time(folder.File(L"setting.ini"));
    const std::string setting = folder.Read(L"setting.ini");

    LauncherProcess second(folder.Exe());
    auto box = second.WaitForMessageBox();
    ASSERT_TRUE(box);
    EXPECT_EQ(box->caption, L"PC_Kovrin3.0");
    EXPECT_EQ(box->text, L"程序已经在运行");
    EXPECT_FALSE(second.WaitForMainWindow(500ms));
    PressMessageBoxButton(*box);
    EXPECT_TRUE(second.WaitForExit());

    EXPECT_FALSE(folder.Exists(L"Language\\PC_Kovrin_CH.ini"));
    EXPECT_EQ(std::filesystem::last_write_time(folder.File(L"setting.ini")), settingTime);
    EXPECT_EQ(folder.Read(L"setting.ini"), setting);
    EXPECT_FALSE(first.WaitForExit(0ms)) << "the first copy must go on running";
}

TEST_F(LauncherTest, StartsWhenTheInstanceNameIsHeldByAMutex)
{
    HANDLE mutex = CreateMutexW(nullptr, FALSE, L"tickets");
    ASSERT_TRUE(mutex);
    LauncherProcess launcher(folder.Exe());
    EXPECT_TRUE(launcher.WaitForMainWindow());
    EXPECT_FALSE(launcher.WaitForMessageBox(200ms));
    CloseHandle(mutex);
}

TEST_F(LauncherTest, ReadableFileOnTheCommandLineIsAccepted)
{
    folder.Write(L"notes.txt", "anything at all");
    LauncherProcess launcher(folder.Exe(), L"\"" + folder.File(L"notes.txt").wstring() + L"\"");
    EXPECT_TRUE(launcher.WaitForMainWindow());
    EXPECT_FALSE(launcher.WaitForMessageBox(300ms));
}

TEST_F(LauncherTest, UnreadableFileOnTheCommandLineIsReportedAndEndsTheProgram)
{
    const std::wstring missing = folder.File(L"no such file.kov").wstring();
    LauncherProcess launcher(folder.Exe(), L"\"" + missing + L"\"");
    auto box = launcher.WaitForMessageBox();
    ASSERT_TRUE(box);
    EXPECT_EQ(box->caption, L"PC_Kovrin3.0");
    EXPECT_NE(box->text.find(missing), std::wstring::npos) << "the message names the file: " << std::string(box->text.begin(), box->text.end());
    EXPECT_FALSE(launcher.WaitForMainWindow(300ms));
    PressMessageBoxButton(*box);
    EXPECT_TRUE(launcher.WaitForExit());
}

}  // namespace
}  // namespace e2e
