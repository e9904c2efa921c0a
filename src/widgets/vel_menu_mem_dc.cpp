#include "widgets/vel_menu_mem_dc.h"

namespace {

framework::BitmapDC OffscreenFor(const CDC& target, const RECT& area)
{
    if (target.m_bPrinting)
        return {};
    return framework::BitmapDC(target.GetSafeHdc(), area.right - area.left, area.bottom - area.top);
}

}  // namespace

VelMenuMemDC::VelMenuMemDC(CDC* target, const RECT* area)
    : m_pTargetDC(target), m_rcArea(*area), m_offscreen(OffscreenFor(*target, *area)),
      m_offscreenView(m_offscreen.get())
{
    // The DC is ours alone and goes with the object, so its origin need not come back.
    if (m_offscreen)
        ::SetWindowOrgEx(m_offscreen.get(), m_rcArea.left, m_rcArea.top, nullptr);
}

VelMenuMemDC::~VelMenuMemDC()
{
    if (m_offscreen)
        ::BitBlt(m_pTargetDC->GetSafeHdc(), m_rcArea.left, m_rcArea.top, m_rcArea.right - m_rcArea.left,
                 m_rcArea.bottom - m_rcArea.top, m_offscreen.get(), m_rcArea.left, m_rcArea.top, SRCCOPY);
}
