// Earlier device states as a user meets them: sessions that change the state, an emulator that
// leaves an empty file and one that leaves half a file, then Config, Earlier states and Restore
// of the state before them, and a Run that finds that state.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <filesystem>
#include <string>
#include <thread>

#include "support/desktop_input.h"
#include "support/launcher_fixture.h"
#include "support/remote_list_view.h"
#include "support/session_state.h"

namespace e2e {
namespace {

namespace fs = std::filesystem;

constexpr int kConfigItem = 2;
constexpr int kRunItem = 0;
constexpr int kEarlierStatesButton = 1020;

std::string State(int starts) { return "device\nstarts=" + std::to_string(starts) + "\n"; }

std::string ArtifactPath(const std::string& name) { return std::string(KOVRIN_E2E_ARTIFACTS_DIR) + "/" + name; }

POINT Middle(const RECT& rect) { return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}; }

class EarlierStates : public LauncherFixture {
protected:
    void Start()
    {
        StartAndWaitUntil([&] { return (list = CommandList(frame)) && ListItemCount(list) == 5; });
    }
    int EmulatorEnds() const { return EmulatorLogCount(folder.Path(), "ended"); }
    // One Run whose emulator saves as `control` says and closes by itself.
    void Session(const std::string& control)
    {
        folder.Write(L"DeviceEmulator.control", "exit_after_ms=300\n" + control);
        const int ended = EmulatorEnds();
        std::this_thread::sleep_for(700ms);  // not one double click with the last
        ClickAt(Middle(ListItemScreenRect(list, kRunItem, LVIR_ICON)));
        ASSERT_TRUE(WaitUntil([&] { return EmulatorEnds() == ended + 1; }, 15s)) << "the emulator did not run";
        ASSERT_TRUE(WaitUntil([&] { return !fs::exists(kPlain); }, 10s)) << "the session did not end";
    }
    // Config, then its Earlier states button; a screenshot of what it opens.
    HWND OpenEarlierStates(const std::wstring& configCaption, const std::wstring& caption, const std::string& language)
    {
        std::this_thread::sleep_for(700ms);
        ClickAt(Middle(ListItemScreenRect(list, kConfigItem, LVIR_ICON)));
        config = launcher->WaitForDialog(configCaption);
        if (!config)
            return nullptr;
        ClickAt(Middle(ScreenRect(GetDlgItem(config, kEarlierStatesButton))));
        HWND dialog = launcher->WaitForDialog(caption);
        if (dialog) {
            std::this_thread::sleep_for(300ms);
            SaveScreenshot(ScreenRect(dialog), ArtifactPath("earlier-states-" + language + ".png"));
        }
        return dialog;
    }

    HWND list = nullptr;
    HWND config = nullptr;
};

TEST_F(EarlierStates, BrokenSavesDoNotReplaceTheStateAndAnEarlierOneCanBeRestored)
{
    const fs::path emulation = folder.File(L"PPC_ENS.dll");
    folder.Write(L"PPC_ENS.dll", Scrambled(State(0)));
    ASSERT_NO_FATAL_FAILURE(Start());
    for (int session = 1; session <= 3; ++session) {
        ASSERT_NO_FATAL_FAILURE(Session("end_save=full\n"));
        EXPECT_EQ(folder.Read(L"PPC_ENS.dll"), Scrambled(State(session)));
    }

    // An empty file: kept aside, the state before it stays, and the user is told both.
    folder.Write(L"DeviceEmulator.control", "exit_after_ms=300\nend_save=empty\n");
    ClickAt(Middle(ListItemScreenRect(list, kRunItem, LVIR_ICON)));
    auto box = launcher->WaitForMessageBox(20s);
    ASSERT_TRUE(box) << "no word of the empty save";
    EXPECT_NE(box->text.find(emulation.wstring()), std::wstring::npos) << box->text;
    const auto kept = box->text.find(kPlain.wstring() + L".unsaved-");
    ASSERT_NE(kept, std::wstring::npos) << box->text;
    const fs::path keptAs = box->text.substr(kept, kPlain.wstring().size() + 12);
    PressMessageBoxButton(*box);
    ASSERT_TRUE(WaitUntil([&] { return !fs::exists(kPlain); }, 10s));
    EXPECT_TRUE(fs::exists(keptAs) && fs::file_size(keptAs) == 0) << keptAs;
    EXPECT_EQ(folder.Read(L"PPC_ENS.dll"), Scrambled(State(3)));

    // Half a file: a shorter state may be right, so it goes back; the one before is kept.
    ASSERT_NO_FATAL_FAILURE(Session("end_save=half\n"));
    EXPECT_EQ(folder.Read(L"PPC_ENS.dll"), Scrambled(State(4).substr(0, State(4).size() / 2)));
    EXPECT_FALSE(fs::exists(kPlain.wstring() + L".tmp")) << "the emulator's temporary file went with the plain state";

    HWND dialog = OpenEarlierStates(L"Software Config", L"Earlier states", "english");
    ASSERT_TRUE(dialog);
    const HWND states = GetDlgItem(dialog, 1021);
    ASSERT_EQ(ListItemCount(states), 3) << "the newest three of four";
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    ASSERT_TRUE(GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &thread));
    EXPECT_EQ(thread.hwndFocus, states) << "the list has the focus";
    PressKey(L"Return");  // restores the selected one, the newest: the state before the torn save
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }, 5s));
    EXPECT_EQ(folder.Read(L"PPC_ENS.dll"), Scrambled(State(3)));
    PressKey(L"Escape");
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(config); }, 3s));

    // The emulator now starts on the restored state and counts on from it.
    ASSERT_NO_FATAL_FAILURE(Session("end_save=full\n"));
    EXPECT_EQ(folder.Read(L"PPC_ENS.dll"), Scrambled(State(4)));
    launcher.reset();

    // The same dialogs in Chinese, over the Chinese emulation file's earlier states.
    folder.Write(L"setting.ini", "[Setting]\r\nLanguage=" + Cp936(L"中文") + "\r\n");
    for (const auto& entry : fs::directory_iterator(folder.File(L"Earlier states"))) {
        std::wstring name = entry.path().filename().wstring();
        fs::copy_file(entry.path(), entry.path().parent_path() / name.replace(0, 7, L"PPC_CHS"));
    }
    ASSERT_NO_FATAL_FAILURE(Start());
    dialog = OpenEarlierStates(L"软件配置", L"以前的状态", "chinese");
    ASSERT_TRUE(dialog);
    EXPECT_EQ(ListItemCount(GetDlgItem(dialog, 1021)), 3);
    PressKey(L"Escape");
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }, 3s));
    PressKey(L"Escape");
}

}  // namespace
}  // namespace e2e
