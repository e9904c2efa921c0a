// The main window from outside: size, place, style, panes, and the ways a user may try to
// resize, move or close it.
#include <gtest/gtest.h>

#include <windows.h>

#include <thread>

#include "support/desktop_input.h"
#include "support/launcher_process.h"
#include "support/program_folder.h"
#include "support/rect_print.h"

namespace e2e {
namespace {

constexpr RECT kCentred{292, 211, 732, 557};  // 440 x 346 centred on the 1024 x 768 work area

RECT WaitForRect(HWND window, const RECT& wanted)
{
    RECT rect{};
    for (int i = 0; i < 40; ++i) {
        rect = ScreenRect(window);
        if (rect == wanted)
            break;
        std::this_thread::sleep_for(50ms);
    }
    return rect;
}

class MainWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        EndStrayLaunchers();
        launcher.emplace(folder.Exe());
        frame = launcher->WaitForMainWindow();
        ASSERT_TRUE(frame);
    }

    ProgramFolder folder{L"MainWindow"};
    std::optional<LauncherProcess> launcher;
    HWND frame = nullptr;
};

TEST_F(MainWindow, IsCaptionlessFixedSizeAndCentred)
{
    EXPECT_EQ(ScreenRect(frame), kCentred);
    const LONG style = GetWindowLongW(frame, GWL_STYLE);
    EXPECT_EQ(style & ~(WS_VISIBLE | WS_CLIPSIBLINGS), WS_SYSMENU) << std::hex << style;
    EXPECT_EQ(GetWindowLongW(frame, GWL_EXSTYLE), 0);
    EXPECT_EQ(GetMenu(frame), nullptr);
    RECT client{};
    GetClientRect(frame, &client);
    EXPECT_EQ(client, (RECT{0, 0, 440, 346})) << "no caption or border takes room";
    EXPECT_EQ(WindowTitle(frame), L"Kovrin3.0_PC");
}

TEST_F(MainWindow, HasThreeStackedPanesOfFixedHeights)
{
    const auto panes = PaneRects(frame);
    ASSERT_EQ(panes.size(), 3u);
    EXPECT_EQ(panes[0], (RECT{0, 1, 440, 67}));
    EXPECT_EQ(panes[1], (RECT{0, 68, 440, 321}));
    EXPECT_EQ(panes[2], (RECT{0, 322, 440, 345}));
}

TEST_F(MainWindow, RefusesEveryResize)
{
    SetWindowPos(frame, nullptr, 10, 10, 700, 500, SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(WaitForRect(frame, kCentred), kCentred);
    MoveWindow(frame, 0, 0, 200, 100, TRUE);
    EXPECT_EQ(WaitForRect(frame, kCentred), kCentred);
    ShowWindowAsync(frame, SW_MAXIMIZE);
    EXPECT_EQ(WaitForRect(frame, kCentred), kCentred);
    ShowWindowAsync(frame, SW_RESTORE);
    EXPECT_EQ(WaitForRect(frame, kCentred), kCentred);
    EXPECT_EQ(PaneRects(frame).back(), (RECT{0, 322, 440, 345}));
}

TEST_F(MainWindow, DraggingTheTitlePaneMovesTheWindow)
{
    BringToFront(frame);
    MouseDrag({kCentred.left + 150, kCentred.top + 30}, {kCentred.left + 50, kCentred.top + 90});
    const RECT moved{kCentred.left - 100, kCentred.top + 60, kCentred.right - 100, kCentred.bottom + 60};
    EXPECT_EQ(WaitForRect(frame, moved), moved);

    // A later size change puts it back in the centre.
    SetWindowPos(frame, nullptr, 0, 0, 500, 400, SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
    EXPECT_EQ(WaitForRect(frame, kCentred), kCentred);
}

TEST_F(MainWindow, GapsBetweenPanesShowNoSizingCursorAndCannotBeDragged)
{
    BringToFront(frame);
    const POINT gap{kCentred.left + 200, kCentred.top + 67};
    // The ordinary arrow is what the panes show; a sizing cursor would differ from it.
    const HCURSOR arrow = CursorAfterMovingTo({kCentred.left + 200, kCentred.top + 150});
    EXPECT_EQ(CursorAfterMovingTo(gap), arrow);
    EXPECT_EQ(CursorAfterMovingTo({gap.x, kCentred.top + 321}), arrow);
    const auto before = PaneRects(frame);
    MouseDrag(gap, {gap.x, gap.y + 80});
    EXPECT_EQ(PaneRects(frame), before);
    EXPECT_EQ(ScreenRect(frame), kCentred) << "a press on a gap does not move the window";
}

TEST_F(MainWindow, AltF4ClosesTheProgram)
{
    PressAltF4(frame);
    EXPECT_EQ(launcher->WaitForExit(), std::optional<DWORD>(0));
}

}  // namespace
}  // namespace e2e
