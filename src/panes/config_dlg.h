#pragma once
// The configuration dialog: the language choice once more. OK makes the chosen language
// current and refreshes the main window and its panes; it leaves a running emulator and the
// device entry alone. Cancel, Esc and the close box change nothing. "Earlier states…" opens the
// earlier device states of the current emulation file.

#include <string>

#include "framework/dialog.h"
#include "framework/gdi_handles.h"

class CConfigDlg : public CDialog {
public:
    CConfigDlg();

    std::wstring m_strAppDir;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;

private:
    framework::UniqueFont m_listFont;  // the drop-down's font when the dialog font lacks glyphs
};

// Runs the dialog for the Config command; the result does not matter.
void ShowConfigDialog();
