// The command pane as a user meets it: five icons clicked with the mouse, and what each does
// with the real program, the stand-in emulator and a stand-in document viewer.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "host_files.h"
#include "support/desktop_input.h"
#include "support/document_viewer.h"
#include "support/host_paths.h"
#include "support/launcher_fixture.h"
#include "support/launcher_process.h"
#include "support/program_folder.h"
#include "support/remote_list_view.h"
#include "support/session_state.h"

namespace e2e {
namespace {

namespace fs = std::filesystem;

enum Item { RunItem, HelpItem, ConfigItem, AboutItem, ExitItem };

POINT Middle(const RECT& rect) { return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}; }

std::wstring TextOf(HWND window)
{
    wchar_t text[512] = {};
    SendMessageTimeoutW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000, nullptr);
    return text;
}

std::wstring ControlText(HWND dialog, int id) { return TextOf(GetDlgItem(dialog, id)); }

// Every control's text; the fixed statics share one id, so they are read one by one.
std::vector<std::wstring> AllControlTexts(HWND dialog)
{
    std::vector<std::wstring> texts;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        texts.push_back(TextOf(child));
    return texts;
}

std::string ArtifactPath(const std::string& name) { return std::string(KOVRIN_E2E_ARTIFACTS_DIR) + "/" + name; }

class CommandPaneByMouse : public LauncherFixture {
protected:
    // Starts the program and waits until its five items are there.
    void Start()
    {
        StartAndWaitUntil([&] { return (list = CommandList(frame)) && ListItemCount(list) == 5; });
    }
    void Click(Item item, int code = LVIR_ICON) { ClickAt(Middle(ListItemScreenRect(list, item, code))); }
    std::string EmulatorLog() const { return folder.Exists(L"DeviceEmulator.log") ? folder.Read(L"DeviceEmulator.log") : ""; }
    bool NoMessageBoxFor(std::chrono::milliseconds time) const { return !launcher->WaitForMessageBox(time); }

    HWND list = nullptr;
};

}  // namespace

TEST_F(CommandPaneByMouse, ShowsTheFiveItemsInBothLanguagesAndKeepsScreenshots)
{
    ASSERT_NO_FATAL_FAILURE(Start());
    std::vector<std::wstring> texts;
    for (int item = 0; item < 5; ++item)
        texts.push_back(ListItemText(list, item));
    EXPECT_EQ(texts, (std::vector<std::wstring>{L"Star", L"Help", L"Config", L"About", L"Exit"}));
    EXPECT_TRUE(SaveScreenshot(ScreenRect(frame), ArtifactPath("main-window-english.png")));
    launcher.reset();

    folder.Write(L"setting.ini", "[Setting]\r\nLanguage=" + Cp936(L"中文") + "\r\n");
    ASSERT_NO_FATAL_FAILURE(Start());
    EXPECT_EQ(ListItemText(list, RunItem), L"启动");
    EXPECT_EQ(ListItemText(list, ExitItem), L"退出");
    EXPECT_TRUE(SaveScreenshot(ScreenRect(frame), ArtifactPath("main-window-chinese.png")));
}

TEST_F(CommandPaneByMouse, RunClickedGoesThroughAWholeSessionAndSavesTheDeviceState)
{
    folder.Write(L"PPC_ENS.dll", Scrambled("device state"));
    folder.Write(L"DeviceEmulator.control", "window_delay_ms=300\nexit_after_ms=2500\nsave= plus what the user did\n");
    ASSERT_NO_FATAL_FAILURE(Start());
    Click(RunItem);

    ASSERT_TRUE(WaitUntil([&] { return EmulatorLog().find("window shown") != std::string::npos; }))
        << "the emulator was not started: " << EmulatorLog();
    EXPECT_NE(EmulatorLog().find("arguments=/s C:\\WINDOWS\\winsetup.dess /sharedfolder F:\\"), std::string::npos);
    EXPECT_TRUE(fs::exists(kPlain)) << "the plain state is there while the emulator runs";
    EXPECT_TRUE(WaitUntil(ManagerShown))
        << "the manager was started too";

    ASSERT_TRUE(WaitUntil([&] { return !fs::exists(kPlain); }, 15s)) << "the state was not written back";
    EXPECT_EQ(folder.Read(L"PPC_ENS.dll"), Scrambled("device state plus what the user did"));
    EXPECT_TRUE(NoMessageBoxFor(500ms));
    EXPECT_TRUE(launcher->HasVisibleWindow());
}

