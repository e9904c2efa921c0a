// Check boxes, radio bullets and ticks of a VelMenu.
#include "framework/gdi_draw.h"
#include "framework/gdi_handles.h"
#include "widgets/vel_menu.h"

void VelMenu::DrawCheckBoxClassic(RECT box, CDC* dc, BOOL selected, BOOL radio) const
{
    COLORREF color = ::GetSysColor(IsThemed() ? COLOR_BTNFACE : COLOR_MENU);
    if (!selected)
        color = BlendTowardWhite(0.6, color);
    framework::FillSolidRect(dc->GetSafeHdc(), box, color);
    if (s_nOsVersion > kNtOther)
        ::DrawEdge(dc->GetSafeHdc(), &box, BDR_SUNKENOUTER, BF_RECT);
    const COLORREF mark = ::GetSysColor(COLOR_MENUTEXT);
    if (radio)
        DrawRadioBullet(mark, box.left + 5, dc, box.top + 4);
    else
        DrawTickMark(mark, box.left + 4, dc, box.top + 4);
}

void VelMenu::DrawCheckBoxFlat(COLORREF highlight, RECT box, CDC* dc, BOOL radio) const
{
    framework::FillSolidRect(dc->GetSafeHdc(), box, BlendTowardWhite(0.85, highlight));
    framework::FrameSolidRect(dc->GetSafeHdc(), box, highlight);
    const COLORREF mark = ::GetSysColor(COLOR_MENUTEXT);
    if (radio)
        DrawRadioBullet(mark, box.left + 5, dc, box.top + 4);
    else
        DrawTickMark(mark, box.left + 5, dc, box.top + 4);
}

void VelMenu::DrawRadioBullet(COLORREF color, int x, CDC* dc, int y)
{
    framework::UniqueBrush brush(::CreateSolidBrush(color));
    framework::UniquePen pen(::CreatePen(PS_SOLID, 1, color));
    framework::SelectScope selectBrush(dc->GetSafeHdc(), brush.get());
    framework::SelectScope selectPen(dc->GetSafeHdc(), pen.get());
    ::Ellipse(dc->GetSafeHdc(), x, y, x + 6, y + 6);
}

void VelMenu::DrawTickMark(COLORREF color, int x, CDC* dc, int y)
{
    // Seven strokes of three pixels each: down to the bottom of the tick, then up to its tip.
    static constexpr int kStrokeTops[7] = {2, 3, 4, 3, 2, 1, 0};
    framework::UniquePen pen(::CreatePen(PS_SOLID, 1, color));
    framework::SelectScope selectPen(dc->GetSafeHdc(), pen.get());
    for (int column = 0; column < 7; ++column) {
        ::MoveToEx(dc->GetSafeHdc(), x + column, y + kStrokeTops[column], nullptr);
        ::LineTo(dc->GetSafeHdc(), x + column, y + kStrokeTops[column] + 3);
    }
}
