// The title row and the configuration dialog as a user meets them: the buttons on the banner,
// dragging, minimising, the menu and exit buttons, and both ways of switching the language,
// also while a session runs.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <filesystem>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "host_files.h"
#include "support/desktop_input.h"
#include "support/host_paths.h"
#include "support/launcher_fixture.h"
#include "support/launcher_process.h"
#include "support/program_folder.h"
#include "support/remote_list_view.h"
#include "support/session_state.h"

namespace e2e {
namespace {

namespace fs = std::filesystem;

constexpr int kCombo = 1001, kMenuButton = 1002, kExitButton = 1003, kMinimizeButton = 1004, kCommandList = 1007;

HWND PaneWith(HWND frame, int controlId)
{
    HWND splitter = GetWindow(frame, GW_CHILD);
    for (HWND pane = splitter ? GetWindow(splitter, GW_CHILD) : nullptr; pane; pane = GetWindow(pane, GW_HWNDNEXT)) {
        if (GetDlgItem(pane, controlId))
            return pane;
    }
    return nullptr;
}

POINT Middle(const RECT& rect) { return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}; }

std::string ArtifactPath(const std::string& name) { return std::string(KOVRIN_E2E_ARTIFACTS_DIR) + "/" + name; }

// Pixels of rect on the screen that have exactly this colour.
int ScreenPixelsOf(const RECT& rect, COLORREF color)
{
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    GdiFlush();
    int count = 0;
    for (int i = 0; i < width * height; ++i) {
        const DWORD pixel = static_cast<const DWORD*>(bits)[i];
        count += RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF) == color;
    }
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return count;
}

// An English language file under another name, with its own device entry.
std::string LanguageNamed(const std::string& name, const std::string& device)
{
    std::string file = BuiltinLanguageFile(L"PC_Kovrin_EN.ini");
    file.replace(file.find("Language=English"), 16, "Language=" + name);
    const size_t device_at = file.find("IDS_PCKovrin_DeviceFile=2052");
    file.replace(device_at, 28, "IDS_PCKovrin_DeviceFile=" + device);
    return file;
}

class TitleRow : public LauncherFixture {
protected:
    void Start()
    {
        StartAndWaitUntil([&] {
            title = PaneWith(frame, kCombo);
            list = PaneWith(frame, kCommandList) ? GetDlgItem(PaneWith(frame, kCommandList), kCommandList) : nullptr;
            return title && list && ListItemCount(list) == 5;
        });
    }
    RECT Control(int id) const { return ScreenRect(GetDlgItem(title, id)); }
    // The empty sixth place of the command grid: over no button and no command.
    POINT OffTheButtons() const { return POINT{ScreenRect(frame).right - 70, ScreenRect(frame).top + 270}; }
    static POINT NextTo(POINT point) { return POINT{point.x + 1, point.y + 1}; }
    void ClickControl(int id) const { ClickAt(Middle(Control(id))); }
    bool RunUntilTheDeviceShows() const
    {
        ClickAt(Middle(ListItemScreenRect(list, 0, LVIR_ICON)));
        return WaitUntil(DeviceShown);
    }
    // No button shows a face of its own on the banner.
    int GrayOnButtons() const
    {
        int gray = 0;
        for (int id : {kMenuButton, kMinimizeButton, kExitButton})
            gray += ScreenPixelsOf(Control(id), GetSysColor(COLOR_BTNFACE));
        return gray;
    }
    // Opens the drop-down with the mouse and clicks the entry at index (the list is sorted).
    void ChooseLanguage(int index, HWND combo = nullptr) const
    {
        ClickAt(Middle(ScreenRect(combo ? combo : GetDlgItem(title, kCombo))));
        HWND dropped = launcher->WaitForWindowOfClass(L"ComboLBox");
        ASSERT_TRUE(dropped);
        const int height = static_cast<int>(SendMessageW(dropped, LB_GETITEMHEIGHT, 0, 0));
        const RECT box = ScreenRect(dropped);
        ClickAt(POINT{box.left + 10, box.top + 1 + index * height + height / 2});
    }
    std::string Setting() const { return folder.Read(L"setting.ini"); }

