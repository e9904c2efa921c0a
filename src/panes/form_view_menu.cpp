#include "panes/form_view_menu.h"

#include <shellapi.h>

#include "emulator/storage_folder.h"
#include "framework/data_exchange.h"
#include "framework/gdi_handles.h"
#include "framework/app_instance.h"
#include "framework/message_box.h"
#include "panes/about_dlg.h"
#include "panes/config_dlg.h"
#include "resource.h"
#include "text/win32/wide.h"

namespace {

constexpr int kIconSize = 95;
constexpr COLORREF kItemTextColor = 0x00E55500;  // red 0, green 85, blue 229
// Cells of a third of the list's width and half its height: five 95-pixel icons with their
// labels, three in the first row and two below, none overlapping another.
constexpr int kColumns = 3;
constexpr int kRows = 2;

struct CommandItem {
    const wchar_t* textKey;
    UINT icon;
};

constexpr CommandItem kCommandItems[CFormViewMenu::CommandCount] = {
    {L"IDS_MENU_RUN", IDI_MENU_RUN},       {L"IDS_MENU_HELP", IDI_MENU_HELP},
    {L"IDS_MENU_CONFIG", IDI_MENU_CONFIG}, {L"IDS_MENU_ABOUT", IDI_MENU_ABOUT},
    {L"IDS_MENU_EXIT", IDI_MENU_EXIT},
};

}  // namespace

CFormViewMenu::CFormViewMenu() : CFormView(IDD_FORM_MENU), m_configCommand(ShowConfigDialog)
{
}

void CFormViewMenu::DoDataExchange(CDataExchange* dx)
{
    CFormView::DoDataExchange(dx);
    DDX_Control(dx, IDC_LIST_MENU, m_listMenu);
}

void CFormViewMenu::OnInitialUpdate()
{
    CFormView::OnInitialUpdate();
    m_listMenu.SetTextColor(kItemTextColor);

    if (!m_imageList.GetSafeHandle()) {
        m_imageList.Create(kIconSize, kIconSize, ILC_COLOR32 | ILC_MASK, 0, 0);
        for (const CommandItem& item : kCommandItems) {
            // At the icon's own size: the default icon size would scale 95 pixels down to 32 and back.
            framework::UniqueIcon icon(static_cast<HICON>(::LoadImageW(
                ::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(item.icon), IMAGE_ICON, kIconSize, kIconSize, 0)));
            m_imageList.Add(icon.get());
        }
    }

    const RECT client = GetClientRect();
    m_listMenu.MoveWindow(client.left, client.top, client.right - client.left, client.bottom - client.top, TRUE);
    m_listMenu.SetImageList(m_imageList, LVSIL_NORMAL);
    // In rows, not columns: the template's left alignment would stack Run over Help.
    ::SetWindowLongW(m_listMenu.m_hWnd, GWL_STYLE,
                     static_cast<LONG>((m_listMenu.GetStyle() & ~static_cast<DWORD>(LVS_ALIGNMASK)) | LVS_ALIGNTOP));

    const RECT listClient = m_listMenu.GetClientRect();
    m_listMenu.SetIconSpacing((listClient.right - listClient.left) / kColumns,
                              (listClient.bottom - listClient.top) / kRows);
    ReloadItemTexts();

    emulator::PrepareStorageFolder(m_desktop, m_files, true);
    m_session.ResumeInterruptedSession();
}

void CFormViewMenu::ReloadItemTexts()
{
    m_listMenu.DeleteAllItems();
    for (int index = 0; index < CommandCount; ++index)
        m_listMenu.InsertItem(index, text::LanguageText(kCommandItems[index].textKey), index);
    LayOutItems();
}

void CFormViewMenu::LayOutItems() const
{
    // Rows of three cells from the top left, so that the list's own arranging (which it also
    // does by itself, at its first paint) always gives this layout.
    m_listMenu.SendMessage(LVM_ARRANGE, LVA_DEFAULT);
}

bool CFormViewMenu::OnNotify(NMHDR* header, LRESULT* result)
{
    if (header->idFrom == IDC_LIST_MENU && header->code == NM_CLICK) {
        OnNMClickListMenu(header, result);
        return true;
    }
    return CFormView::OnNotify(header, result);
}

void CFormViewMenu::OnTimer(UINT_PTR id)
{
    if (id == emulator::win32::EMULATOR_WATCH_TIMER)
        m_session.OnWatchTick();
}

void CFormViewMenu::OnNMClickListMenu(NMHDR* header, LRESULT* result)
{
    *result = 0;
    LVHITTESTINFO hit{};
    hit.pt = reinterpret_cast<NMITEMACTIVATE*>(header)->ptAction;
    const int item = m_listMenu.SubItemHitTest(&hit);
    // The list also names an item, flagged "nowhere", for blank points beside a label.
    if (item >= 0 && (hit.flags & (LVHT_ONITEMICON | LVHT_ONITEMLABEL)))
        CarryOut(item);
}

void CFormViewMenu::CarryOut(int command)
{
    switch (command) {
    case Run: RunEmulator(); break;
    case Help: OpenHelpDocument(); break;
    case Config:
        if (m_configCommand)
            m_configCommand();
        break;
    case About: ShowAboutBox(); break;
    case Exit: ConfirmExit(); break;
    default: break;
    }
}

void CFormViewMenu::OpenHelpDocument() const
{
    // A relative name is found from the current directory; a document that cannot be opened
    // is not reported.
    const std::wstring document = text::LanguageText(L"IDS_PCKovrin_HelpFile");
    ::ShellExecuteW(nullptr, L"open", document.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void CFormViewMenu::ConfirmExit() const
{
    if (AfxMessageBox(text::LanguageText(L"IDC_BTN_EXIT"), MB_YESNO) != IDYES)
        return;
    if (CWnd* main = AfxGetMainWnd())
        main->SendMessage(WM_COMMAND, ID_APP_EXIT);
}
