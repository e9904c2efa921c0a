#include "framework/gdi_draw.h"

namespace framework {

void FillSolidRect(HDC dc, const RECT& rect, COLORREF color)
{
    // An opaque empty text fills with the background colour: no brush to make and delete.
    const COLORREF previous = ::SetBkColor(dc, color);
    ::ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
    ::SetBkColor(dc, previous);
}

void Draw3dRect(HDC dc, const RECT& rect, COLORREF topLeft, COLORREF bottomRight)
{
    const LONG x = rect.left, y = rect.top, cx = rect.right - rect.left, cy = rect.bottom - rect.top;
    FillSolidRect(dc, RECT{x, y, x + cx - 1, y + 1}, topLeft);
    FillSolidRect(dc, RECT{x, y, x + 1, y + cy - 1}, topLeft);
    FillSolidRect(dc, RECT{x + cx - 1, y, x + cx, y + cy}, bottomRight);
    FillSolidRect(dc, RECT{x, y + cy - 1, x + cx, y + cy}, bottomRight);
}

}  // namespace framework