    HWND title = nullptr;
    HWND list = nullptr;
};

}  // namespace

TEST_F(TitleRow, TheButtonsShowTheBannerIdleHoveredAfterMinimisingAndBeingCovered)
{
    ASSERT_NO_FATAL_FAILURE(Start());
    EXPECT_EQ(GrayOnButtons(), 0);
    ClickAt(Middle(Control(kMinimizeButton)));
    EXPECT_TRUE(WaitUntil([&] { return IsIconic(frame) != FALSE; }, 3s)) << "minimised";
    ShowWindow(frame, SW_RESTORE);
    BringToFront(frame);
    EXPECT_EQ(GrayOnButtons(), 0) << "after restoring";

    // Another window over the title row, then gone.
    HWND cover = CreateWindowExW(WS_EX_TOPMOST, L"STATIC", L"", WS_POPUP | WS_VISIBLE, ScreenRect(frame).left,
                                 ScreenRect(frame).top, 440, 120, nullptr, nullptr, nullptr, nullptr);
    std::this_thread::sleep_for(300ms);
    DestroyWindow(cover);
    std::this_thread::sleep_for(500ms);
    EXPECT_EQ(GrayOnButtons(), 0) << "after being covered";

    MoveMouseTo(OffTheButtons());
    SaveScreenshot(ScreenRect(frame), ArtifactPath("main-window-english-idle.png"));
    SetCursorPos(Middle(Control(kExitButton)).x, Middle(Control(kExitButton)).y);
    ClickAt(Middle(Control(kExitButton)));  // a real move onto it; the question that follows is answered No
    if (auto question = launcher->WaitForMessageBox(3s))
        PressMessageBoxButton(*question, IDNO);
    MoveMouseTo(NextTo(Middle(Control(kExitButton))));  // back on it once the question is gone
    EXPECT_TRUE(SaveScreenshot(ScreenRect(frame), ArtifactPath("main-window-english-hover.png")));
    EXPECT_EQ(GrayOnButtons(), 0) << "hovered";
    launcher.reset();

    folder.Write(L"setting.ini", "[Setting]\r\nLanguage=" + Cp936(L"中文") + "\r\n");
    ASSERT_NO_FATAL_FAILURE(Start());
    EXPECT_EQ(GrayOnButtons(), 0);
    MoveMouseTo(OffTheButtons());
    SaveScreenshot(ScreenRect(frame), ArtifactPath("main-window-chinese-idle.png"));
    ClickAt(Middle(Control(kExitButton)));
    if (auto question = launcher->WaitForMessageBox(3s))
        PressMessageBoxButton(*question, IDNO);
    MoveMouseTo(NextTo(Middle(Control(kExitButton))));
    EXPECT_TRUE(SaveScreenshot(ScreenRect(frame), ArtifactPath("main-window-chinese-hover.png")));
}

TEST_F(TitleRow, TheBannerAndTheTitleDragTheWindowAButtonDoesNot)
{
    ASSERT_NO_FATAL_FAILURE(Start());
    const RECT start = ScreenRect(frame);
    MouseDrag({start.left + 260, start.top + 55}, {start.left + 200, start.top + 95});
    RECT moved = ScreenRect(frame);
    EXPECT_EQ(moved.left - start.left, -60) << "from the banner";
    EXPECT_EQ(moved.top - start.top, 40);

    MouseDrag({moved.left + 60, moved.top + 30}, {moved.left + 100, moved.top + 30});
    EXPECT_EQ(ScreenRect(frame).left - moved.left, 40) << "from the painted title";

    const RECT before = ScreenRect(frame);
    const POINT menu = Middle(Control(kMenuButton));
    MouseDrag(menu, {menu.x - 80, menu.y + 60});  // released away from the button: no click either
    EXPECT_EQ(ScreenRect(frame).left, before.left);
    EXPECT_EQ(ScreenRect(frame).top, before.top);
}

