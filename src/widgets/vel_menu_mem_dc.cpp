#include "widgets/vel_menu_mem_dc.h"

VelMenuMemDC::VelMenuMemDC(CDC* target, const RECT* area) : m_pTargetDC(target), m_rcArea(*area)
{
    if (target->m_bPrinting) {
        m_hDC = target->m_hDC;  // shared, never deleted here
        m_bPrinting = TRUE;
        return;
    }
    if (!CreateCompatibleDC(target->m_hDC))
        return;
    m_offscreenBitmap.CreateCompatibleBitmap(target->m_hDC, m_rcArea.right - m_rcArea.left,
                                             m_rcArea.bottom - m_rcArea.top);
    m_pPrevBitmap = ::SelectObject(m_hDC, m_offscreenBitmap.GetSafeHandle());
    ::SetWindowOrgEx(m_hDC, m_rcArea.left, m_rcArea.top, nullptr);
    m_bOffscreen = TRUE;
}

VelMenuMemDC::~VelMenuMemDC()
{
    if (m_bOffscreen) {
        ::BitBlt(m_pTargetDC->m_hDC, m_rcArea.left, m_rcArea.top, m_rcArea.right - m_rcArea.left,
                 m_rcArea.bottom - m_rcArea.top, m_hDC, m_rcArea.left, m_rcArea.top, SRCCOPY);
        ::SelectObject(m_hDC, m_pPrevBitmap);
    } else {
        Detach();  // the target's own handle, or none
    }
    // The bitmap (a member) and then the memory DC (the base) go after this.
}
