// Painting the button: face, frame, image and caption.
#include "framework/gdi_draw.h"
#include "widgets/button_mx.h"

namespace {

int Width(const RECT& rect)
{
    return rect.right - rect.left;
}

int Height(const RECT& rect)
{
    return rect.bottom - rect.top;
}

// A polyline through three points, in one pen.
void Corner(HDC dc, HPEN pen, POINT a, POINT b, POINT c)
{
    framework::SelectScope select(dc, pen);
    const POINT points[3] = {a, b, c};
    ::Polyline(dc, points, 3);
}

}  // namespace

void CButtonMx::DrawItem(DRAWITEMSTRUCT* item)
{
    HDC dc = item->hDC;
    framework::DcStateScope state(dc);
    const bool selected = (item->itemState & ODS_SELECTED) != 0;
    if (m_bCheckMode)
        m_bPressed = selected || m_nCheckState != 0;
    else
        m_bPressed = selected || (m_popupMenu.m_hMenu && m_bMenuOpen);
    m_bFocused = (item->itemState & ODS_FOCUS) != 0;
    m_bDisabled = (item->itemState & ODS_DISABLED) != 0;

    RECT face = item->rcItem;
    ::SetBkMode(dc, TRANSPARENT);
    if (!m_bFlat && (m_bFocused || m_bDefault)) {
        ::FrameRect(dc, &face, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
        ::InflateRect(&face, -1, -1);
    }
    if (m_bTransparent)
        PaintParentBackground(dc);
    else
        DrawFaceBackground(dc, face);
    DrawFrame(dc, face);

    const std::wstring caption = GetWindowText();
    RECT captionRect = item->rcItem;
    const bool hasCaption = !caption.empty();
    if (m_icons[0].icon)
        DrawStateIcon(hasCaption, item->rcItem, captionRect, dc, m_bPressed, m_bDisabled);
    if (m_bitmaps[0].bitmap) {
        ::SetBkColor(dc, RGB(255, 255, 255));
        DrawStateBitmap(hasCaption, item->rcItem, captionRect, dc, m_bPressed, m_bDisabled);
    }
    if (hasCaption)
        DrawCaption(dc, caption, captionRect);

    if ((!m_bFlat || m_bFocusRectWhenFlat) && m_bFocused) {
        RECT focus = face;
        ::InflateRect(&focus, -3, -3);
        ::DrawFocusRect(dc, &focus);
    }
}

void CButtonMx::DrawFrame(HDC dc, const RECT& face)
{
    if (m_bPressed) {
        if (!m_bFlat) {
            framework::UniqueBrush shadow(::CreateSolidBrush(::GetSysColor(COLOR_BTNSHADOW)));
            ::FrameRect(dc, &face, shadow.get());
        } else if (m_bHoverBorder) {
            DrawFaceBorder(dc, face);
        }
    } else if (!m_bFlat) {
        framework::UniquePen highlight(::CreatePen(PS_SOLID, 0, ::GetSysColor(COLOR_BTNHIGHLIGHT)));
        framework::UniquePen light(::CreatePen(PS_SOLID, 0, ::GetSysColor(COLOR_3DLIGHT)));
        framework::UniquePen shadow(::CreatePen(PS_SOLID, 0, ::GetSysColor(COLOR_BTNSHADOW)));
        framework::UniquePen darkShadow(::CreatePen(PS_SOLID, 0, ::GetSysColor(COLOR_3DDKSHADOW)));
        const LONG l = face.left, t = face.top, r = face.right, b = face.bottom;
        Corner(dc, highlight.get(), {l, b - 1}, {l, t}, {r, t});
        Corner(dc, light.get(), {l + 1, b - 1}, {l + 1, t + 1}, {r, t + 1});
        Corner(dc, darkShadow.get(), {l, b - 1}, {r - 1, b - 1}, {r - 1, t - 1});
        Corner(dc, shadow.get(), {l + 1, b - 2}, {r - 2, b - 2}, {r - 2, t});
    } else if (m_bHover && m_bHoverBorder) {
        DrawFaceBorder(dc, face);
    }
}

void CButtonMx::DrawCaption(HDC dc, const std::wstring& caption, RECT captionRect) const
{
    if (m_bPressed && !m_bCheckMode)
        ::OffsetRect(&captionRect, 1, 1);
    const RECT room = captionRect;
    ::DrawTextW(dc, caption.c_str(), -1, &captionRect, DT_WORDBREAK | DT_CENTER | DT_CALCRECT);
    ::OffsetRect(&captionRect, (Width(room) - Width(captionRect)) / 2, (Height(room) - Height(captionRect)) / 2);
    ::SetBkMode(dc, TRANSPARENT);
    if (m_bDisabled) {
        // Engraved: highlight one pixel down and right, shadow over it.
        ::OffsetRect(&captionRect, 1, 1);
        ::SetTextColor(dc, ::GetSysColor(COLOR_BTNHIGHLIGHT));
        ::DrawTextW(dc, caption.c_str(), -1, &captionRect, DT_WORDBREAK | DT_CENTER);
        ::OffsetRect(&captionRect, -1, -1);
        ::SetTextColor(dc, ::GetSysColor(COLOR_BTNSHADOW));
        ::DrawTextW(dc, caption.c_str(), -1, &captionRect, DT_WORDBREAK | DT_CENTER);
        return;
    }
    const bool lit = m_bHover || m_bPressed;
    ::SetTextColor(dc, m_colors[lit ? kLitText : kText]);
    ::SetBkColor(dc, m_colors[lit ? kLitBackground : kBackground]);
    ::DrawTextW(dc, caption.c_str(), -1, &captionRect, DT_WORDBREAK | DT_CENTER);
}

DWORD CButtonMx::DrawFaceBackground(HDC dc, const RECT& rect)
{
    const COLORREF color = m_bHover || m_bPressed ? m_colors[kLitBackground]
                           : m_bFocused           ? m_colors[kFocusedBackground]
                                                  : m_colors[kBackground];
    framework::FillSolidRect(dc, rect, color);
    return 0;
}

DWORD CButtonMx::DrawFaceBorder(HDC dc, const RECT& rect)
{
    const COLORREF light = ::GetSysColor(COLOR_BTNHIGHLIGHT), shadow = ::GetSysColor(COLOR_BTNSHADOW);
    if (m_bPressed)
        framework::Draw3dRect(dc, rect, shadow, light);
    else
        framework::Draw3dRect(dc, rect, light, shadow);
    return 0;
}

void CButtonMx::EnableTransparentBackground()
{
    m_bTransparent = TRUE;
    DiscardBackground();
    Invalidate();
}

void CButtonMx::DiscardBackground()
{
    m_dcBackground.Reset();
}

void CButtonMx::PaintParentBackground(HDC dc)
{
    const HWND parent = ::GetParent(m_hWnd);
    const framework::WindowDC parentDC(parent);
    const RECT client = GetClientRect();
    RECT place = GetWindowRect();
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&place), 2);
    const int width = Width(client), height = Height(client);

    if (!m_dcBackground && parentDC) {
        m_dcBackground = framework::BitmapDC(parentDC.get(), width, height);
        HDC snapshot = m_dcBackground.get();
        if (!snapshot)
            return;
        // What the screen shows there, and over it the parent's own painting of that place when
        // it can print itself: the snapshot then holds neither this button's earlier face nor
        // a window that happened to cover the parent.
        ::BitBlt(snapshot, 0, 0, width, height, parentDC.get(), place.left, place.top, SRCCOPY);
        // Patterns start at the brush origin, so it moves with the picture.
        framework::DcStateScope state(snapshot);
        ::SetViewportOrgEx(snapshot, -place.left, -place.top, nullptr);
        ::SetBrushOrgEx(snapshot, -place.left, -place.top, nullptr);
        ::SendMessageW(parent, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(snapshot), PRF_CLIENT);
    }
    if (m_dcBackground)
        ::BitBlt(dc, 0, 0, width, height, m_dcBackground.get(), 0, 0, SRCCOPY);
}