TEST_F(TitleRow, TheMenuButtonOpensTheAboutBoxAndTheExitButtonAsksFirst)
{
    ASSERT_NO_FATAL_FAILURE(Start());
    ClickControl(kMenuButton);
    HWND popup = launcher->WaitForWindowOfClass(L"#32768");
    ASSERT_TRUE(popup);
    const RECT where = ScreenRect(popup), button = Control(kMenuButton);
    EXPECT_EQ(where.left, button.right - 30);
    EXPECT_EQ(where.top, button.bottom);
    ClickAt(POINT{where.left + 20, where.top + 8});
    HWND about = launcher->WaitForDialog(L"About PC_Kovrin3.0");
    ASSERT_TRUE(about);
    PressKey(L"Escape");
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(about); }, 3s));

    std::this_thread::sleep_for(700ms);
    ClickControl(kExitButton);
    auto question = launcher->WaitForMessageBox();
    ASSERT_TRUE(question);
    EXPECT_EQ(question->text, L"Are you sure to exit Kovrin3.0_PC ?");
    PressMessageBoxButton(*question, IDNO);
    EXPECT_FALSE(launcher->WaitForExit(1s));
    std::this_thread::sleep_for(700ms);
    ClickControl(kExitButton);
    question = launcher->WaitForMessageBox();
    ASSERT_TRUE(question);
    PressMessageBoxButton(*question, IDYES);
    EXPECT_EQ(launcher->WaitForExit(), std::optional<DWORD>(0));
}

TEST_F(TitleRow, SwitchingDuringASessionSavesTheStateWhereItCameFromAndChangesEveryText)
{
    folder.Write(L"PPC_ENS.dll", Scrambled("english device"));
    folder.Write(L"PPC_CHS.dll", Scrambled("chinese device"));
    folder.Write(L"DeviceEmulator.control", "hold=0\nsave=, saved as it closed\n");
    ASSERT_NO_FATAL_FAILURE(Start());
    ASSERT_TRUE(RunUntilTheDeviceShows());
    WriteBinaryFile(kPlain, "english device, changed");
    const int whiteBefore = ScreenPixelsOf(ScreenRect(title), RGB(255, 255, 255));

    ChooseLanguage(1);  // English, 中文
    EXPECT_TRUE(WaitUntil([] { return !DeviceShown(); }))
        << "the emulator was ended";
    EXPECT_TRUE(WaitUntil([] { return !ManagerShown(); }));
    ASSERT_TRUE(WaitUntil([] { return !fs::exists(kPlain); }, 8s)) << "the next tick ends the session";
    EXPECT_EQ(folder.Read(L"PPC_ENS.dll"), Scrambled("english device, changed, saved as it closed"));
    EXPECT_EQ(folder.Read(L"PPC_CHS.dll"), Scrambled("chinese device"));
    EXPECT_EQ(ListItemText(list, 0), L"启动");
    EXPECT_EQ(WindowTitle(frame), L"Kovrin3.0_PC");
    EXPECT_NE(Setting().find("Language=" + Cp936(L"中文")), std::string::npos);
    EXPECT_NE(ScreenPixelsOf(ScreenRect(title), RGB(255, 255, 255)), whiteBefore) << "the label changed";

    // The next Run takes the new language's state.
    std::this_thread::sleep_for(700ms);
    ASSERT_TRUE(RunUntilTheDeviceShows());
    EXPECT_EQ(ReadBinaryFile(kPlain), "chinese device");
}

