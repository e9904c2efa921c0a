#include "panes/form_view_title.h"

#include "emulator/emulator_session.h"
#include "emulator/win32/win32_desktop.h"
#include "emulator/win32/win32_session_files.h"
#include "framework/app_instance.h"
#include "framework/data_exchange.h"
#include "framework/file_exception.h"
#include "framework/gdi_handles.h"
#include "framework/message_box.h"
#include "framework/unique_handle.h"
#include "panes/about_dlg.h"
#include "panes/language_list.h"
#include "panes/language_refresh.h"
#include "panes/main_window.h"
#include "resource.h"
#include "text/win32/wide.h"

std::wstring g_strDeviceName;

namespace {

// Each button's icon at its own size, with a gray copy for the idle state.
void GiveIcon(CButtonMx& button, UINT iconId)
{
    auto icon = static_cast<HICON>(::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(iconId), IMAGE_ICON,
                                                0, 0, 0));
    button.SetStateIcons(icon, AUTO_GRAY_ICON);
}

}  // namespace

CFormViewTitle::CFormViewTitle() : CFormView(IDD_FORM_TITLE), m_banner(IDB_BANNER)
{
}

void CFormViewTitle::DoDataExchange(CDataExchange* dx)
{
    CFormView::DoDataExchange(dx);
    DDX_Control(dx, IDC_BUTTON_MINIMIZE, m_btnMinimize);
    DDX_Control(dx, IDC_BUTTON_EXIT, m_btnExit);
    DDX_Control(dx, IDC_BUTTON_MENU, m_btnMenu);
}

void CFormViewTitle::OnInitialUpdate()
{
    CFormView::OnInitialUpdate();
    GiveIcon(m_btnMinimize, IDI_BUTTON_MINIMIZE);
    GiveIcon(m_btnExit, IDI_BUTTON_EXIT);
    GiveIcon(m_btnMenu, IDI_BUTTON_MENU);
    // The buttons show the banner from their very first paint, not a gray face until the pane
    // first has the focus (which a window shown in the background may not get for a while).
    MakeButtonsTransparent();
    if (const panes::MainWindow* main = panes::MainWindow::Current())
        m_strAppDir = main->AppDir();
    FillLanguageList(m_strAppDir);
    ::ShowWindow(GetDlgItem(IDC_STATIC_LANGUAGE), SW_HIDE);
    ::ShowWindow(GetDlgItem(IDC_STATIC_TITLE), SW_HIDE);
    g_strDeviceName = text::LanguageText(L"IDS_PCKovrin_DeviceFile");
}

void CFormViewTitle::MakeButtonsTransparent()
{
    m_btnMinimize.EnableTransparentBackground();
    m_btnExit.EnableTransparentBackground();
    m_btnMenu.EnableTransparentBackground();
}

void CFormViewTitle::FillLanguageList(const std::wstring& appDir)
{
    HWND list = GetDlgItem(IDC_COMBO_LANGUAGE);
    ::SendMessageW(list, CB_RESETCONTENT, 0, 0);
    panes::FillLanguageList(list, appDir, m_listFont);
}

void CFormViewTitle::OnSetFocus(HWND)
{
    if (!m_bFirstFocus)
        return;
    m_bFirstFocus = 0;
    MakeButtonsTransparent();
}

LRESULT CFormViewTitle::DefWindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_LBUTTONDOWN) {
        if (CWnd* mainWindow = AfxGetMainWnd(); mainWindow && mainWindow->m_hWnd)
            mainWindow->SendMessage(WM_DRAG_MAINFRAME, 0, 0);
    }
    return CFormView::DefWindowProc(msg, wParam, lParam);
}

bool CFormViewTitle::OnCommand(UINT id, UINT code, HWND control)
{
    if (!control && id == ID_POPUP_ABOUT) {
        OnPopupAbout();
        return true;
    }
    if (code == BN_CLICKED) {
        switch (id) {
        case IDC_BUTTON_EXIT: OnBnClickedExit(); return true;
        case IDC_BUTTON_MINIMIZE: OnBnClickedMinimize(); return true;
        case IDC_BUTTON_MENU: OnBnClickedMenu(); return true;
        default: break;
        }
    }
    if (code == CBN_SELCHANGE && id == IDC_COMBO_LANGUAGE) {
        OnCbnSelchangeLanguage();
        return true;
    }
    return CFormView::OnCommand(id, code, control);
}

void CFormViewTitle::OnBnClickedExit()
{
    if (AfxMessageBox(text::LanguageText(L"IDC_BTN_EXIT"), MB_YESNO) != IDYES)
        return;
    if (CWnd* main = AfxGetMainWnd())
        main->SendMessage(WM_COMMAND, ID_APP_EXIT, 0);
}

void CFormViewTitle::OnBnClickedMinimize()
{
    if (CWnd* main = AfxGetMainWnd())
        main->ShowWindow(SW_MINIMIZE);
}

void CFormViewTitle::OnBnClickedMenu()
{
    const RECT button = m_btnMenu.GetWindowRect();
    const framework::UniqueMenu menu(::LoadMenuW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MENU_TITLE)));
    HMENU popup = menu ? ::GetSubMenu(menu.get(), 0) : nullptr;
    if (!popup)
        return;
    const std::wstring about = text::LanguageText(L"IDS_ABOUT_TITLE");
    ::ModifyMenuW(popup, 0, MF_BYPOSITION | MF_STRING, ID_POPUP_ABOUT, about.c_str());
    // The chosen command comes back to this pane as WM_COMMAND.
    ::TrackPopupMenu(popup, 0, button.right - 30, button.bottom, 0, m_hWnd, nullptr);
}

void CFormViewTitle::OnPopupAbout()
{
    ShowAboutBox();
}

void CFormViewTitle::OnCbnSelchangeLanguage()
{
    {
        emulator::win32::Win32SessionFiles files;
        emulator::win32::Win32Desktop desktop({.waiting = *this});
        emulator::EndEmulator(desktop, files, emulator::EndVariant::LanguageSwitch);
    }
    std::wstring name;
    if (!panes::SelectedLanguage(GetDlgItem(IDC_COMBO_LANGUAGE), name))
        return;
    panes::ApplyLanguage(*this, name, panes::TitleRefresh::Repaint);
    SwitchDeviceEntry();
}

void CFormViewTitle::SwitchDeviceEntry()
{
    const std::wstring newName = text::LanguageText(L"IDS_PCKovrin_DeviceFile");
    if (newName == g_strDeviceName)
        return;
    // A name with wildcards would find some other entry; an empty one names no entry.
    if (g_strDeviceName.empty() || g_strDeviceName.find_first_of(L"*?") != std::wstring::npos)
        return;
    WIN32_FIND_DATAW found{};
    if (!framework::OwnFind(::FindFirstFileW(g_strDeviceName.c_str(), &found)))
        return;
    if (!::MoveFileW(g_strDeviceName.c_str(), newName.c_str()))
        throw CFileException(CFileException::Operation::Rename, g_strDeviceName, ::GetLastError());
    g_strDeviceName = newName;
}
