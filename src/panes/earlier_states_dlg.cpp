#include "panes/earlier_states_dlg.h"

#include <commctrl.h>
#include <shlwapi.h>

#include "emulator/session_paths.h"
#include "framework/file_exception.h"
#include "framework/message_box.h"
#include "panes/form_view_menu.h"
#include "panes/main_window.h"
#include "resource.h"
#include "text/program_texts.h"
#include "text/win32/wide.h"

namespace {

using text::AsU16;
using text::AsWide;

std::wstring Formatted(const wchar_t* key, std::u16string_view argument)
{
    return AsWide(text::FormatText(AsU16(text::LanguageText(key)), {argument}));
}

// As the user's own settings write a date and a time, to the second.
std::wstring DateAndTime(const emulator::LocalTime& t)
{
    SYSTEMTIME moment{};
    moment.wYear = static_cast<WORD>(t.year);
    moment.wMonth = static_cast<WORD>(t.month);
    moment.wDay = static_cast<WORD>(t.day);
    moment.wHour = static_cast<WORD>(t.hour);
    moment.wMinute = static_cast<WORD>(t.minute);
    moment.wSecond = static_cast<WORD>(t.second);
    wchar_t date[80] = {}, time[80] = {};
    ::GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &moment, nullptr, date, 80);
    ::GetTimeFormatW(LOCALE_USER_DEFAULT, 0, &moment, nullptr, time, 80);
    return std::wstring(date) + L"  " + time;
}

std::wstring Size(std::uint64_t bytes)
{
    wchar_t text[64] = {};
    ::StrFormatByteSizeW(static_cast<LONGLONG>(bytes), text, 64);
    return text;
}

void AddColumn(HWND list, int index, const wchar_t* key, int width)
{
    std::wstring title = text::LanguageText(key);
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
    column.fmt = index == 0 ? LVCFMT_LEFT : LVCFMT_RIGHT;
    column.cx = width;
    column.pszText = title.data();
    ::SendMessageW(list, LVM_INSERTCOLUMNW, index, reinterpret_cast<LPARAM>(&column));
}

}  // namespace

CEarlierStatesDlg::CEarlierStatesDlg(CWnd* parent) : CDialog(IDD_EARLIER_STATES, parent)
{
}

BOOL CEarlierStatesDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_emulationFile = m_files.FullPath(emulator::g_strEmulationFile);
    SetWindowText(text::LanguageText(L"IDS_PCKovrin_EarlierStatesTitle"));
    ::SetDlgItemTextW(m_hWnd, IDOK, text::LanguageText(L"IDS_PCKovrin_Restore").c_str());
    ::SetDlgItemTextW(m_hWnd, IDCANCEL, text::LanguageText(L"IDS_PCKovrin_Close").c_str());

    const HWND list = GetDlgItem(IDC_LIST_EARLIER_STATES);
    ::SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    RECT client{};
    ::GetClientRect(list, &client);
    const int sizeWidth = (client.right - client.left) / 3;
    AddColumn(list, 0, L"IDS_PCKovrin_EarlierStateSaved", client.right - client.left - sizeWidth);
    AddColumn(list, 1, L"IDS_PCKovrin_EarlierStateSize", sizeWidth);
    FillList();
    ::SetFocus(list);
    return FALSE;  // the focus is on the list
}

void CEarlierStatesDlg::FillList()
{
    m_states = emulator::ListEarlierStates(m_files, m_emulationFile);
    const HWND list = GetDlgItem(IDC_LIST_EARLIER_STATES);
    ::SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
    for (std::size_t i = 0; i < m_states.size(); ++i) {
        std::wstring when = DateAndTime(m_states[i].written), size = Size(m_states[i].size);
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = static_cast<int>(i);
        item.pszText = when.data();
        ::SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
        item.iSubItem = 1;
        item.pszText = size.data();
        ::SendMessageW(list, LVM_SETITEMTEXTW, i, reinterpret_cast<LPARAM>(&item));
    }
    const std::u16string name = m_emulationFile.substr(m_emulationFile.rfind(u'\\') + 1);
    const wchar_t* hint = m_states.empty() ? L"IDS_PCKovrin_EarlierStatesNone" : L"IDS_PCKovrin_EarlierStatesHint";
    ::SetDlgItemTextW(m_hWnd, IDC_STATIC_EARLIER_HINT, Formatted(hint, name).c_str());
    ::EnableWindow(GetDlgItem(IDOK), !m_states.empty());
    if (!m_states.empty()) {
        LVITEMW selected{};
        selected.stateMask = selected.state = LVIS_SELECTED | LVIS_FOCUSED;
        ::SendMessageW(list, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&selected));
    }
}

bool CEarlierStatesDlg::SessionHoldsTheState()
{
    const panes::MainWindow* main = panes::MainWindow::Current();
    const CFormViewMenu* commands = main ? main->MenuPane() : nullptr;
    return (commands && commands->IsEmulatorLaunched()) || m_files.FileExists(emulator::g_strTempStateFile);
}

void CEarlierStatesDlg::Tell(const std::wstring& text) const
{
    ::MessageBoxW(m_hWnd, text.c_str(), framework::ApplicationTitle().c_str(), MB_OK | MB_ICONWARNING);
}

void CEarlierStatesDlg::OnOK()
{
    const int chosen = static_cast<int>(
        ::SendMessageW(GetDlgItem(IDC_LIST_EARLIER_STATES), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    if (chosen < 0 || chosen >= static_cast<int>(m_states.size())) {
        ::MessageBeep(MB_OK);
        return;
    }
    if (SessionHoldsTheState()) {
        Tell(text::LanguageText(L"IDS_PCKovrin_RestoreDuringSession"));
        return;
    }
    const emulator::EarlierState& state = m_states[static_cast<std::size_t>(chosen)];
    emulator::FileError error;
    if (!emulator::RestoreEarlierState(m_files, m_emulationFile, state, error)) {
        const std::wstring cause = SystemErrorText(error.systemCode ? error.systemCode : ERROR_GEN_FAILURE);
        Tell(AsWide(text::FormatText(AsU16(text::LanguageText(L"IDS_PCKovrin_RestoreFailed")),
                                     {state.path, m_emulationFile, AsU16(cause)})));
        FillList();
        return;
    }
    EndDialog(IDOK);
}

void ShowEarlierStatesDialog(CWnd& owner)
{
    CEarlierStatesDlg dialog(&owner);
    dialog.DoModal();
}
