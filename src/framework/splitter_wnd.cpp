#include "framework/splitter_wnd.h"

#include <windowsx.h>

#include <algorithm>

#include "framework/gdi_handles.h"
#include "framework/paint_scope.h"

namespace {

constexpr int kMaxLines = 16;

}  // namespace

CSplitterWnd::~CSplitterWnd()
{
    // The panes' windows are children of ours: let them go before our window does.
    m_panes.clear();
}

BOOL CSplitterWnd::CreateStatic(CWnd* parent, int rows, int cols, DWORD style, UINT id)
{
    if (m_hWnd || !parent || !parent->m_hWnd || rows < 1 || cols < 1 || rows > kMaxLines || cols > kMaxLines)
        return FALSE;
    m_rows.assign(static_cast<size_t>(rows), Line{});
    m_cols.assign(static_cast<size_t>(cols), Line{});
    m_panes.clear();
    m_panes.resize(static_cast<size_t>(rows * cols));

    const wchar_t* className =
        RegisterFrameworkClass(L"KovrinSplitter", 0, ::LoadCursorW(nullptr, IDC_ARROW), nullptr);
    RECT client = parent->GetClientRect();
    return className && CreateEx(0, className, L"", style | WS_CHILD, 0, 0, client.right, client.bottom,
                                 parent->m_hWnd, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)));
}

BOOL CSplitterWnd::CreateView(int row, int col, std::unique_ptr<CWnd> pane, SIZE initialSize,
                              CCreateContext* context)
{
    if (!m_hWnd || !pane || row < 0 || row >= GetRowCount() || col < 0 || col >= GetColumnCount())
        return FALSE;
    std::unique_ptr<CWnd>& slot = m_panes[static_cast<size_t>(row * GetColumnCount() + col)];
    if (slot)
        return FALSE;
    m_rows[static_cast<size_t>(row)].ideal = std::max<int>(0, initialSize.cy);
    m_cols[static_cast<size_t>(col)].ideal = std::max<int>(0, initialSize.cx);
    LayOutLines();
    if (!pane->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, PaneRect(row, col), this, IdFromRowCol(row, col),
                      context))
        return FALSE;
    slot = std::move(pane);
    RecalcLayout();
    return TRUE;
}

CWnd* CSplitterWnd::GetPane(int row, int col) const
{
    if (row < 0 || row >= GetRowCount() || col < 0 || col >= GetColumnCount())
        return nullptr;
    return m_panes[static_cast<size_t>(row * GetColumnCount() + col)].get();
}

UINT CSplitterWnd::IdFromRowCol(int row, int col) const
{
    return AFX_IDW_PANE_FIRST + static_cast<UINT>(row * kMaxLines + col);
}

void CSplitterWnd::GetRowInfo(int row, int& current, int& ideal) const
{
    current = ideal = 0;
    if (row >= 0 && row < GetRowCount()) {
        current = m_rows[static_cast<size_t>(row)].size;
        ideal = m_rows[static_cast<size_t>(row)].ideal;
    }
}

void CSplitterWnd::SetRowInfo(int row, int ideal)
{
    if (row >= 0 && row < GetRowCount())
        m_rows[static_cast<size_t>(row)].ideal = std::max(0, ideal);
}

void CSplitterWnd::GetColumnInfo(int col, int& current, int& ideal) const
{
    current = ideal = 0;
    if (col >= 0 && col < GetColumnCount()) {
        current = m_cols[static_cast<size_t>(col)].size;
        ideal = m_cols[static_cast<size_t>(col)].ideal;
    }
}

void CSplitterWnd::SetColumnInfo(int col, int ideal)
{
    if (col >= 0 && col < GetColumnCount())
        m_cols[static_cast<size_t>(col)].ideal = std::max(0, ideal);
}

void CSplitterWnd::LayOutLines()
{
    auto layOut = [](std::vector<Line>& lines, int extent, int border, int gap) {
        int position = border;
        const int end = extent - border;
        for (size_t i = 0; i < lines.size(); ++i) {
            const int room = std::max(0, end - position);
            const int wanted = i + 1 == lines.size() ? room : lines[i].ideal;
            lines[i].position = position;
            lines[i].size = std::clamp(wanted, 0, room);
            position += lines[i].size + gap;
        }
    };
    RECT client = GetClientRect();
    layOut(m_rows, client.bottom, m_cyBorder, m_cySplitterGap);
    layOut(m_cols, client.right, m_cxBorder, m_cxSplitterGap);
}

RECT CSplitterWnd::PaneRect(int row, int col) const
{
    const Line& r = m_rows[static_cast<size_t>(row)];
    const Line& c = m_cols[static_cast<size_t>(col)];
    return RECT{c.position, r.position, c.position + c.size, r.position + r.size};
}

