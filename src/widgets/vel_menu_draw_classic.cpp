// The classic style: the menu colour, sunken and raised image frames.
#include <algorithm>

#include "framework/gdi_draw.h"
#include "widgets/vel_menu.h"
#include "widgets/vel_menu_look.h"

using framework::Draw3dRect;
using framework::FillSolidRect;
using framework::FrameSolidRect;

void VelMenu::DrawItemClassic(DRAWITEMSTRUCT* item)
{
    const auto& record = *reinterpret_cast<const VelMenuData*>(item->itemData);
    const widgets::MenuItemLook look = widgets::ReadItemLook(*this, *item, record, false);
    HDC dc = item->hDC;
    CDC itemDC(dc);
    RECT rect = item->rcItem;
    const COLORREF back = ::GetSysColor(IsThemed() ? COLOR_BTNFACE : COLOR_MENU);

    if (look.separator) {
        FillSolidRect(dc, rect, back);
        rect.top += (rect.bottom - rect.top) / 2;
        ::DrawEdge(dc, &rect, EDGE_ETCHED, BF_TOP);
        return;
    }

    COLORREF textColor = ::GetSysColor(COLOR_MENUTEXT);
    if (!look.selected) {
        FillSolidRect(dc, rect, back);
        FrameSolidRect(dc, rect, back);
    } else {
        RECT highlight = rect;
        if (look.hasImage || look.checkFromList || look.checked)
            highlight.left = rect.left + m_nIconWidth + 5;
        FillSolidRect(dc, highlight, ::GetSysColor(COLOR_HIGHLIGHT));
        textColor = ::GetSysColor(COLOR_HIGHLIGHTTEXT);
    }

    const int dy = std::max(0, (static_cast<int>(rect.bottom - rect.top) - m_nIconHeight - 4) / 2);
    const RECT cell{rect.left, rect.top + dy, rect.left + m_nIconWidth + 4, rect.top + dy + m_nIconHeight + 4};
    const RECT inner{rect.left + 1, rect.top + dy + 1, rect.left + m_nIconWidth + 3, rect.top + dy + m_nIconHeight + 3};
    const POINT origin{rect.left + 2, rect.top + dy + 2};
    const COLORREF shadow = ::GetSysColor(COLOR_BTNSHADOW), light = ::GetSysColor(COLOR_BTNHIGHLIGHT);

    if (look.hasImage || look.checkFromList) {
        FrameSolidRect(dc, inner, back);
        if (look.checkFromList && m_pCheckImages) {
            FillSolidRect(dc, inner, back);
            FrameSolidRect(dc, cell, back);
            widgets::DrawListImage(m_pCheckImages, look.selected ? 1 : 0, dc, origin.x, origin.y);
        } else if (!look.disabled && look.hasImage && look.selected) {
            FillSolidRect(dc, inner, back);
            if (s_nOsVersion > 1) {
                if (look.checked)
                    Draw3dRect(dc, cell, shadow, light);
                else
                    Draw3dRect(dc, cell, light, shadow);
            }
            widgets::DrawListImage(look.images, look.imageIndex, dc, origin.x, origin.y);
        } else if (!look.disabled && look.checked) {
            FillSolidRect(dc, inner, BlendTowardWhite(0.6, back));
            if (s_nOsVersion > 1)
                Draw3dRect(dc, cell, shadow, light);
            widgets::DrawListImage(look.images, look.imageIndex, dc, origin.x, origin.y);
        } else if (!look.disabled) {
            FillSolidRect(dc, inner, back);
            FrameSolidRect(dc, cell, back);
            widgets::DrawListImage(look.images, look.imageIndex, dc, origin.x, origin.y);
        } else if (look.hasImage && look.images) {
            CBitmap bitmap;
            ImageToBitmap(look.imageIndex, &itemDC, look.images, bitmap);
            FrameSolidRect(dc, cell, back);
            if (m_nDisabledStyle)
                DrawDisabledImageDib(dc, m_nIconHeight, origin.x, origin.y, m_nIconWidth, bitmap.GetSafeHandle(), back);
            else
                DrawDisabledImage(m_nIconHeight, m_nIconWidth, &itemDC, origin.x, origin.y, &bitmap, back);
        }
    }

    if (look.drawnMark) {
        const RECT box{rect.left + 1, rect.top + dy + 2, rect.left + m_nIconWidth + 1, rect.top + dy + m_nIconHeight + 2};
        DrawCheckBoxClassic(box, &itemDC, look.selected, look.radio);
    }

    const RECT textRect{rect.left + m_nIconWidth + 9, rect.top - 1, rect.right, rect.bottom - 1};
    if (!look.disabled) {
        widgets::DrawItemText(dc, textRect, look, textColor, m_nIconWidth);
    } else if (look.selected) {
        widgets::DrawItemText(dc, textRect, look, back, m_nIconWidth);
    } else {
        RECT raised = textRect;
        ::OffsetRect(&raised, 1, 1);
        widgets::DrawItemText(dc, raised, look, light, m_nIconWidth);
        widgets::DrawItemText(dc, textRect, look, ::GetSysColor(COLOR_GRAYTEXT), m_nIconWidth);
    }
}
