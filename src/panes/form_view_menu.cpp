#include "panes/form_view_menu.h"

#include "emulator/storage_folder.h"
#include "resource.h"

CFormViewMenu::CFormViewMenu() : CFormView(IDD_FORM_MENU)
{
}

void CFormViewMenu::OnInitialUpdate()
{
    CFormView::OnInitialUpdate();
    emulator::PrepareStorageFolder(m_desktop, m_files, true);
    m_session.ResumeInterruptedSession();
}

LRESULT CFormViewMenu::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_TIMER)
        OnTimer(static_cast<UINT_PTR>(wParam));
    return CFormView::WindowProc(msg, wParam, lParam);
}

void CFormViewMenu::OnTimer(UINT_PTR id)
{
    if (id == emulator::win32::EMULATOR_WATCH_TIMER)
        m_session.OnWatchTick();
}
