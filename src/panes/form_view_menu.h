#pragma once
// The command pane: the middle row of the main frame. It owns the emulator session: the launched
// flag lives in the session, and the watch timer runs on this pane's window.

#include "emulator/emulator_session.h"
#include "emulator/win32/win32_desktop.h"
#include "emulator/win32/win32_session_files.h"
#include "framework/form_view.h"

class CFormViewMenu : public CFormView {
public:
    CFormViewMenu();

    void OnInitialUpdate() override;
    // The Run command.
    void RunEmulator() { m_session.RunEmulator(); }
    bool IsEmulatorLaunched() const { return m_session.IsLaunched(); }

protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnTimer(UINT_PTR id);

private:
    emulator::win32::Win32SessionFiles m_files;
    emulator::win32::Win32Desktop m_desktop{*this};
    emulator::EmulatorSession m_session{m_desktop, m_files};
};
