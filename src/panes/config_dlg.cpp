#include "panes/config_dlg.h"

#include "panes/earlier_states_dlg.h"
#include "panes/language_list.h"
#include "panes/language_refresh.h"
#include "panes/main_window.h"
#include "resource.h"
#include "text/win32/wide.h"

CConfigDlg::CConfigDlg() : CDialog(IDD_CONFIG)
{
}

BOOL CConfigDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (const panes::MainWindow* main = panes::MainWindow::Current())
        m_strAppDir = main->AppDir();
    panes::FillLanguageList(GetDlgItem(IDC_COMBO_LANGUAGE), m_strAppDir, m_listFont);
    ::SetDlgItemTextW(m_hWnd, IDC_STATIC_LANGUAGE, text::LanguageText(L"IDC_STATIC_LANG").c_str());
    ::SetDlgItemTextW(m_hWnd, IDOK, text::LanguageText(L"IDOK").c_str());
    ::SetDlgItemTextW(m_hWnd, IDCANCEL, text::LanguageText(L"IDCANCEL").c_str());
    ::SetDlgItemTextW(m_hWnd, IDC_BUTTON_EARLIER_STATES, text::LanguageText(L"IDS_PCKovrin_EarlierStates").c_str());
    SetWindowText(text::LanguageText(L"IDS_PCKovrin_Config"));
    return TRUE;
}

void CConfigDlg::OnOK()
{
    std::wstring name;
    HWND list = GetDlgItem(IDC_COMBO_LANGUAGE);
    if (!panes::SelectedLanguage(list, name)) {
        // Nothing chosen, nothing to apply: the dialog stays for a choice or Cancel.
        ::MessageBeep(MB_OK);
        ::SetFocus(list);
        return;
    }
    panes::ApplyLanguage(*this, name, panes::TitleRefresh::InitialUpdate);
    CDialog::OnOK();
}

bool CConfigDlg::OnCommand(UINT id, UINT code, HWND control)
{
    if (id == IDC_BUTTON_EARLIER_STATES && code == BN_CLICKED) {
        ShowEarlierStatesDialog(*this);
        return true;
    }
    return CDialog::OnCommand(id, code, control);
}

void ShowConfigDialog()
{
    CConfigDlg dialog;
    dialog.DoModal();
}