TEST_F(CommandPaneByMouse, AClickBetweenIconsAndEnterOnASelectedItemDoNothing)
{
    ASSERT_NO_FATAL_FAILURE(Start());
    const RECT run = ListItemScreenRect(list, RunItem, LVIR_BOUNDS);
    const RECT help = ListItemScreenRect(list, HelpItem, LVIR_BOUNDS);
    ClickAt(POINT{(run.right + help.left) / 2, Middle(run).y});
    EXPECT_TRUE(NoMessageBoxFor(1500ms)) << "no command ran";
    EXPECT_EQ(EmulatorLog(), "");

    // The keyboard can select Exit, whose command would ask a question; Enter must not run it.
    PressKey(L"End");
    const int selected = static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    EXPECT_EQ(selected, ExitItem);
    PressKey(L"Return");
    EXPECT_TRUE(NoMessageBoxFor(1500ms));
    EXPECT_TRUE(launcher->HasVisibleWindow());
}

// Help asks the shell to open the document the language names, shown normally, and says nothing
// when it is missing; the portable zip as a user unpacks it (the build unpacks it before these
// tests) opens the manual it carries, in either language.
TEST_F(CommandPaneByMouse, HelpOpensTheLanguagesDocumentThroughTheShellAMissingOneSilentlyAndTheZipsManual)
{
    StandInDocumentViewer viewer;
    ASSERT_TRUE(viewer.Registered());
    ASSERT_NO_FATAL_FAILURE(Start());
    Click(HelpItem);
    EXPECT_TRUE(NoMessageBoxFor(1500ms)) << "a missing document is not reported";
    EXPECT_EQ(viewer.Log(), "");

    folder.Write(L"PC版Zemlar3.0使用手册(Ver2013.03.29).DOC", "manual");
    std::this_thread::sleep_for(700ms);
    Click(HelpItem, LVIR_LABEL);
    const std::string log = viewer.WaitForNextDocument();
    EXPECT_NE(log.find("Ver2013.03.29).DOC"), std::string::npos) << log;
    EXPECT_NE(log.find("show=1"), std::string::npos) << "shown normally: " << log;
    launcher.reset();

    const fs::path unpacked = fs::path(WorkRoot()) / L"FromZip" / L"PC_Kovrin3.0";
    const struct {
        std::string language;
        std::wstring document;
    } languages[] = {{"English", L"PC版Zemlar3.0使用手册(Ver2013.03.29).DOC"},
                     {Cp936(L"中文"), L"PCKovrin3.0Help(Ver2013.05.23).DOC"}};
    for (const auto& [language, document] : languages) {
        WriteBinaryFile(unpacked / L"setting.ini", "[Setting]\r\nLanguage=" + language + "\r\n");
        LauncherProcess zipped(unpacked / L"PC_Kovrin3.0.exe");
        HWND zippedFrame = zipped.WaitForMainWindow();
        ASSERT_TRUE(zippedFrame);
        const std::string opened = viewer.OpenHelpOf(zippedFrame);
        EXPECT_NE(opened.find(Utf8(document)), std::string::npos) << opened;
        EXPECT_TRUE(fs::exists(unpacked / document)) << "shipped beside the program";
    }
}

