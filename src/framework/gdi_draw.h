#pragma once
// Small drawing helpers that create no GDI objects and leave the DC as they found it.

#include <windows.h>

namespace framework {

// Fills rect with one colour.
void FillSolidRect(HDC dc, const RECT& rect, COLORREF color);
// A one-pixel frame: top and left in topLeft, bottom and right in bottomRight.
void Draw3dRect(HDC dc, const RECT& rect, COLORREF topLeft, COLORREF bottomRight);
// A one-pixel frame in one colour.
inline void FrameSolidRect(HDC dc, const RECT& rect, COLORREF color)
{
    Draw3dRect(dc, rect, color, color);
}

}  // namespace framework
