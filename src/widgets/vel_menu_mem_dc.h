#pragma once
// An off-screen copy of an area of a DC: drawing goes to a bitmap in the target's coordinates
// and is copied to the target in one step when the object goes. A printing DC is drawn on
// directly.

#include <windows.h>

#include "framework/bitmap_dc.h"
#include "framework/dc.h"

class VelMenuMemDC {
public:
    VelMenuMemDC(CDC* target, const RECT* area);
    ~VelMenuMemDC();
    VelMenuMemDC(const VelMenuMemDC&) = delete;
    VelMenuMemDC& operator=(const VelMenuMemDC&) = delete;

    // Where to draw: the off-screen DC, or the target itself when it prints or no copy could
    // be made.
    CDC& Dc() { return m_offscreen ? m_offscreenView : *m_pTargetDC; }

private:
    CDC* m_pTargetDC;
    RECT m_rcArea;
    framework::BitmapDC m_offscreen;
    CDC m_offscreenView;  // borrows m_offscreen's DC
};
