#pragma once
// The earlier device states of the current emulation file, newest first, each with the date and
// time it was saved and its size. Restore makes the chosen one the emulation file again, keeping
// the present one as an earlier state, so that a restore can be undone the same way; it is
// refused while a session has the state out. The list has the focus: Enter restores, Esc closes.

#include <string>
#include <vector>

#include "emulator/earlier_states.h"
#include "emulator/win32/win32_session_files.h"
#include "framework/dialog.h"

class CEarlierStatesDlg : public CDialog {
public:
    explicit CEarlierStatesDlg(CWnd* parent);

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;  // Restore

private:
    void FillList();
    // The emulator or a plain state that has not gone back yet holds the device state.
    bool SessionHoldsTheState();
    void Tell(const std::wstring& text) const;

    emulator::win32::Win32SessionFiles m_files;
    std::u16string m_emulationFile;
    std::vector<emulator::EarlierState> m_states;
};

// Runs the dialog over `owner` (the configuration dialog).
void ShowEarlierStatesDialog(CWnd& owner);
