// The main frame as the document template makes it: shape, panes, fixed size, dragging, closing.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "app/main_frame.h"
#include "app/pc_kovrin30_doc.h"
#include "framework/single_doc_template.h"
#include "panes/form_view_info.h"
#include "panes/form_view_menu.h"
#include "panes/form_view_title.h"
#include "resource.h"
#include "test_support.h"

namespace {

constexpr RECT kCentred{292, 211, 292 + 440, 211 + 346};  // on the 1024 x 768 work area

::testing::AssertionResult RectIs(const RECT& actual, const RECT& expected)
{
    if (::EqualRect(&actual, &expected))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "(" << actual.left << "," << actual.top << "," << actual.right << ","
                                         << actual.bottom << ")";
}

// Sees the messages that reach windows of this thread through SendMessage.
class SentMessages {
public:
    SentMessages() : m_hook(::SetWindowsHookExW(WH_CALLWNDPROC, &Hook, nullptr, ::GetCurrentThreadId()))
    {
        s_seen = this;
    }
    ~SentMessages()
    {
        ::UnhookWindowsHookEx(m_hook);
        s_seen = nullptr;
    }
    std::vector<CWPSTRUCT> messages;

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam)
    {
        if (code == HC_ACTION && s_seen)
            s_seen->messages.push_back(*reinterpret_cast<CWPSTRUCT*>(lParam));
        return ::CallNextHookEx(nullptr, code, wParam, lParam);
    }
    static inline SentMessages* s_seen = nullptr;
    HHOOK m_hook;
};

class MainFrame : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NE(docTemplate->OpenDocumentFile(nullptr), nullptr);
        frame = static_cast<CMainFrame*>(docTemplate->GetFrame());
        ASSERT_EQ(test::App().m_pMainWnd, frame);
    }
    void TearDown() override
    {
        if (frame->m_hWnd)
            frame->DestroyWindow();
        test::PumpMessages();
        test::App().m_pMainWnd = nullptr;
    }
    RECT Placed() const { return frame->GetWindowRect(); }
    RECT PaneRect(int row) const { return test::ChildRect(frame->m_wndSplitter.GetPane(row, 0)->m_hWnd); }

    std::unique_ptr<CSingleDocTemplate> docTemplate =
        CSingleDocTemplate::Create<CPC_Kovrin30Doc, CMainFrame>(IDR_MAINFRAME);
    CMainFrame* frame = nullptr;
};

}  // namespace

// The system keeps WS_CLIPSIBLINGS on every top-level window whatever it is set to.
static DWORD OwnStyle(const CWnd& window)
{
    return window.GetStyle() & ~static_cast<DWORD>(WS_CLIPSIBLINGS);
}

TEST_F(MainFrame, IsABorderlessSystemMenuWindowWithItsLanguageTitleAndIcon)
{
    EXPECT_EQ(OwnStyle(*frame), static_cast<DWORD>(WS_SYSMENU));
    EXPECT_EQ(frame->GetExStyle(), 0u);
    EXPECT_EQ(::GetMenu(frame->m_hWnd), nullptr);
    EXPECT_EQ(frame->GetWindowText(), L"Kovrin3.0_PC");
    EXPECT_NE(::GetClassLongPtrW(frame->m_hWnd, GCLP_HICON), 0u);
    EXPECT_NE(::GetClassLongPtrW(frame->m_hWnd, GCLP_HICONSM), 0u) << "the taskbar's small icon";

    wchar_t exe[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, exe, MAX_PATH);
    std::wstring directory = exe;
    directory.erase(directory.find_last_of(L'\\') + 1);
    EXPECT_EQ(frame->m_strAppDir, directory);

    frame->ShowWindow(SW_SHOW);
    EXPECT_EQ(OwnStyle(*frame), static_cast<DWORD>(WS_SYSMENU | WS_VISIBLE));
}

