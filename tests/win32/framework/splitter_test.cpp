// CSplitterWnd with its base values: layout, painting, gap tracking, pane order and ownership.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "framework/splitter_wnd.h"
#include "test_support.h"

namespace {

class TestPane : public CWnd {
public:
    TestPane(int row, std::vector<int>* updates, bool* destroyed = nullptr)
        : m_row(row), m_updates(updates), m_destroyed(destroyed) {}
    ~TestPane() override
    {
        if (m_destroyed)
            *m_destroyed = true;
    }
    void RunInitialUpdate() override
    {
        if (m_updates)
            m_updates->push_back(m_row);
    }

private:
    int m_row;
    std::vector<int>* m_updates;
    bool* m_destroyed;
};

bool SameRect(const RECT& a, const RECT& b)
{
    return ::EqualRect(&a, &b) != FALSE;
}

::testing::AssertionResult PaneAt(const CSplitterWnd& splitter, int row, int col, RECT expected)
{
    CWnd* pane = splitter.GetPane(row, col);
    if (!pane || !pane->m_hWnd)
        return ::testing::AssertionFailure() << "no pane " << row << "," << col;
    RECT actual = test::ChildRect(pane->m_hWnd);
    if (SameRect(actual, expected))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "pane " << row << "," << col << " is (" << actual.left << ","
                                         << actual.top << "," << actual.right << "," << actual.bottom << ")";
}

// Three rows in a 400 x 300 host, created with heights 50, 100 and 20.
class ThreeRows : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(host.CreateHost(400, 300));
        ASSERT_TRUE(splitter.CreateStatic(&host, 3, 1));
        ASSERT_TRUE(splitter.CreateView(0, 0, std::make_unique<TestPane>(0, nullptr), SIZE{400, 50}, nullptr));
        ASSERT_TRUE(splitter.CreateView(1, 0, std::make_unique<TestPane>(1, nullptr), SIZE{400, 100}, nullptr));
        ASSERT_TRUE(splitter.CreateView(2, 0, std::make_unique<TestPane>(2, nullptr), SIZE{400, 20}, nullptr));
        ::SetCursor(::LoadCursorW(nullptr, IDC_ARROW));
    }
    void TearDown() override
    {
        if (::GetCapture())
            ::ReleaseCapture();
    }

    void Mouse(UINT msg, int x, int y)
    {
        splitter.SendMessage(msg, msg == WM_MOUSEMOVE ? 0 : MK_LBUTTON, MAKELPARAM(x, y));
    }
    int Height(int row)
    {
        int current = 0;
        int ideal = 0;
        splitter.GetRowInfo(row, current, ideal);
        return current;
    }

    test::HostWindow host;
    CSplitterWnd splitter;
};

}  // namespace

TEST_F(ThreeRows, RowsTakeTheirIdealHeightsAndTheLastTakesTheRest)
{
    EXPECT_EQ(::GetDlgCtrlID(splitter.m_hWnd), AFX_IDW_PANE_FIRST);
    // Border 2 all round, gaps of 7.
    EXPECT_TRUE(PaneAt(splitter, 0, 0, RECT{2, 2, 398, 52}));
    EXPECT_TRUE(PaneAt(splitter, 1, 0, RECT{2, 59, 398, 159}));
    EXPECT_TRUE(PaneAt(splitter, 2, 0, RECT{2, 166, 398, 298}));
    EXPECT_EQ(::GetDlgCtrlID(splitter.GetPane(1, 0)->m_hWnd), static_cast<int>(splitter.IdFromRowCol(1, 0)));
}

TEST_F(ThreeRows, LayoutFollowsTheSizeAndNeverGoesNegative)
{
    splitter.MoveWindow(0, 0, 300, 200);
    EXPECT_TRUE(PaneAt(splitter, 2, 0, RECT{2, 166, 298, 198}));

    splitter.MoveWindow(0, 0, 300, 80);  // the ideal heights no longer fit
    EXPECT_TRUE(PaneAt(splitter, 0, 0, RECT{2, 2, 298, 52}));
    EXPECT_TRUE(PaneAt(splitter, 1, 0, RECT{2, 59, 298, 78}));
    EXPECT_EQ(Height(2), 0);
}

TEST_F(ThreeRows, DraggingAGapResizesTheTwoRowsBesideIt)
{
    Mouse(WM_MOUSEMOVE, 100, 55);
    EXPECT_EQ(::GetCursor(), ::LoadCursorW(nullptr, IDC_SIZENS));

    Mouse(WM_LBUTTONDOWN, 100, 55);
    EXPECT_EQ(::GetCapture(), splitter.m_hWnd);
    Mouse(WM_MOUSEMOVE, 100, 75);
    Mouse(WM_LBUTTONUP, 100, 75);

    EXPECT_EQ(::GetCapture(), nullptr);
    EXPECT_TRUE(PaneAt(splitter, 0, 0, RECT{2, 2, 398, 72}));
    EXPECT_TRUE(PaneAt(splitter, 1, 0, RECT{2, 79, 398, 159}));
    EXPECT_TRUE(PaneAt(splitter, 2, 0, RECT{2, 166, 398, 298}));
}

