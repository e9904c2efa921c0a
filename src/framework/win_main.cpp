// The program entry: runs the one application object. A library file of its own, so that only
// a program that asks for wWinMain links it.
#include <windows.h>

#include "framework/error_report.h"
#include "framework/win_app_ex.h"
#include "framework/wnd.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand)
{
    CWinAppEx* app = AfxGetApp();
    if (!app)
        return 1;
    app->m_hInstance = instance;
    app->m_nCmdShow = showCommand;

    BOOL started = FALSE;
    framework::RunGuarded([&] { started = app->InitInstance(); });
    if (!started) {
        if (app->m_pMainWnd && app->m_pMainWnd->m_hWnd)
            app->m_pMainWnd->DestroyWindow();
        // A start that was refused is not a success for whoever started the program.
        app->m_nExitCode = 1;
        int code = 1;
        framework::RunGuarded([&] { code = app->ExitInstance(); });
        return code;
    }
    int code = 1;
    framework::RunGuarded([&] { code = app->Run(); });
    return code;
}
