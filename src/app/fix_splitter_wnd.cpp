#include "app/fix_splitter_wnd.h"

CFixSplitterWnd::CFixSplitterWnd()
{
    m_cxSplitterGap = 1;
    m_cySplitterGap = 1;
    m_cxBorder = 0;
    m_cyBorder = 1;
}

LRESULT CFixSplitterWnd::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_MOUSEMOVE:
        return 0;
    default:
        return CSplitterWnd::WindowProc(msg, wParam, lParam);
    }
}
