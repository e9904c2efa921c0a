#include "framework/bitmap_background.h"

namespace framework {

void BitmapBackground::Fill(HDC dc, const RECT& rect)
{
    if (!m_brush) {
        m_bitmap.reset(static_cast<HBITMAP>(
            ::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(m_bitmapId), IMAGE_BITMAP, 0, 0, 0)));
        if (m_bitmap)
            m_brush.reset(::CreatePatternBrush(m_bitmap.get()));
        if (!m_brush)
            return;
    }
    SelectScope selectBrush(dc, m_brush.get());
    ::PatBlt(dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, PATCOPY);
}

}  // namespace framework
