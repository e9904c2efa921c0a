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

int Centred(int room, int size)
{
    return std::max(0, static_cast<int>(static_cast<double>(room - size) * 0.5 + 0.5));
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
    const bool disabled = (request.itemState & ODS_GRAYED) != 0;
    if (disabled && !s_bSelectDisabled) {
        request.itemState &= ~static_cast<UINT>(ODS_SELECTED);
        offscreen.emplace(&itemDC, &request.rcItem);
        menuFont = widgets::CreateMenuFont();
        selectFont.emplace(offscreen->m_hDC, menuFont.get());
    }
    CDC& target = offscreen ? static_cast<CDC&>(*offscreen) : itemDC;
    HDC dc = target.m_hDC;

    const widgets::MenuItemLook look = widgets::ReadItemLook(*this, request, record, true);
    const bool themed = IsThemed();
    RECT rect = request.rcItem;
    const COLORREF window = ::GetSysColor(COLOR_WINDOW);
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    const COLORREF column = themed ? face : BlendTowardWhite(0.25, face);
    const COLORREF highlight = ::GetSysColor(COLOR_HIGHLIGHT);
    const COLORREF select = BlendTowardWhite(themed ? 0.7 : 0.85, highlight);
    const int columnWidth = m_nIconWidth + 7;
    const RECT columnCell{rect.left, rect.top, rect.left + columnWidth, rect.bottom};

    if (look.separator) {
        FillSolidRect(dc, rect, window);
        RECT line = rect;
        line.top += (rect.bottom - rect.top) / 2;
        line.left = columnCell.right + 7;
        ::DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
        FillSolidRect(dc, columnCell, column);
        FrameSolidRect(dc, columnCell, column);
        return;
    }

    if (!look.selected) {
        FillSolidRect(dc, rect, window);
        FillSolidRect(dc, columnCell, column);
        FrameSolidRect(dc, rect, window);
        FrameSolidRect(dc, columnCell, column);
    } else {
        FillSolidRect(dc, rect, select);
        FrameSolidRect(dc, rect, highlight);
    }

    const int height = rect.bottom - rect.top;
    const POINT origin{rect.left + Centred(columnWidth, m_nIconWidth), rect.top + Centred(height, m_nIconHeight)};
    const RECT imageCell{rect.left + 1, rect.top + 1, rect.left + columnWidth - 1, rect.bottom - 1};
    const int normal = look.imageIndex;
    const bool triple = look.hasImage &&
                        (look.ownList ? normal == 0 && look.images && look.images->GetImageCount() > 2
                                      : HasImageTriple(normal) != FALSE);

    if (look.hasImage || look.checkFromList) {
        if (look.checkFromList && m_pCheckImages) {
            FillSolidRect(dc, imageCell, column);
            widgets::DrawListImage(m_pCheckImages, look.selected ? 1 : 0, dc, origin.x, origin.y);
        } else if (look.disabled && look.hasImage) {
            if (look.images) {
                CBitmap bitmap;
                ImageToBitmap(normal, &target, look.images, bitmap);
                const COLORREF background = look.selected ? select : column;
                if (m_nDisabledStyle)
                    DrawDisabledImageDib(dc, m_nIconHeight, origin.x, origin.y, m_nIconWidth, bitmap.GetSafeHandle(),
                                         background);
                else
                    DrawDisabledImage(m_nIconHeight, m_nIconWidth, &target, origin.x, origin.y, &bitmap, background);
            }
            if (look.selected)
                FrameSolidRect(dc, rect, highlight);
        } else if (!look.disabled && look.selected) {
            FillSolidRect(dc, imageCell, select);
            if (look.checked) {
                FrameSolidRect(dc, imageCell, highlight);
                widgets::DrawListImage(look.images, normal, dc, origin.x - 1, origin.y - 1);
            } else if (triple) {
                widgets::DrawListImage(look.images, normal + 2, dc, origin.x + 1, origin.y + 1);
                widgets::DrawListImage(look.images, normal, dc, origin.x - 1, origin.y - 1);
            } else {
                widgets::DrawListImage(look.images, normal, dc, origin.x, origin.y);
            }
        } else if (!look.disabled && look.checked) {
            FillSolidRect(dc, imageCell, BlendTowardWhite(0.85, highlight));
            FrameSolidRect(dc, imageCell, highlight);
            widgets::DrawListImage(look.images, normal, dc, origin.x - 1, origin.y - 1);
        } else if (!look.disabled) {
            FillSolidRect(dc, imageCell, column);
            FrameSolidRect(dc, imageCell, column);
            widgets::DrawListImage(look.images, triple ? normal + 1 : normal, dc, origin.x, origin.y);
        }
    }

    if (look.drawnMark) {
        const int x = rect.left + Centred(columnWidth, 16), y = rect.top + Centred(height, 16);
        DrawCheckBoxFlat(highlight, RECT{x, y, x + 16, y + 16}, &target, look.radio);
    }

    const RECT textRect{rect.left + columnWidth + 8, rect.top - 1, rect.right, rect.bottom - 1};
    COLORREF textColor = ::GetSysColor(COLOR_MENUTEXT);
    if (look.disabled) {
        textColor = ::GetSysColor(COLOR_GRAYTEXT);
        if (!themed && !look.selected)
            textColor = BlendTowardWhite(0.4, textColor);
    }
    widgets::DrawItemText(dc, textRect, look, textColor, m_nIconWidth);
}
