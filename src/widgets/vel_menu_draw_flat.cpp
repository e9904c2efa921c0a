// The flat style: a text area in the window colour, an image column in the button face, and a
// light highlight with a frame.
#include <algorithm>
#include <optional>

#include "framework/gdi_draw.h"
#include "framework/gdi_handles.h"
#include "widgets/menu_font.h"
#include "widgets/vel_menu.h"
#include "widgets/vel_menu_look.h"
#include "widgets/vel_menu_mem_dc.h"

using framework::FillSolidRect;
using framework::FrameSolidRect;

namespace {

// Pixels between the image column and the image, and between the column and the text.
constexpr int kColumnPadding = 7;
constexpr int kTextGap = 8;
constexpr int kMarkSize = 16;

int Centred(int room, int size)
{
    return std::max(0, static_cast<int>(static_cast<double>(room - size) * 0.5 + 0.5));
}

struct FlatColours {
    COLORREF window;
    COLORREF column;     // the image column
    COLORREF highlight;  // frames of the selection
    COLORREF select;     // the selection's fill
};

FlatColours ReadFlatColours(bool themed)
{
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    const COLORREF highlight = ::GetSysColor(COLOR_HIGHLIGHT);
    return FlatColours{::GetSysColor(COLOR_WINDOW), themed ? face : VelMenu::BlendTowardWhite(0.25, face), highlight,
                       VelMenu::BlendTowardWhite(themed ? 0.7 : 0.85, highlight)};
}

// One item in the flat style, part by part, on the DC it is drawn on.
class FlatItemPainter : public widgets::MenuItemPainter {
public:
    FlatItemPainter(const VelMenu& menu, CDC& target, const widgets::MenuItemLook& look, const RECT& rect)
        : MenuItemPainter(look), m_menu(menu), m_target(target), m_dc(target.GetSafeHdc()), m_rect(rect),
          m_themed(VelMenu::IsThemed()), m_colours(ReadFlatColours(m_themed)),
          m_columnWidth(menu.m_nIconWidth + kColumnPadding),
          m_column{rect.left, rect.top, rect.left + m_columnWidth, rect.bottom}
    {
    }

private:
    void Separator() const override;
    void Face() const override;
    void ImageCell() const override;
    void CheckMark() const override;
    void Text() const override;

    void DisabledImage() const;
    void Image(int index, int shift) const
    {
        widgets::DrawListImage(m_look.images, index, m_dc, Origin().x + shift, Origin().y + shift);
    }
    POINT Origin() const
    {
        return POINT{m_rect.left + Centred(m_columnWidth, m_menu.m_nIconWidth),
                     m_rect.top + Centred(m_rect.bottom - m_rect.top, m_menu.m_nIconHeight)};
    }
    RECT ImageRect() const
    {
        return RECT{m_rect.left + 1, m_rect.top + 1, m_rect.left + m_columnWidth - 1, m_rect.bottom - 1};
    }
    // The image is the first of three (normal, light, shadow) in its list.
    bool IsTriple() const;