TEST_F(CommandPaneByMouse, AboutShowsTheLanguagesTextsAndClosesWithEscape)
{
    ASSERT_NO_FATAL_FAILURE(Start());
    Click(AboutItem);
    HWND about = launcher->WaitForDialog(L"About PC_Kovrin3.0");
    ASSERT_TRUE(about);
    EXPECT_EQ(ControlText(about, 1010), L"Kovrin3.0_PC 2013.05.23");
    EXPECT_EQ(ControlText(about, 1017), L"Kovrin Software");
    EXPECT_EQ(ControlText(about, 1013), L"Website Address:");
    EXPECT_EQ(ControlText(about, 1014), L"Phone Number:");
    const auto english = AllControlTexts(about);
    std::this_thread::sleep_for(300ms);
    EXPECT_TRUE(SaveScreenshot(ScreenRect(about), ArtifactPath("about-box-english.png")));
    PressKey(L"Escape");
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(about); }, 3s));
    launcher.reset();

    folder.Write(L"setting.ini", "[Setting]\r\nLanguage=" + Cp936(L"中文") + "\r\n");
    ASSERT_NO_FATAL_FAILURE(Start());
    Click(AboutItem);
    about = launcher->WaitForDialog(L"About PC_Kovrin3.0");
    ASSERT_TRUE(about);
    EXPECT_EQ(ControlText(about, 1013), L"公司网址：");
    EXPECT_EQ(ControlText(about, 1014), L"公司电话：");
    EXPECT_EQ(ControlText(about, 1017), L"科夫林软件有限公司");
    const auto chinese = AllControlTexts(about);
    ASSERT_EQ(chinese.size(), english.size());
    EXPECT_NE(std::find(chinese.begin(), chinese.end(), L"www.kovrin-soft.cn"), chinese.end());
    EXPECT_NE(std::find(chinese.begin(), chinese.end(), L"0571-8812 6030"), chinese.end());
    std::this_thread::sleep_for(300ms);
    EXPECT_TRUE(SaveScreenshot(ScreenRect(about), ArtifactPath("about-box-chinese.png")));
    PressKey(L"Escape");
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(about); }, 3s));
}

TEST_F(CommandPaneByMouse, ExitAnsweredNoChangesNothing)
{
    ASSERT_NO_FATAL_FAILURE(Start());
    Click(ExitItem);
    const auto question = launcher->WaitForMessageBox();
    ASSERT_TRUE(question);
    EXPECT_EQ(question->caption, L"PC_Kovrin3.0");
    EXPECT_EQ(question->text, L"Are you sure to exit Kovrin3.0_PC ?");
    PressMessageBoxButton(*question, IDNO);
    EXPECT_FALSE(launcher->WaitForExit(1500ms)) << "still running";
    EXPECT_TRUE(IsWindowVisible(frame));
    EXPECT_EQ(ListItemCount(list), 5);
}

TEST_F(CommandPaneByMouse, ExitAnsweredYesEndsTheSessionSavesTheStateAndCloses)
{
    folder.Write(L"PPC_ENS.dll", Scrambled("device state"));
    // Closed normally, the emulator saves what the user did since its last save.
    folder.Write(L"DeviceEmulator.control", "hold=0\nsave=, and saved as it closed\n");
    ASSERT_NO_FATAL_FAILURE(Start());
    Click(RunItem);
    ASSERT_TRUE(WaitUntil(DeviceShown));
    // The device changes its state while it runs.
    WriteBinaryFile(kPlain, "device state, changed");

    std::this_thread::sleep_for(700ms);
    Click(ExitItem, LVIR_LABEL);
    const auto question = launcher->WaitForMessageBox();
    ASSERT_TRUE(question);
    PressMessageBoxButton(*question, IDYES);
    EXPECT_EQ(launcher->WaitForExit(10s), std::optional<DWORD>(0));
    EXPECT_FALSE(fs::exists(kPlain));
    EXPECT_EQ(folder.Read(L"PPC_ENS.dll"), Scrambled("device state, changed, and saved as it closed"));
    EXPECT_TRUE(WaitUntil([] { return !DeviceShown(); }))
        << "the emulator was ended";
}

}  // namespace e2e
