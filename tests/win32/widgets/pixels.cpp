#include "pixels.h"

#include <vector>

namespace test {

Pixels::Pixels(int width, int height) : m_width(width), m_height(height)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    m_bitmap.reset(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    m_bits = static_cast<const DWORD*>(bits);
    m_dc = ::CreateCompatibleDC(nullptr);
    m_previous = ::SelectObject(m_dc, m_bitmap.get());
}

Pixels::~Pixels()
{
    ::SelectObject(m_dc, m_previous);
    ::DeleteDC(m_dc);
}

COLORREF Pixels::At(int x, int y) const
{
    ::GdiFlush();
    const DWORD pixel = m_bits[y * m_width + x];
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

void Pixels::Fill(COLORREF color) const
{
    const RECT all{0, 0, m_width, m_height};
    framework::UniqueBrush brush(::CreateSolidBrush(color));
    ::FillRect(m_dc, &all, brush.get());
}

int Pixels::Count(const RECT& rect, COLORREF color) const
{
    int count = 0;
    for (int y = rect.top; y < rect.bottom; ++y) {
        for (int x = rect.left; x < rect.right; ++x)
            count += At(x, y) == color ? 1 : 0;
    }
    return count;
}

bool Pixels::SameAs(const Pixels& other) const
{
    for (int y = 0; y < m_height; ++y) {
        for (int x = 0; x < m_width; ++x) {
            if (At(x, y) != other.At(x, y))
                return false;
        }
    }
    return true;
}

namespace {

// Takes all but kFreeGdiHandles of what make can make, runs the rounds and counts what is left.
template <class Owner, class Make>
int FreeAfterRounds(const std::function<void()>& round, Make make)
{
    // A first round lets the system make what it keeps for the process once (caches).
    round();
    std::vector<Owner> held;
    for (;;) {
        Owner owner(make());
        if (!owner || held.size() > 1000000)
            break;
        held.push_back(std::move(owner));
    }
    held.resize(held.size() > kFreeGdiHandles ? held.size() - kFreeGdiHandles : 0);
    for (int i = 0; i < kGdiRounds; ++i)
        round();
    std::vector<Owner> after;
    while (static_cast<int>(after.size()) <= kFreeGdiHandles) {
        Owner owner(make());
        if (!owner)
            break;
        after.push_back(std::move(owner));
    }
    return static_cast<int>(after.size());
}

}  // namespace

DcState ReadDcState(HDC dc)
{
    DcState state{::GetCurrentObject(dc, OBJ_FONT), ::GetCurrentObject(dc, OBJ_PEN), ::GetCurrentObject(dc, OBJ_BRUSH),
                  ::GetCurrentObject(dc, OBJ_BITMAP), ::GetTextColor(dc), ::GetBkColor(dc), ::GetBkMode(dc), 0, 0, 0, 0};
    POINT window{}, viewport{};
    ::GetWindowOrgEx(dc, &window);
    ::GetViewportOrgEx(dc, &viewport);
    state.windowX = window.x;
    state.windowY = window.y;
    state.viewportX = viewport.x;
    state.viewportY = viewport.y;
    return state;
}

int FreeGdiHandlesAfterRounds(const std::function<void()>& round)
{
    return FreeAfterRounds<framework::UniqueBrush>(round, [] { return ::CreateSolidBrush(RGB(1, 2, 3)); });
}

int FreeUserHandlesAfterRounds(const std::function<void()>& round)
{
    return FreeAfterRounds<framework::UniqueMenu>(round, [] { return ::CreatePopupMenu(); });
}

}  // namespace test