RECT CButtonMx::PlaceImage(bool hasCaption, const RECT& item, RECT& caption, bool pressed, int width, int height) const
{
    RECT image = item;
    const int roomWidth = Width(image), roomHeight = Height(image);
    switch (m_nImageAlign) {
    case kImageLeft:
        if (!hasCaption) {
            image.left += (roomWidth - width) / 2;
        } else {
            image.left += 3;
            caption.left += width + 3;
        }
        image.top += (roomHeight - height) / 2;
        break;
    case kImageAbove:
        image.left += (roomWidth - width) / 2;
        if (hasCaption) {
            image.top = 3;
            caption.top += height;
        } else {
            image.top += (roomHeight - height) / 2;
        }
        break;
    case kImageRight:
        if (!hasCaption) {
            image.left += (roomWidth - width) / 2;
        } else {
            caption.right = Width(caption) - width - 3;
            caption.left = 3;
            image.left = GetClientRect().right - width - 3;
            image.top += (roomHeight - height) / 2;
        }
        break;
    default:
        break;
    }
    if (pressed && !m_bCheckMode)
        ::OffsetRect(&image, 1, 1);
    return image;
}

void CButtonMx::DrawStateIcon(bool hasCaption, const RECT& item, RECT& caption, HDC dc, bool pressed, bool disabled)
{
    const int index = m_icons[1].icon && !pressed && (m_bCheckMode || !m_bHover) ? 1 : 0;
    const StateIcon& icon = m_icons[index];
    const RECT image = PlaceImage(hasCaption, item, caption, pressed, icon.width, icon.height);
    ::DrawStateW(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(icon.icon.get()), 0, image.left, image.top,
                 Width(image), Height(image), DST_ICON | (disabled ? DSS_DISABLED : 0));
}

