// The button's icons: taking them over, the automatic gray copy, and letting them go.
#include <utility>
#include <vector>

#include "widgets/button_mx.h"

namespace {

// Reads an icon's size (twice its hot spot) and frees the bitmaps the query hands out.
bool IconSize(HICON icon, int& width, int& height)
{
    ICONINFO info{};
    if (!::GetIconInfo(icon, &info))
        return false;
    const framework::UniqueBitmap color(info.hbmColor), mask(info.hbmMask);
    width = 2 * static_cast<int>(info.xHotspot);
    height = 2 * static_cast<int>(info.yHotspot);
    return true;
}

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
    StateIcon activeSlot{std::move(activeIcon)};
    if (!IconSize(active, activeSlot.width, activeSlot.height)) {
        Invalidate();
        return 1;
    }
    m_icons[0] = std::move(activeSlot);
    if (grayCopy)
        idleIcon.reset(MakeGrayIcon(active));
    if (idleIcon || grayCopy) {
        StateIcon idleSlot{std::move(idleIcon)};
        if (!idleSlot.icon || !IconSize(idleSlot.icon.get(), idleSlot.width, idleSlot.height)) {
            ReleaseImages(true);
            Invalidate();
            return 1;
        }
        m_icons[1] = std::move(idleSlot);
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

HICON CButtonMx::MakeGrayIcon(HICON icon) const
{
    ICONINFO info{};
    if (!::GetIconInfo(icon, &info))
        return nullptr;
    const framework::UniqueBitmap color(info.hbmColor), mask(info.hbmMask);
    const framework::WindowDC windowDC(m_hWnd);
    BITMAP description{};
    if (!windowDC || !color || !::GetObjectW(color.get(), sizeof(description), &description))
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
    if (::GetDIBits(windowDC.get(), color.get(), 0, static_cast<UINT>(height), pixels.data(), &format, DIB_RGB_COLORS) !=
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
    grayInfo.hbmMask = mask.get();
    grayInfo.hbmColor = gray.get();
    return ::CreateIconIndirect(&grayInfo);
}
