#include "panes/language_refresh.h"

#include "emulator/session_paths.h"
#include "emulator/win32/win32_desktop.h"
#include "panes/form_view_info.h"
#include "panes/form_view_menu.h"
#include "panes/form_view_title.h"
#include "panes/main_window.h"
#include "text/language_files.h"
#include "text/win32/wide.h"
#include "text/win32/win32_text_platform.h"

namespace panes {

void RefreshForLanguage(TitleRefresh title)
{
    MainWindow* main = MainWindow::Current();
    if (!main)
        return;
    main->SetCaption(text::LanguageText(L"IDS_MAIN_TITLE"));
    if (CFormViewTitle* pane = main->TitlePane()) {
        if (title == TitleRefresh::InitialUpdate)
            pane->OnInitialUpdate();
        else
            pane->Invalidate(TRUE);
    }
    if (CFormViewMenu* menu = main->MenuPane())
        menu->ReloadItemTexts();
    if (CFormViewInfo* info = main->InfoPane())
        info->OnInitialUpdate();
}

void ApplyLanguage(CWnd& requester, const std::wstring& name, TitleRefresh title)
{
    text::SelectLanguage(text::Win32TextPlatform(), text::AsU16(name));
    RefreshForLanguage(title);
    emulator::win32::Win32Desktop desktop({.waiting = requester});
    emulator::ReloadEmulationFile(desktop);
}

}  // namespace panes