TEST_F(MainFrame, IsCentredAtItsFixedSizeBeforeItIsShown)
{
    EXPECT_FALSE(::IsWindowVisible(frame->m_hWnd));
    EXPECT_TRUE(RectIs(Placed(), kCentred));
    EXPECT_TRUE(RectIs(frame->GetClientRect(), RECT{0, 0, 440, 346}));
}

TEST_F(MainFrame, TheSplitterFillsItWithThreePanesAndTheLastTakesTheRest)
{
    HWND splitter = frame->GetDlgItem(AFX_IDW_PANE_FIRST);
    ASSERT_EQ(splitter, frame->m_wndSplitter.m_hWnd);
    EXPECT_EQ(frame->m_wndSplitter.GetStyle(), static_cast<DWORD>(WS_CHILD | WS_VISIBLE));
    EXPECT_TRUE(RectIs(test::ChildRect(splitter), RECT{0, 0, 440, 346}));

    EXPECT_NE(dynamic_cast<CFormViewTitle*>(frame->m_wndSplitter.GetPane(CMainFrame::kTitleRow, 0)), nullptr);
    EXPECT_NE(dynamic_cast<CFormViewMenu*>(frame->m_wndSplitter.GetPane(CMainFrame::kMenuRow, 0)), nullptr);
    EXPECT_NE(dynamic_cast<CFormViewInfo*>(frame->m_wndSplitter.GetPane(CMainFrame::kInfoRow, 0)), nullptr);
    EXPECT_TRUE(RectIs(PaneRect(0), RECT{0, 1, 440, 67}));
    EXPECT_TRUE(RectIs(PaneRect(1), RECT{0, 68, 440, 321}));
    EXPECT_TRUE(RectIs(PaneRect(2), RECT{0, 322, 440, 345}));  // created 20 high, 23 by layout
}

TEST_F(MainFrame, EveryResizeEndsAtTheFixedSizeCentredAgain)
{
    frame->ShowWindow(SW_SHOW);
    ::SetWindowPos(frame->m_hWnd, nullptr, 10, 10, 600, 500, SWP_NOZORDER);
    EXPECT_TRUE(RectIs(Placed(), kCentred));
    ::MoveWindow(frame->m_hWnd, 0, 0, 100, 80, TRUE);
    EXPECT_TRUE(RectIs(Placed(), kCentred));
    frame->ShowWindow(SW_MAXIMIZE);
    EXPECT_TRUE(RectIs(Placed(), kCentred));
    EXPECT_TRUE(RectIs(PaneRect(2), RECT{0, 322, 440, 345}));
}