RECT CSplitterWnd::GapRect(const Gap& gap) const
{
    RECT client = GetClientRect();
    const auto i = static_cast<size_t>(gap.index);
    if (gap.axis == Axis::Rows)
        return RECT{0, m_rows[i].position + m_rows[i].size, client.right, m_rows[i + 1].position};
    return RECT{m_cols[i].position + m_cols[i].size, 0, m_cols[i + 1].position, client.bottom};
}

void CSplitterWnd::RecalcLayout()
{
    if (!m_hWnd)
        return;
    LayOutLines();
    bool moved = false;
    for (int row = 0; row < GetRowCount(); ++row) {
        for (int col = 0; col < GetColumnCount(); ++col) {
            CWnd* pane = GetPane(row, col);
            if (pane && pane->m_hWnd)
                moved |= MoveUnlessThere(pane->m_hWnd, PaneRect(row, col));
        }
    }
    // The gaps and borders move with the panes; with none moved they are painted already.
    if (moved)
        Invalidate(FALSE);
}

void CSplitterWnd::RunInitialUpdate()
{
    for (const auto& pane : m_panes) {
        if (pane && pane->m_hWnd)
            pane->RunInitialUpdate();
    }
}

CSplitterWnd::Gap CSplitterWnd::HitTest(POINT point) const
{
    for (int i = 0; i + 1 < GetRowCount(); ++i) {
        Gap gap{Axis::Rows, i};
        RECT rect = GapRect(gap);
        if (rect.bottom > rect.top && ::PtInRect(&rect, point))
            return gap;
    }
    for (int i = 0; i + 1 < GetColumnCount(); ++i) {
        Gap gap{Axis::Columns, i};
        RECT rect = GapRect(gap);
        if (rect.right > rect.left && ::PtInRect(&rect, point))
            return gap;
    }
    return Gap{};
}

