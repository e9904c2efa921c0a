#pragma once
// A memory DC with a bitmap of its own selected into it: the one owner of both. It puts the DC's
// first bitmap back before it deletes the two, so nothing is deleted while selected. Move-only.

#include <windows.h>

#include "framework/gdi_handles.h"

namespace framework {

class BitmapDC {
public:
    BitmapDC() = default;
    // A DC compatible with reference holding a new width x height bitmap compatible with
    // reference; empty when either cannot be made.
    BitmapDC(HDC reference, int width, int height);
    ~BitmapDC() { Reset(); }
    BitmapDC(BitmapDC&& other) noexcept;
    BitmapDC& operator=(BitmapDC&& other) noexcept;
    BitmapDC(const BitmapDC&) = delete;
    BitmapDC& operator=(const BitmapDC&) = delete;

    HDC get() const { return m_dc.get(); }
    explicit operator bool() const { return m_dc != nullptr; }
    void Reset();

private:
    UniqueMemoryDC m_dc;
    UniqueBitmap m_bitmap;
    HGDIOBJ m_previous = nullptr;  // selected in m_dc before m_bitmap
};

}  // namespace framework
