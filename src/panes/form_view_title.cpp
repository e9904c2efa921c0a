#include "panes/form_view_title.h"

#include "app/messages.h"
#include "framework/app_instance.h"
#include "resource.h"

CFormViewTitle::CFormViewTitle() : CFormView(IDD_FORM_TITLE)
{
}

LRESULT CFormViewTitle::DefWindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_LBUTTONDOWN) {
        if (CWnd* mainWindow = AfxGetMainWnd(); mainWindow && mainWindow->m_hWnd)
            mainWindow->SendMessage(WM_DRAG_MAINFRAME, 0, 0);
    }
    return CFormView::DefWindowProc(msg, wParam, lParam);
}