TEST_F(MainFrame, AMoveWithoutResizeStaysWhereItWasPut)
{
    frame->ShowWindow(SW_SHOW);
    ::SetWindowPos(frame->m_hWnd, nullptr, 5, 7, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_TRUE(RectIs(Placed(), RECT{5, 7, 445, 353}));
}

TEST_F(MainFrame, MinimisingIsNotFoughtAndRestoringCentresAgain)
{
    frame->ShowWindow(SW_SHOW);
    ::SetWindowPos(frame->m_hWnd, nullptr, 5, 7, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    frame->ShowWindow(SW_MINIMIZE);
    EXPECT_TRUE(::IsIconic(frame->m_hWnd));
    // The system parks a minimised window where it likes (bottom left on this desktop);
    // forcing the size and centring then would drag it into the middle of the screen.
    RECT minimised = Placed();
    const int width = minimised.right - minimised.left;
    const int height = minimised.bottom - minimised.top;
    EXPECT_LT(width, 440);
    EXPECT_FALSE(minimised.left == (1024 - width) / 2 && minimised.top == (768 - height) / 2);

    frame->ShowWindow(SW_RESTORE);
    EXPECT_FALSE(::IsIconic(frame->m_hWnd));
    EXPECT_TRUE(RectIs(Placed(), kCentred));
}

TEST_F(MainFrame, TheDragMessageStartsTheSystemsCaptionMove)
{
    frame->ShowWindow(SW_SHOW);
    ::SetForegroundWindow(frame->m_hWnd);
    ::SetActiveWindow(frame->m_hWnd);
    SentMessages seen;
    frame->PostMessage(WM_KEYDOWN, VK_ESCAPE, 0);  // ends the move loop once it runs
    EXPECT_EQ(frame->SendMessage(WM_DRAG_MAINFRAME, 0, 0), 0);

    bool captionPress = false;
    bool moveCommand = false;
    bool moveLoop = false;
    for (const CWPSTRUCT& message : seen.messages) {
        if (message.hwnd != frame->m_hWnd)
            continue;
        captionPress = captionPress || (message.message == WM_NCLBUTTONDOWN && message.wParam == HTCAPTION);
        moveCommand = moveCommand || (message.message == WM_SYSCOMMAND && message.wParam == (SC_MOVE | HTCAPTION));
        moveLoop = moveLoop || message.message == WM_ENTERSIZEMOVE;
    }
    EXPECT_TRUE(captionPress);
    EXPECT_TRUE(moveCommand);
    EXPECT_TRUE(moveLoop);
}

TEST_F(MainFrame, TheFixedSplitterShowsNoSizingCursorAndKeepsItsRows)
{
    CFixSplitterWnd& splitter = frame->m_wndSplitter;
    ::SetCursor(::LoadCursorW(nullptr, IDC_ARROW));
    const LPARAM gap = MAKELPARAM(100, 67);  // between the title and the command pane

    splitter.SendMessage(WM_MOUSEMOVE, 0, gap);
    EXPECT_EQ(::GetCursor(), ::LoadCursorW(nullptr, IDC_ARROW));
    splitter.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, gap);
    splitter.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(100, 150));
    splitter.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(100, 150));

    EXPECT_EQ(::GetCapture(), nullptr);
    EXPECT_TRUE(RectIs(PaneRect(0), RECT{0, 1, 440, 67}));
    EXPECT_TRUE(RectIs(PaneRect(1), RECT{0, 68, 440, 321}));
    EXPECT_TRUE(RectIs(PaneRect(2), RECT{0, 322, 440, 345}));
}

TEST_F(MainFrame, ClosingDestroysTheFrameAndEndsTheLoop)
{
    HWND hwnd = frame->m_hWnd;
    frame->ShowWindow(SW_SHOW);
    frame->SendMessage(WM_SYSCOMMAND, SC_CLOSE, 0);  // what Alt+F4 does
    EXPECT_FALSE(::IsWindow(hwnd));
    EXPECT_EQ(test::App().m_pMainWnd, nullptr);
    EXPECT_EQ(test::PumpMessages(), std::optional<int>(0));
}

namespace {

class DragRecorder : public test::HostWindow {
public:
    std::vector<std::pair<WPARAM, LPARAM>> drags;

protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override
    {
        if (msg == WM_DRAG_MAINFRAME) {
            drags.emplace_back(wParam, lParam);
            return 0;
        }
        return HostWindow::WindowProc(msg, wParam, lParam);
    }
};

}  // namespace

TEST(TitlePane, APressOnThePaneButNotOnAControlAsksTheMainWindowToDrag)
{
    DragRecorder mainWindow;
    ASSERT_TRUE(mainWindow.CreateHost(440, 346));
    test::App().m_pMainWnd = &mainWindow;
    CFormViewTitle pane;
    ASSERT_TRUE(pane.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, RECT{0, 1, 440, 67}, &mainWindow, 1));

    pane.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(30, 30));
    pane.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(30, 30));
    HWND button = pane.GetDlgItem(IDC_BUTTON_EXIT);
    {
        test::MessageBoxWatcher watcher(IDNO);  // the exit question, answered No
        ::SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
        ::SendMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    }
    test::App().m_pMainWnd = nullptr;

    ASSERT_EQ(mainWindow.drags.size(), 1u);
    EXPECT_EQ(mainWindow.drags[0], (std::pair<WPARAM, LPARAM>{0, 0}));
}
