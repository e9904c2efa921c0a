#pragma once
// A tool-tip control owned by this object, with the messages the program sends it.

#include <windows.h>
#include <commctrl.h>

#include "framework/wnd.h"

class CToolTipCtrl : public CWnd {
public:
    // A tip window belonging to parent (which it is shown for), topmost and non-activating.
    BOOL Create(CWnd* parent, DWORD style = 0);
    void Activate(BOOL activate) const;
    int SetMaxTipWidth(int width) const;
    // Hands the tip the mouse messages it watches.
    void RelayEvent(const MSG* msg) const;
};
