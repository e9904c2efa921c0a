#include "framework/button.h"

UINT CButton::GetState() const
{
    return static_cast<UINT>(SendMessage(BM_GETSTATE));
}

int CButton::GetCheck() const
{
    return static_cast<int>(SendMessage(BM_GETCHECK));
}

void CButton::SetCheck(int check) const
{
    SendMessage(BM_SETCHECK, static_cast<WPARAM>(check));
}

UINT CButton::GetButtonStyle() const
{
    return LOWORD(GetStyle());  // the button styles; the window styles lie above
}

void CButton::SetButtonStyle(UINT style, BOOL redraw) const
{
    SendMessage(BM_SETSTYLE, style, redraw);
}

void CButton::DrawItem(DRAWITEMSTRUCT*)
{
}

void CButton::MeasureItem(MEASUREITEMSTRUCT*)
{
}

bool CButton::OnReflectedDrawItem(DRAWITEMSTRUCT& item)
{
    if (item.CtlType != ODT_BUTTON)
        return false;
    DrawItem(&item);
    return true;
}

bool CButton::OnReflectedMeasureItem(MEASUREITEMSTRUCT& item)
{
    if (item.CtlType != ODT_BUTTON)
        return false;
    MeasureItem(&item);
    return true;
}
