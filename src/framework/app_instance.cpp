#include "framework/app_instance.h"

#include "framework/win_app_ex.h"

namespace {

CWinAppEx* g_app = nullptr;

}  // namespace

CWinAppEx* AfxGetApp()
{
    return g_app;
}

CWnd* AfxGetMainWnd()
{
    return g_app ? g_app->m_pMainWnd : nullptr;
}

namespace framework {

void RegisterApp(CWinAppEx* app)
{
    if (!g_app)
        g_app = app;
}

void UnregisterApp(CWinAppEx* app)
{
    if (g_app == app)
        g_app = nullptr;
}

}  // namespace framework
