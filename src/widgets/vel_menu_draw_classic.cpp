// The classic style: the menu colour, sunken and raised image frames.
#include <algorithm>

#include "framework/gdi_draw.h"
#include "widgets/vel_menu.h"
#include "widgets/vel_menu_look.h"

using framework::Draw3dRect;
using framework::FillSolidRect;
using framework::FrameSolidRect;

namespace {

// Pixels around the image in its cell, and between the image column and the text.
constexpr int kCellMargin = 2;
constexpr int kTextGap = 9;

// One item in the classic style, part by part.
class ClassicItemPainter : public widgets::MenuItemPainter {
public:
    ClassicItemPainter(const VelMenu& menu, CDC& itemDC, const widgets::MenuItemLook& look, const RECT& rect)
        : MenuItemPainter(look), m_menu(menu), m_itemDC(itemDC), m_dc(itemDC.GetSafeHdc()), m_rect(rect),
          m_back(::GetSysColor(VelMenu::IsThemed() ? COLOR_BTNFACE : COLOR_MENU)),
          m_dy(std::max(0, (static_cast<int>(rect.bottom - rect.top) - menu.m_nIconHeight - 2 * kCellMargin) / 2))
    {
    }

private:
    void Separator() const override;
    void Face() const override;
    void ImageCell() const override;
    void CheckMark() const override;
    void Text() const override;

    // The cell of the image with its frame, and inside the frame.
    RECT Cell(int inset) const
    {
        return RECT{m_rect.left + inset, m_rect.top + m_dy + inset,
                    m_rect.left + m_menu.m_nIconWidth + 2 * kCellMargin - inset,
                    m_rect.top + m_dy + m_menu.m_nIconHeight + 2 * kCellMargin - inset};
    }
    POINT Origin() const { return POINT{m_rect.left + kCellMargin, m_rect.top + m_dy + kCellMargin}; }
    void Image() const { widgets::DrawListImage(m_look.images, m_look.imageIndex, m_dc, Origin().x, Origin().y); }
    // Old systems draw no 3-D frames.
    static bool HasFrames() { return VelMenu::s_nOsVersion > VelMenu::kNtOther; }
    void DisabledImage() const;

    const VelMenu& m_menu;
    CDC& m_itemDC;
    HDC m_dc;
    RECT m_rect;
    COLORREF m_back;
    int m_dy;  // from the item's top to the image cell's
};

void ClassicItemPainter::Separator() const
{
    FillSolidRect(m_dc, m_rect, m_back);
    RECT line = m_rect;
    line.top += (m_rect.bottom - m_rect.top) / 2;
    ::DrawEdge(m_dc, &line, EDGE_ETCHED, BF_TOP);
}

void ClassicItemPainter::Face() const
{
    if (!m_look.selected) {
        FillSolidRect(m_dc, m_rect, m_back);
        FrameSolidRect(m_dc, m_rect, m_back);
        return;
    }
    RECT highlight = m_rect;
    if (m_look.hasImage || m_look.checkFromList || m_look.checked)
        highlight.left = m_rect.left + m_menu.m_nIconWidth + 5;
    FillSolidRect(m_dc, highlight, ::GetSysColor(COLOR_HIGHLIGHT));
}

void ClassicItemPainter::ImageCell() const
{
    const RECT cell = Cell(0), inner = Cell(1);
    const COLORREF shadow = ::GetSysColor(COLOR_BTNSHADOW), light = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    FrameSolidRect(m_dc, inner, m_back);
    if (CImageList* checks = m_menu.m_checkImages.Get(); m_look.checkFromList && checks) {
        FillSolidRect(m_dc, inner, m_back);
        FrameSolidRect(m_dc, cell, m_back);
        widgets::DrawListImage(checks, m_look.selected ? 1 : 0, m_dc, Origin().x, Origin().y);
    } else if (!m_look.disabled && m_look.hasImage && m_look.selected) {
        FillSolidRect(m_dc, inner, m_back);
        if (HasFrames()) {
            if (m_look.checked)
                Draw3dRect(m_dc, cell, shadow, light);
            else
                Draw3dRect(m_dc, cell, light, shadow);
        }
        Image();
    } else if (!m_look.disabled && m_look.checked) {
        FillSolidRect(m_dc, inner, VelMenu::BlendTowardWhite(0.6, m_back));
        if (HasFrames())
            Draw3dRect(m_dc, cell, shadow, light);
        Image();
    } else if (!m_look.disabled) {
        FillSolidRect(m_dc, inner, m_back);
        FrameSolidRect(m_dc, cell, m_back);
        Image();
    } else if (m_look.hasImage && m_look.images) {
        DisabledImage();
    }
}

void ClassicItemPainter::DisabledImage() const
{
    CBitmap bitmap;
    m_menu.ImageToBitmap(m_look.imageIndex, &m_itemDC, m_look.images, bitmap);
    FrameSolidRect(m_dc, Cell(0), m_back);
    const POINT at = Origin();
    if (m_menu.m_nDisabledStyle)
        m_menu.DrawDisabledImageDib(m_dc, m_menu.m_nIconHeight, at.x, at.y, m_menu.m_nIconWidth,
                                    bitmap.GetSafeHandle(), m_back);
    else
        m_menu.DrawDisabledImage(m_menu.m_nIconHeight, m_menu.m_nIconWidth, &m_itemDC, at.x, at.y, &bitmap, m_back);
}

void ClassicItemPainter::CheckMark() const
{
    const RECT box{m_rect.left + 1, m_rect.top + m_dy + kCellMargin, m_rect.left + m_menu.m_nIconWidth + 1,
                   m_rect.top + m_dy + m_menu.m_nIconHeight + kCellMargin};
    m_menu.DrawCheckBoxClassic(box, &m_itemDC, m_look.selected, m_look.radio);
}

void ClassicItemPainter::Text() const
{
    const RECT textRect{m_rect.left + m_menu.m_nIconWidth + kTextGap, m_rect.top - 1, m_rect.right, m_rect.bottom - 1};
    const int iconWidth = m_menu.m_nIconWidth;
    if (!m_look.disabled) {
        const COLORREF color = ::GetSysColor(m_look.selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT);
        widgets::DrawItemText(m_dc, textRect, m_look, color, iconWidth);
    } else if (m_look.selected) {
        widgets::DrawItemText(m_dc, textRect, m_look, m_back, iconWidth);
    } else {
        // Engraved: a highlight one pixel down and right under the gray text.
        RECT raised = textRect;
        ::OffsetRect(&raised, 1, 1);
        widgets::DrawItemText(m_dc, raised, m_look, ::GetSysColor(COLOR_BTNHIGHLIGHT), iconWidth);
        widgets::DrawItemText(m_dc, textRect, m_look, ::GetSysColor(COLOR_GRAYTEXT), iconWidth);
    }
}

}  // namespace

void VelMenu::DrawItemClassic(DRAWITEMSTRUCT* item)
{
    const auto& record = *reinterpret_cast<const VelMenuData*>(item->itemData);
    const widgets::MenuItemLook look = widgets::ReadItemLook(*this, *item, record, false);
    CDC itemDC(item->hDC);
    const ClassicItemPainter painter(*this, itemDC, look, item->rcItem);
    painter.Paint();
}