    const VelMenu& m_menu;
    CDC& m_target;
    HDC m_dc;
    RECT m_rect;
    bool m_themed;
    FlatColours m_colours;
    int m_columnWidth;
    RECT m_column;
};

void FlatItemPainter::Separator() const
{
    FillSolidRect(m_dc, m_rect, m_colours.window);
    RECT line = m_rect;
    line.top += (m_rect.bottom - m_rect.top) / 2;
    line.left = m_column.right + kColumnPadding;
    ::DrawEdge(m_dc, &line, EDGE_ETCHED, BF_TOP);
    FillSolidRect(m_dc, m_column, m_colours.column);
    FrameSolidRect(m_dc, m_column, m_colours.column);
}

void FlatItemPainter::Face() const
{
    if (m_look.selected) {
        FillSolidRect(m_dc, m_rect, m_colours.select);
        FrameSolidRect(m_dc, m_rect, m_colours.highlight);
        return;
    }
    FillSolidRect(m_dc, m_rect, m_colours.window);
    FillSolidRect(m_dc, m_column, m_colours.column);
    FrameSolidRect(m_dc, m_rect, m_colours.window);
    FrameSolidRect(m_dc, m_column, m_colours.column);
}

bool FlatItemPainter::IsTriple() const
{
    if (!m_look.hasImage)
        return false;
    if (m_look.ownList)
        return m_look.imageIndex == 0 && m_look.images && m_look.images->GetImageCount() > 2;
    return VelMenu::HasImageTriple(m_look.imageIndex) != FALSE;
}

void FlatItemPainter::ImageCell() const
{
    const int normal = m_look.imageIndex;
    const RECT cell = ImageRect();
    if (CImageList* checks = m_menu.m_checkImages.Get(); m_look.checkFromList && checks) {
        FillSolidRect(m_dc, cell, m_colours.column);
        widgets::DrawListImage(checks, m_look.selected ? 1 : 0, m_dc, Origin().x, Origin().y);
    } else if (m_look.disabled && m_look.hasImage) {
        DisabledImage();
    } else if (!m_look.disabled && m_look.selected) {
        FillSolidRect(m_dc, cell, m_colours.select);
        if (m_look.checked) {
            FrameSolidRect(m_dc, cell, m_colours.highlight);
            Image(normal, -1);
        } else if (IsTriple()) {
            Image(normal + 2, 1);  // the shadow under the raised image
            Image(normal, -1);
        } else {
            Image(normal, 0);
        }
    } else if (!m_look.disabled && m_look.checked) {
        FillSolidRect(m_dc, cell, VelMenu::BlendTowardWhite(0.85, m_colours.highlight));
        FrameSolidRect(m_dc, cell, m_colours.highlight);
        Image(normal, -1);
    } else if (!m_look.disabled) {
        FillSolidRect(m_dc, cell, m_colours.column);
        FrameSolidRect(m_dc, cell, m_colours.column);
        Image(IsTriple() ? normal + 1 : normal, 0);
    }
}

void FlatItemPainter::DisabledImage() const
{
    if (m_look.images) {
        CBitmap bitmap;
        m_menu.ImageToBitmap(m_look.imageIndex, &m_target, m_look.images, bitmap);
        const COLORREF background = m_look.selected ? m_colours.select : m_colours.column;
        const POINT at = Origin();
        if (m_menu.m_nDisabledStyle)
            m_menu.DrawDisabledImageDib(m_dc, m_menu.m_nIconHeight, at.x, at.y, m_menu.m_nIconWidth,
                                        bitmap.GetSafeHandle(), background);
        else
            m_menu.DrawDisabledImage(m_menu.m_nIconHeight, m_menu.m_nIconWidth, &m_target, at.x, at.y, &bitmap,
                                     background);
    }
    if (m_look.selected)
        FrameSolidRect(m_dc, m_rect, m_colours.highlight);
}

void FlatItemPainter::CheckMark() const
{
    const int x = m_rect.left + Centred(m_columnWidth, kMarkSize);
    const int y = m_rect.top + Centred(m_rect.bottom - m_rect.top, kMarkSize);
    m_menu.DrawCheckBoxFlat(m_colours.highlight, RECT{x, y, x + kMarkSize, y + kMarkSize}, &m_target, m_look.radio);
}

void FlatItemPainter::Text() const
{
    const RECT textRect{m_rect.left + m_columnWidth + kTextGap, m_rect.top - 1, m_rect.right, m_rect.bottom - 1};
    COLORREF color = ::GetSysColor(COLOR_MENUTEXT);
    if (m_look.disabled) {
        color = ::GetSysColor(COLOR_GRAYTEXT);
        if (!m_themed && !m_look.selected)
            color = VelMenu::BlendTowardWhite(0.4, color);
    }
    widgets::DrawItemText(m_dc, textRect, m_look, color, m_menu.m_nIconWidth);
}

}  // namespace

void VelMenu::DrawItemFlat(DRAWITEMSTRUCT* item)
{
    const auto& record = *reinterpret_cast<const VelMenuData*>(item->itemData);
    DRAWITEMSTRUCT request = *item;
    CDC itemDC(item->hDC);

    // A disabled item is never drawn selected here; it is drawn off-screen in the menu font.
    std::optional<VelMenuMemDC> offscreen;
    framework::UniqueFont menuFont;
    std::optional<framework::SelectScope> selectFont;
    if ((request.itemState & ODS_GRAYED) && !s_bSelectDisabled) {
        request.itemState &= ~static_cast<UINT>(ODS_SELECTED);
        offscreen.emplace(&itemDC, &request.rcItem);
        menuFont = widgets::CreateMenuFont();
        selectFont.emplace(offscreen->Dc().GetSafeHdc(), menuFont.get());
    }
    CDC& target = offscreen ? offscreen->Dc() : itemDC;

    const widgets::MenuItemLook look = widgets::ReadItemLook(*this, request, record, true);
    const FlatItemPainter painter(*this, target, look, request.rcItem);
    painter.Paint();
}
