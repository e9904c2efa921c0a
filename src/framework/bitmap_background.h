#pragma once
// A pane background tiled from a bitmap resource. The bitmap and its pattern brush are made at
// the first fill and kept: a pane paints its background for every paint and for every child
// that asks for a snapshot of it, and reloading the resource each time showed in start-up time.

#include <windows.h>

#include "framework/gdi_handles.h"

namespace framework {

class BitmapBackground {
public:
    explicit BitmapBackground(UINT bitmapId) : m_bitmapId(bitmapId) {}

    // Tiles rect from the DC's brush origin; leaves the DC's selected brush as it was. Does
    // nothing when the resource cannot be loaded.
    void Fill(HDC dc, const RECT& rect);

private:
    UINT m_bitmapId;
    UniqueBitmap m_bitmap;
    UniqueBrush m_brush;
};

}  // namespace framework
