#pragma once
// Moves values between a dialog-based window's controls and its members, and binds controls
// to their objects.

#include <string>

#include "framework/wnd.h"

class CDataExchange {
public:
    CDataExchange(CWnd* dialog, bool saveAndValidate) : m_pDlgWnd(dialog), m_bSaveAndValidate(saveAndValidate) {}

    // The control with this id. A missing one is a programming error and throws std::logic_error.
    HWND PrepareCtrl(int id) const;

    CWnd* m_pDlgWnd;
    bool m_bSaveAndValidate;  // true: controls to members; false: members to controls
};

// Binds control id to the object on the first exchange; later exchanges leave the binding alone.
void DDX_Control(CDataExchange* dx, int id, CWnd& control);
// The control's window text and the string.
void DDX_Text(CDataExchange* dx, int id, std::wstring& value);