TEST_F(ThreeRows, TrackingStopsAtTheNeighboursAndCanBeCancelled)
{
    Mouse(WM_LBUTTONDOWN, 100, 55);
    Mouse(WM_MOUSEMOVE, 100, 1000);
    Mouse(WM_LBUTTONUP, 100, 1000);
    EXPECT_EQ(Height(0), 150);
    EXPECT_EQ(Height(1), 0);
    EXPECT_TRUE(PaneAt(splitter, 2, 0, RECT{2, 166, 398, 298}));

    // Losing the capture drops the drag without applying it.
    Mouse(WM_LBUTTONDOWN, 100, 155);
    Mouse(WM_MOUSEMOVE, 100, 60);
    ::ReleaseCapture();
    Mouse(WM_LBUTTONUP, 100, 60);
    EXPECT_EQ(Height(0), 150);
}

TEST_F(ThreeRows, AwayFromTheGapsThereIsNoSizingCursorAndNoTracking)
{
    Mouse(WM_MOUSEMOVE, 100, 20);
    EXPECT_EQ(::GetCursor(), ::LoadCursorW(nullptr, IDC_ARROW));
    Mouse(WM_LBUTTONDOWN, 100, 20);
    EXPECT_EQ(::GetCapture(), nullptr);
}

TEST_F(ThreeRows, PaintFillsGapsAndBordersButNotThePanes)
{
    HDC screen = ::GetDC(nullptr);
    HDC dc = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, 400, 300);
    ::ReleaseDC(nullptr, screen);
    HGDIOBJ previous = ::SelectObject(dc, bitmap);
    const COLORREF untouched = RGB(255, 0, 255);
    HBRUSH marker = ::CreateSolidBrush(untouched);
    RECT all{0, 0, 400, 300};
    ::FillRect(dc, &all, marker);

    splitter.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);

    EXPECT_EQ(::GetPixel(dc, 100, 55), ::GetSysColor(COLOR_BTNFACE));   // gap
    EXPECT_EQ(::GetPixel(dc, 100, 0), ::GetSysColor(COLOR_BTNSHADOW));  // sunken edge, outer line
    EXPECT_EQ(::GetPixel(dc, 100, 20), untouched);                      // pane
    ::SelectObject(dc, previous);
    ::DeleteObject(marker);
    ::DeleteObject(bitmap);
    ::DeleteDC(dc);
}

TEST(Splitter, ColumnsAreLaidOutLikeRows)
{
    test::HostWindow host;
    ASSERT_TRUE(host.CreateHost(400, 300));
    CSplitterWnd splitter;
    ASSERT_TRUE(splitter.CreateStatic(&host, 1, 2));
    ASSERT_TRUE(splitter.CreateView(0, 0, std::make_unique<TestPane>(0, nullptr), SIZE{100, 300}, nullptr));
    ASSERT_TRUE(splitter.CreateView(0, 1, std::make_unique<TestPane>(0, nullptr), SIZE{50, 300}, nullptr));
    EXPECT_TRUE(PaneAt(splitter, 0, 0, RECT{2, 2, 102, 298}));
    EXPECT_TRUE(PaneAt(splitter, 0, 1, RECT{109, 2, 398, 298}));

    splitter.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(105, 100));
    EXPECT_EQ(::GetCursor(), ::LoadCursorW(nullptr, IDC_SIZEWE));
}

TEST(Splitter, InitialUpdateRunsTopToBottomWhateverTheCreationOrder)
{
    test::HostWindow host;
    ASSERT_TRUE(host.CreateHost(400, 300));
    std::vector<int> updates;
    CSplitterWnd splitter;
    ASSERT_TRUE(splitter.CreateStatic(&host, 3, 1));
    for (int row : {2, 0, 1})
        ASSERT_TRUE(splitter.CreateView(row, 0, std::make_unique<TestPane>(row, &updates), SIZE{400, 40}, nullptr));

    host.RunInitialUpdate();
    EXPECT_EQ(updates, (std::vector<int>{0, 1, 2}));
}

TEST(Splitter, RefusesBadCellsAndOwnsItsPanes)
{
    test::HostWindow host;
    ASSERT_TRUE(host.CreateHost(400, 300));
    bool destroyed = false;
    HWND paneWindow = nullptr;
    {
        CSplitterWnd splitter;
        EXPECT_FALSE(splitter.CreateStatic(&host, 0, 1));
        ASSERT_TRUE(splitter.CreateStatic(&host, 2, 1));
        EXPECT_FALSE(splitter.CreateView(2, 0, std::make_unique<TestPane>(2, nullptr), SIZE{1, 1}, nullptr));
        ASSERT_TRUE(splitter.CreateView(0, 0, std::make_unique<TestPane>(0, nullptr, &destroyed), SIZE{1, 1}, nullptr));
        EXPECT_FALSE(splitter.CreateView(0, 0, std::make_unique<TestPane>(0, nullptr), SIZE{1, 1}, nullptr));
        EXPECT_EQ(splitter.GetPane(1, 0), nullptr);
        EXPECT_EQ(splitter.GetPane(5, 5), nullptr);
        paneWindow = splitter.GetPane(0, 0)->m_hWnd;
    }
    EXPECT_TRUE(destroyed);
    EXPECT_FALSE(::IsWindow(paneWindow));
}
