#pragma once
// An off-screen copy of an area of a DC: drawing goes to a bitmap in the target's coordinates
// and is copied to the target in one step when the object goes. A printing DC is drawn on
// directly.

#include <windows.h>

#include "framework/dc.h"

class VelMenuMemDC : public CDC {
public:
    VelMenuMemDC(CDC* target, const RECT* area);
    ~VelMenuMemDC() override;
    VelMenuMemDC(const VelMenuMemDC&) = delete;
    VelMenuMemDC& operator=(const VelMenuMemDC&) = delete;

    CBitmap m_offscreenBitmap;
    HGDIOBJ m_pPrevBitmap = nullptr;  // selected in the memory DC before the off-screen bitmap
    CDC* m_pTargetDC;
    RECT m_rcArea;
    BOOL m_bOffscreen = FALSE;
};