LRESULT CSplitterWnd::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (msg) {
    case WM_SIZE:
        OnSize(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_PRINTCLIENT:
        OnDrawSplitter(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_ERASEBKGND:
        return TRUE;  // the paint covers everything the panes do not
    case WM_MOUSEMOVE:
        OnMouseMove(static_cast<UINT>(wParam), point);
        return 0;
    case WM_LBUTTONDOWN:
        OnLButtonDown(static_cast<UINT>(wParam), point);
        return 0;
    case WM_LBUTTONUP:
        OnLButtonUp(static_cast<UINT>(wParam), point);
        return 0;
    case WM_SETCURSOR:
        if (OnSetCursor(reinterpret_cast<HWND>(wParam), LOWORD(lParam), HIWORD(lParam)))
            return TRUE;
        break;
    case WM_CAPTURECHANGED:
        OnCaptureChanged(reinterpret_cast<HWND>(lParam));
        return 0;
    case WM_CANCELMODE:
        OnCancelMode();
        break;
    default:
        break;
    }
    return CWnd::WindowProc(msg, wParam, lParam);
}

void CSplitterWnd::OnSize(UINT type, int, int)
{
    if (type != SIZE_MINIMIZED)
        RecalcLayout();
}

void CSplitterWnd::OnPaint()
{
    framework::PaintScope paint(m_hWnd);
    OnDrawSplitter(paint.Dc());
}

void CSplitterWnd::OnDrawSplitter(HDC dc)
{
    framework::DcStateScope state(dc);  // the clipping below is for this drawing only
    for (int row = 0; row < GetRowCount(); ++row) {
        for (int col = 0; col < GetColumnCount(); ++col) {
            RECT pane = PaneRect(row, col);
            ::ExcludeClipRect(dc, pane.left, pane.top, pane.right, pane.bottom);
        }
    }
    RECT client = GetClientRect();
    ::FillRect(dc, &client, ::GetSysColorBrush(COLOR_BTNFACE));
    // A sunken edge needs two pixels; narrower borders stay plain.
    if (m_cxBorder >= 2 && m_cyBorder >= 2) {
        for (int row = 0; row < GetRowCount(); ++row) {
            for (int col = 0; col < GetColumnCount(); ++col) {
                RECT edge = PaneRect(row, col);
                ::InflateRect(&edge, 2, 2);
                ::DrawEdge(dc, &edge, EDGE_SUNKEN, BF_RECT);
            }
        }
    }
}

void CSplitterWnd::OnMouseMove(UINT, POINT point)
{
    if (m_bTracking) {
        RECT moved = m_trackRect;
        if (m_trackGap.axis == Axis::Rows)
            ::OffsetRect(&moved, 0, std::clamp<int>(point.y - m_trackGrip, m_trackMin, m_trackMax) - moved.top);
        else
            ::OffsetRect(&moved, std::clamp<int>(point.x - m_trackGrip, m_trackMin, m_trackMax) - moved.left, 0);
        if (!::EqualRect(&moved, &m_trackRect)) {
            InvertTracker(m_trackRect);
            m_trackRect = moved;
            InvertTracker(m_trackRect);
        }
        return;
    }
    switch (HitTest(point).axis) {
    case Axis::Rows: m_hoverCursor = ::LoadCursorW(nullptr, IDC_SIZENS); break;
    case Axis::Columns: m_hoverCursor = ::LoadCursorW(nullptr, IDC_SIZEWE); break;
    case Axis::None: m_hoverCursor = nullptr; break;
    }
    if (m_hoverCursor)
        ::SetCursor(m_hoverCursor);
}

BOOL CSplitterWnd::OnSetCursor(HWND hwnd, UINT hitTest, UINT)
{
    // Keeps the cursor that the last mouse move chose while the pointer stays over a gap,
    // instead of the class cursor flashing up before each move.
    if (hwnd != m_hWnd || hitTest != HTCLIENT || !m_hoverCursor)
        return FALSE;
    POINT point{};
    ::GetCursorPos(&point);
    ::ScreenToClient(m_hWnd, &point);
    if (HitTest(point).axis == Axis::None)
        return FALSE;
    ::SetCursor(m_hoverCursor);
    return TRUE;
}

void CSplitterWnd::OnLButtonDown(UINT, POINT point)
{
    Gap gap = HitTest(point);
    if (gap.axis != Axis::None)
        StartTracking(gap, point);
}

void CSplitterWnd::OnLButtonUp(UINT, POINT)
{
    StopTracking(true);
}

void CSplitterWnd::OnCaptureChanged(HWND newCapture)
{
    if (newCapture != m_hWnd)
        StopTracking(false);
}

void CSplitterWnd::OnCancelMode()
{
    StopTracking(false);
}

void CSplitterWnd::StartTracking(const Gap& gap, POINT point)
{
    const bool rows = gap.axis == Axis::Rows;
    const std::vector<Line>& lines = rows ? m_rows : m_cols;
    const Line& before = lines[static_cast<size_t>(gap.index)];
    const Line& after = lines[static_cast<size_t>(gap.index) + 1];

    m_trackGap = gap;
    m_trackRect = GapRect(gap);
    const int start = rows ? m_trackRect.top : m_trackRect.left;
    const int thickness = rows ? m_trackRect.bottom - m_trackRect.top : m_trackRect.right - m_trackRect.left;
    // The bar stays between the two panes it divides; either may shrink to nothing.
    m_trackMin = before.position;
    m_trackMax = std::max(m_trackMin, after.position + after.size - thickness);
    m_trackGrip = (rows ? point.y : point.x) - start;
    m_bTracking = true;
    ::SetCapture(m_hWnd);
    InvertTracker(m_trackRect);
}

void CSplitterWnd::StopTracking(bool apply)
{
    if (!m_bTracking)
        return;
    InvertTracker(m_trackRect);
    m_bTracking = false;
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    if (!apply)
        return;

    const bool rows = m_trackGap.axis == Axis::Rows;
    std::vector<Line>& lines = rows ? m_rows : m_cols;
    const auto index = static_cast<size_t>(m_trackGap.index);
    Line& before = lines[index];
    Line& after = lines[index + 1];
    const int newSize = (rows ? m_trackRect.top : m_trackRect.left) - before.position;
    const int delta = newSize - before.size;
    before.ideal = newSize;
    // The pane on the other side gives or takes the difference, so the panes beyond stay put;
    // the last one takes the rest anyway.
    if (index + 2 < lines.size())
        after.ideal = std::max(0, after.size - delta);
    RecalcLayout();
}

void CSplitterWnd::InvertTracker(const RECT& rect) const
{
    // Drawn across the panes too, so no clipping of children here.
    framework::WindowDC dc(m_hWnd, DCX_CACHE | DCX_CLIPSIBLINGS);
    if (!dc)
        return;
    static const WORD kHalftone[8] = {0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};
    framework::UniqueBitmap bitmap(::CreateBitmap(8, 8, 1, 1, kHalftone));
    framework::UniqueBrush brush(bitmap ? ::CreatePatternBrush(bitmap.get()) : nullptr);
    if (brush) {
        framework::SelectScope select(dc.get(), brush.get());
        ::PatBlt(dc.get(), rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, PATINVERT);
    }
}
