#pragma once
// The command pane: the middle row of the main frame, a list view of five large icons, one per
// command, carried out by a single click. It owns the emulator session: the launched flag
// lives in the session, and the watch timer runs on this pane's window.

#include <functional>

#include "emulator/emulator_session.h"
#include "emulator/win32/win32_desktop.h"
#include "emulator/win32/win32_session_files.h"
#include "framework/form_view.h"
#include "framework/image_list.h"
#include "framework/list_ctrl.h"

class CFormViewMenu : public CFormView {
public:
    // List order: the item index is the command.
    enum Command { Run, Help, Config, About, Exit, CommandCount };

    CFormViewMenu();

    void OnInitialUpdate() override;
    // Puts the five items back with the texts of the current language.
    void ReloadItemTexts();

    void RunEmulator() { m_session.RunEmulator(); }
    bool IsEmulatorLaunched() const { return m_session.IsLaunched(); }

    // What Config opens: the configuration dialog, unless something else is put there.
    void SetConfigCommand(std::function<void()> command) { m_configCommand = std::move(command); }

    const CListCtrl& List() const { return m_listMenu; }
    const CImageList& Images() const { return m_imageList; }

protected:
    void DoDataExchange(CDataExchange* dx) override;
    bool OnNotify(NMHDR* header, LRESULT* result) override;
    void OnTimer(UINT_PTR id) override;
    void OnNMClickListMenu(NMHDR* header, LRESULT* result);

private:
    void CarryOut(int command);
    void OpenHelpDocument() const;
    void ConfirmExit() const;
    void LayOutItems() const;

    CImageList m_imageList;
    CListCtrl m_listMenu;
    emulator::win32::Win32SessionFiles m_files;
    emulator::win32::Win32Desktop m_desktop{{.watchTimer = this, .waiting = *this}};
    emulator::EmulatorSession m_session{m_desktop, m_files};
    std::function<void()> m_configCommand;
};
