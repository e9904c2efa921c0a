#pragma once
// A static splitter: a fixed grid of panes that it owns. All rows but the last take their ideal
// heights and the last takes the rest (columns likewise), inside a border and with gaps between
// the panes. Dragging a gap moves it: the pointer over a gap shows the sizing cursor, a press
// starts a tracking bar, and the release gives the row or column its new size.

#include <memory>
#include <vector>

#include "framework/framework_ids.h"
#include "framework/wnd.h"

class CSplitterWnd : public CWnd {
public:
    CSplitterWnd() = default;
    ~CSplitterWnd() override;

    BOOL CreateStatic(CWnd* parent, int rows, int cols, DWORD style = WS_CHILD | WS_VISIBLE,
                      UINT id = AFX_IDW_PANE_FIRST);
    // Creates pane (row, col) through the pane's own Create; the splitter keeps it. The size
    // becomes the ideal height of the row and the ideal width of the column.
    BOOL CreateView(int row, int col, std::unique_ptr<CWnd> pane, SIZE initialSize, CCreateContext* context);

    CWnd* GetPane(int row, int col) const;
    int GetRowCount() const { return static_cast<int>(m_rows.size()); }
    int GetColumnCount() const { return static_cast<int>(m_cols.size()); }
    UINT IdFromRowCol(int row, int col) const;

    void GetRowInfo(int row, int& current, int& ideal) const;
    void SetRowInfo(int row, int ideal);
    void GetColumnInfo(int col, int& current, int& ideal) const;
    void SetColumnInfo(int col, int ideal);

    // Places the panes for the current client size.
    virtual void RecalcLayout();
    // The panes' initial updates, row by row from the top.
    void RunInitialUpdate() override;
    // The top-left pane.
    CWnd* InitialView() override { return GetPane(0, 0); }

protected:
    int m_cxSplitterGap = 7;
    int m_cySplitterGap = 7;
    int m_cxBorder = 2;
    int m_cyBorder = 2;

    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

    void OnSize(UINT type, int cx, int cy);
    void OnPaint();
    // The sizing cursor over a gap, and the tracking bar following the pointer.
    virtual void OnMouseMove(UINT flags, POINT point);
    void OnLButtonDown(UINT flags, POINT point);
    void OnLButtonUp(UINT flags, POINT point);
    BOOL OnSetCursor(HWND hwnd, UINT hitTest, UINT message);
    void OnCaptureChanged(HWND newCapture);
    void OnCancelMode();

    // Borders and gaps; the panes paint themselves.
    virtual void OnDrawSplitter(HDC dc);

private:
    struct Line {
        int ideal = 0;
        int position = 0;  // after layout
        int size = 0;      // after layout
    };
    enum class Axis { None, Rows, Columns };
    struct Gap {
        Axis axis = Axis::None;
        int index = 0;  // the gap after row (or column) index
    };

    Gap HitTest(POINT point) const;
    RECT GapRect(const Gap& gap) const;
    RECT PaneRect(int row, int col) const;
    void LayOutLines();
    void StartTracking(const Gap& gap, POINT point);
    void StopTracking(bool apply);
    void InvertTracker(const RECT& rect) const;

    std::vector<Line> m_rows;
    std::vector<Line> m_cols;
    std::vector<std::unique_ptr<CWnd>> m_panes;  // row by row

    HCURSOR m_hoverCursor = nullptr;  // the sizing cursor the last mouse move chose, if any
    bool m_bTracking = false;
    Gap m_trackGap;
    RECT m_trackRect{};
    int m_trackGrip = 0;  // where in the bar the pointer took hold
    int m_trackMin = 0;
    int m_trackMax = 0;
};
