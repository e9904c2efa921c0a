#include "app/pc_kovrin30_app.h"

#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include "app/main_frame.h"
#include "app/pc_kovrin30_doc.h"
#include "framework/command_line_info.h"
#include "framework/single_doc_template.h"
#include "panes/about_dlg.h"
#include "resource.h"

CPC_Kovrin30App theApp;

CPC_Kovrin30App::CPC_Kovrin30App() : CWinAppEx(TRUE)
{
}

BOOL CPC_Kovrin30App::InitInstance()
{
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = 8;
    controls.dwICC = 0xFF;  // all Windows 95 classes; the command pane needs the list view
    ::InitCommonControlsEx(&controls);

    if (!CWinAppEx::InitInstance())
        return FALSE;

    if (FAILED(::OleInitialize(nullptr))) {
        AfxMessageBox(IDP_OLE_INIT_FAILED);
        return FALSE;
    }
    m_bOleInitialized = true;

    // Only the event's existence counts. A name held by an object of another kind gives no
    // handle at all; the program then runs as the first copy.
    m_hInstanceEvent.reset(::CreateEventW(nullptr, FALSE, FALSE, L"tickets"));
    if (m_hInstanceEvent && ::GetLastError() == ERROR_ALREADY_EXISTS) {
        AfxMessageBox(IDS_ALREADY_RUNNING, MB_OK);
        return FALSE;
    }

    AddDocTemplate(CSingleDocTemplate::Create<CPC_Kovrin30Doc, CMainFrame>(IDR_MAINFRAME));

    CCommandLineInfo commandLine;
    ParseCommandLine(commandLine);
    if (!ProcessShellCommand(commandLine))
        return FALSE;

    m_pMainWnd->ShowWindow(SW_SHOW);
    m_pMainWnd->CenterWindow();
    m_pMainWnd->UpdateWindow();
    return TRUE;
}

int CPC_Kovrin30App::ExitInstance()
{
    const int code = CWinAppEx::ExitInstance();
    if (m_bOleInitialized) {
        ::OleUninitialize();
        m_bOleInitialized = false;
    }
    return code;
}

bool CPC_Kovrin30App::OnCmdMsg(UINT id)
{
    if (id == ID_APP_ABOUT) {
        ShowAboutBox();
        return true;
    }
    return CWinAppEx::OnCmdMsg(id);
}
