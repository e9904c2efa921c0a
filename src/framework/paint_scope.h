#pragma once
// BeginPaint/EndPaint as one owner: the paint ends however the handler leaves.

#include <windows.h>

namespace framework {

class PaintScope {
public:
    explicit PaintScope(HWND hwnd) : m_hwnd(hwnd), m_dc(::BeginPaint(hwnd, &m_paint)) {}
    ~PaintScope() { ::EndPaint(m_hwnd, &m_paint); }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;

    HDC Dc() const { return m_dc; }

private:
    HWND m_hwnd;
    PAINTSTRUCT m_paint{};
    HDC m_dc;
};

}  // namespace framework
