// The button's icons: taking them over, the automatic gray copy, and letting them go.
#include <utility>
#include <vector>

#include "widgets/button_mx.h"

namespace {

// An icon's information, read once: its size (twice its hot spot) and the two bitmaps that the
// query hands out, which are freed with it. The system copies both bitmaps for every query.
class IconInfo {
public:
    explicit IconInfo(HICON icon)
        : m_read(::GetIconInfo(icon, &m_info) != FALSE), m_color(m_info.hbmColor), m_mask(m_info.hbmMask)
    {
    }
    explicit operator bool() const { return m_read; }
    const ICONINFO& Info() const { return m_info; }
    int Width() const { return 2 * static_cast<int>(m_info.xHotspot); }
    int Height() const { return 2 * static_cast<int>(m_info.yHotspot); }

private:
    ICONINFO m_info{};
    bool m_read;
    framework::UniqueBitmap m_color, m_mask;
};

BYTE Gray(BYTE red, BYTE green, BYTE blue)
{
    // In this order, in double precision, truncated: mid gray 128 becomes 127.
    const double gray = 0.587 * green + 0.299 * red + 0.114 * blue;
    return LOBYTE(static_cast<int>(gray));
}

}  // namespace

DWORD CButtonMx::SetStateIcons(HICON active, HICON idle)
{
    ReleaseImages(true);
    // Both icons are ours from here on, whatever happens below. The same icon twice would be
    // destroyed twice: it shows in both states anyway.
    framework::UniqueIcon activeIcon(active);
    const bool grayCopy = idle == AUTO_GRAY_ICON;
    framework::UniqueIcon idleIcon(grayCopy || idle == active ? nullptr : idle);
    if (!activeIcon) {
        Invalidate();
        return 0;
    }
    const IconInfo activeInfo(active);
    if (!activeInfo) {
        Invalidate();
        return 1;
    }
    m_icons[0] = StateIcon{std::move(activeIcon), activeInfo.Width(), activeInfo.Height()};
    if (grayCopy) {
        // Made at the active icon's size, so its own size needs no second query.
        StateIcon graySlot{framework::UniqueIcon(MakeGrayIcon(activeInfo.Info())), activeInfo.Width(),
                           activeInfo.Height()};
        if (!graySlot.icon) {
            ReleaseImages(true);
            Invalidate();
            return 1;
        }
        m_icons[1] = std::move(graySlot);
    } else if (idleIcon) {
        const IconInfo idleInfo(idleIcon.get());
        if (!idleInfo) {
            ReleaseImages(true);
            Invalidate();
            return 1;
        }
        m_icons[1] = StateIcon{std::move(idleIcon), idleInfo.Width(), idleInfo.Height()};
    }
    Invalidate();
    return 0;
}

void CButtonMx::ReleaseImages(bool free)
{
    for (StateIcon& slot : m_icons) {
        if (!free)
            (void)slot.icon.release();
        slot = StateIcon{};
    }
    for (StateBitmap& slot : m_bitmaps) {
        if (!free) {
            (void)slot.bitmap.release();
            (void)slot.mask.release();
        }
        slot = StateBitmap{};
    }
}

HICON CButtonMx::MakeGrayIcon(const ICONINFO& info) const
{
    const HBITMAP color = info.hbmColor;
    const framework::WindowDC windowDC(m_hWnd);
    BITMAP description{};
    if (!windowDC || !color || !::GetObjectW(color, sizeof(description), &description))
        return nullptr;
    const int width = 2 * static_cast<int>(info.xHotspot), height = 2 * static_cast<int>(info.yHotspot);
    if (width <= 0 || height <= 0)
        return nullptr;
    framework::UniqueBitmap gray(::CreateBitmap(width, height, description.bmPlanes, description.bmBitsPixel, nullptr));
    if (!gray)
        return nullptr;

    // Worked on as 32-bit pixels so that each pixel keeps its alpha: a 32-bit icon's soft edges
    // would otherwise fall back to the hard mask, with a dark fringe.
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof(format.bmiHeader);
    format.bmiHeader.biWidth = width;
    format.bmiHeader.biHeight = -height;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    std::vector<RGBQUAD> pixels(static_cast<size_t>(width) * static_cast<size_t>(height));
    if (::GetDIBits(windowDC.get(), color, 0, static_cast<UINT>(height), pixels.data(), &format, DIB_RGB_COLORS) !=
        height)
        return nullptr;
    for (RGBQUAD& pixel : pixels) {
        if (pixel.rgbRed == 0 && pixel.rgbGreen == 0 && pixel.rgbBlue == 0)
            continue;  // black stays black
        const BYTE value = Gray(pixel.rgbRed, pixel.rgbGreen, pixel.rgbBlue);
        pixel.rgbRed = pixel.rgbGreen = pixel.rgbBlue = value;
    }
    if (::SetDIBits(windowDC.get(), gray.get(), 0, static_cast<UINT>(height), pixels.data(), &format, DIB_RGB_COLORS) !=
        height)
        return nullptr;

    ICONINFO grayInfo{};
    grayInfo.fIcon = TRUE;
    grayInfo.hbmMask = info.hbmMask;
    grayInfo.hbmColor = gray.get();
    return ::CreateIconIndirect(&grayInfo);
}