TEST_F(TitleRow, AnEmulatorHoldingOnPastTheWaitIsEndedAndTheStateAsItWasGoesBack)
{
    folder.Write(L"PPC_ENS.dll", Scrambled("english device"));
    folder.Write(L"DeviceEmulator.control", "hold=0\nrefuse_close=1\nsave=, never saved\n");
    ASSERT_NO_FATAL_FAILURE(Start());
    ASSERT_TRUE(RunUntilTheDeviceShows());
    WriteBinaryFile(kPlain, "english device, as it was");

    ChooseLanguage(1);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowEnabled(frame); }, 3s)) << "the launcher shows that it waits";
    EXPECT_TRUE(IsWindowVisible(frame));
    ASSERT_TRUE(WaitUntil([] { return !DeviceShown(); }, 45s));
    EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(frame) != FALSE; }, 3s));
    ASSERT_TRUE(WaitUntil([] { return !fs::exists(kPlain); }, 8s));
    EXPECT_EQ(folder.Read(L"PPC_ENS.dll"), Scrambled("english device, as it was"));
    EXPECT_NE(folder.Read(L"DeviceEmulator.log").find("close refused"), std::string::npos);
}

TEST_F(TitleRow, TheSwitchMovesTheDeviceEntryOrSaysWhyItCannot)
{
    folder.Write(L"Language\\us.ini", LanguageNamed("English US", "1033"));
    fs::create_directories(folder.File(L"2052"));
    ASSERT_NO_FATAL_FAILURE(Start());
    ChooseLanguage(1);  // English, English US, 中文
    EXPECT_TRUE(WaitUntil([&] { return folder.Exists(L"1033"); }, 3s));
    EXPECT_FALSE(folder.Exists(L"2052"));

    fs::create_directories(folder.File(L"2052"));
    std::this_thread::sleep_for(700ms);
    ChooseLanguage(0);
    auto box = launcher->WaitForMessageBox();
    ASSERT_TRUE(box);
    EXPECT_NE(box->text.find(L"1033"), std::wstring::npos) << box->text;
    PressMessageBoxButton(*box);
    EXPECT_TRUE(folder.Exists(L"1033") && folder.Exists(L"2052")) << "nothing moved";
    EXPECT_EQ(ListItemText(list, 0), L"Star") << "the rest of the switch took place";
}

TEST_F(TitleRow, ConfigOkAndCancelLeaveARunningSessionRunning)
{
    folder.Write(L"PPC_ENS.dll", Scrambled("device"));
    folder.Write(L"DeviceEmulator.control", "hold=0\n");
    ASSERT_NO_FATAL_FAILURE(Start());
    ASSERT_TRUE(RunUntilTheDeviceShows());

    std::this_thread::sleep_for(700ms);
    ClickAt(Middle(ListItemScreenRect(list, 2, LVIR_ICON)));
    HWND dialog = launcher->WaitForDialog(L"Software Config");
    ASSERT_TRUE(dialog);
    EXPECT_TRUE(SaveScreenshot(ScreenRect(dialog), ArtifactPath("config-dialog-english.png")));
    PressKey(L"Escape");
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }, 3s));
    EXPECT_EQ(ListItemText(list, 0), L"Star");

    std::this_thread::sleep_for(700ms);
    ClickAt(Middle(ListItemScreenRect(list, 2, LVIR_LABEL)));
    dialog = launcher->WaitForDialog(L"Software Config");
    ASSERT_TRUE(dialog);
    ChooseLanguage(1, GetDlgItem(dialog, kCombo));
    PressKey(L"Return");  // OK is the default button
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }, 3s));
    EXPECT_EQ(ListItemText(list, 0), L"启动");
    EXPECT_NE(Setting().find("Language=" + Cp936(L"中文")), std::string::npos);
    std::this_thread::sleep_for(2500ms);
    EXPECT_TRUE(DeviceWindow()) << "still running";
    EXPECT_TRUE(fs::exists(kPlain));

    std::this_thread::sleep_for(700ms);
    ClickAt(Middle(ListItemScreenRect(list, 2, LVIR_ICON)));
    dialog = launcher->WaitForDialog(L"软件配置");
    ASSERT_TRUE(dialog);
    EXPECT_TRUE(SaveScreenshot(ScreenRect(dialog), ArtifactPath("config-dialog-chinese.png")));
    PressKey(L"Escape");
}

}  // namespace e2e
