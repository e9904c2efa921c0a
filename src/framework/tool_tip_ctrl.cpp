#include "framework/tool_tip_ctrl.h"

BOOL CToolTipCtrl::Create(CWnd* parent, DWORD style)
{
    if (!parent || !parent->m_hWnd)
        return FALSE;
    if (!CreateEx(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP | style,
                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, parent->m_hWnd, nullptr))
        return FALSE;
    return TRUE;
}

void CToolTipCtrl::Activate(BOOL activate) const
{
    SendMessage(TTM_ACTIVATE, static_cast<WPARAM>(activate));
}

int CToolTipCtrl::SetMaxTipWidth(int width) const
{
    return static_cast<int>(SendMessage(TTM_SETMAXTIPWIDTH, 0, width));
}

void CToolTipCtrl::RelayEvent(const MSG* msg) const
{
    SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(msg));
}
