#pragma once
// A 32-bit memory bitmap to paint into and read back, and a test of GDI object leaks.

#include <windows.h>

#include <functional>

#include "framework/gdi_handles.h"

namespace test {

class Pixels {
public:
    Pixels(int width, int height);
    ~Pixels();
    Pixels(const Pixels&) = delete;
    Pixels& operator=(const Pixels&) = delete;

    HDC Dc() const { return m_dc; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    COLORREF At(int x, int y) const;
    void Fill(COLORREF color) const;
    // How many pixels of rect have exactly this colour.
    int Count(const RECT& rect, COLORREF color) const;
    bool SameAs(const Pixels& other) const;

private:
    int m_width;
    int m_height;
    framework::UniqueBitmap m_bitmap;
    const DWORD* m_bits = nullptr;
    HDC m_dc;
    HGDIOBJ m_previous;
};

// What a painting may change on a DC it is given and must put back.
struct DcState {
    HGDIOBJ font, pen, brush, bitmap;
    COLORREF text, background;
    int mode;
    int windowX, windowY, viewportX, viewportY;
    bool operator==(const DcState&) const = default;
};
DcState ReadDcState(HDC dc);

// With all but kFreeGdiHandles of the process's GDI (or USER) handles taken, runs round
// kGdiRounds times and counts the handles still free: kFreeGdiHandles when nothing leaked.
inline constexpr int kFreeGdiHandles = 100;
inline constexpr int kGdiRounds = 200;
int FreeGdiHandlesAfterRounds(const std::function<void()>& round);
int FreeUserHandlesAfterRounds(const std::function<void()>& round);

}  // namespace test
