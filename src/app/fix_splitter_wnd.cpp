#include "app/fix_splitter_wnd.h"

CFixSplitterWnd::CFixSplitterWnd()
{
    m_cxSplitterGap = 1;
    m_cySplitterGap = 1;
    m_cxBorder = 0;
    m_cyBorder = 1;
}

void CFixSplitterWnd::OnMouseMove(UINT, POINT)
{
}