void CButtonMx::DrawStateBitmap(bool hasCaption, const RECT& item, RECT& caption, HDC dc, bool pressed, bool disabled)
{
    const int index = m_bitmaps[1].bitmap && !pressed && (m_bCheckMode || !m_bHover) ? 1 : 0;
    const StateBitmap& slot = m_bitmaps[index];
    const int w = slot.width, h = slot.height;
    const RECT image = PlaceImage(hasCaption, item, caption, pressed, w, h);
    framework::UniqueMemoryDC bitmapDC(::CreateCompatibleDC(dc));
    framework::UniqueMemoryDC maskDC(::CreateCompatibleDC(nullptr));
    if (!bitmapDC || !maskDC)
        return;
    framework::SelectScope selectBitmap(bitmapDC.get(), slot.bitmap.get());
    framework::SelectScope selectMask(maskDC.get(), slot.mask.get());
    if (disabled && m_bGrayDisabledBitmap) {
        framework::UniqueMemoryDC composeDC(::CreateCompatibleDC(dc));
        framework::UniqueBitmap composed(::CreateCompatibleBitmap(dc, w, h));
        if (!composeDC || !composed)
            return;
        {
            framework::SelectScope select(composeDC.get(), composed.get());
            const RECT all{0, 0, image.right + 1, image.bottom + 1};
            framework::FillSolidRect(composeDC.get(), all, RGB(255, 255, 255));
            const COLORREF previous = ::SetBkColor(composeDC.get(), RGB(255, 255, 255));
            ::BitBlt(composeDC.get(), 0, 0, w, h, maskDC.get(), 0, 0, SRCAND);
            ::BitBlt(composeDC.get(), 0, 0, w, h, bitmapDC.get(), 0, 0, SRCPAINT);
            ::SetBkColor(composeDC.get(), previous);
        }
        ::DrawStateW(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(composed.get()), 0, image.left, image.top, w, h,
                     DST_BITMAP | DSS_DISABLED);
        return;
    }
    ::BitBlt(dc, image.left, image.top, w, h, maskDC.get(), 0, 0, SRCAND);
    ::BitBlt(dc, image.left, image.top, w, h, bitmapDC.get(), 0, 0, SRCPAINT);
}
