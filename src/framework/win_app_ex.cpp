#include "framework/win_app_ex.h"

#include "framework/command_line_info.h"
#include "framework/error_report.h"
#include "framework/framework_ids.h"
#include "framework/single_doc_template.h"
#include "framework/wnd.h"

namespace {

CWinAppEx* g_app = nullptr;

// Walks from the message's window up to its top-level window, offering the message to each object.
bool PreTranslate(MSG& msg)
{
    for (HWND hwnd = msg.hwnd; hwnd; hwnd = ::GetParent(hwnd)) {
        if (CWnd* wnd = CWnd::FromHandlePermanent(hwnd)) {
            bool consumed = false;
            framework::RunGuarded([&] { consumed = wnd->PreTranslateMessage(&msg); });
            if (consumed)
                return true;
        }
        if (!(::GetWindowLongW(hwnd, GWL_STYLE) & WS_CHILD))
            break;
    }
    return false;
}

}  // namespace

CWinAppEx::CWinAppEx(BOOL)
    : m_hInstance(::GetModuleHandleW(nullptr))
{
    if (!g_app)
        g_app = this;
}

CWinAppEx::~CWinAppEx()
{
    if (g_app == this)
        g_app = nullptr;
}

CWinAppEx* AfxGetApp()
{
    return g_app;
}

CWnd* AfxGetMainWnd()
{
    return g_app ? g_app->m_pMainWnd : nullptr;
}

BOOL CWinAppEx::InitInstance()
{
    return TRUE;
}

int CWinAppEx::Run()
{
    MSG msg{};
    for (;;) {
        BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            m_nExitCode = static_cast<int>(msg.wParam);
            break;
        }
        if (got == -1) {
            m_nExitCode = -1;
            break;
        }
        if (!PreTranslate(msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
    return ExitInstance();
}

int CWinAppEx::ExitInstance()
{
    m_templates.clear();
    return m_nExitCode;
}

bool CWinAppEx::OnCmdMsg(UINT id)
{
    if (id == ID_APP_EXIT) {
        OnAppExit();
        return true;
    }
    return false;
}

void CWinAppEx::OnAppExit()
{
    if (m_pMainWnd && m_pMainWnd->m_hWnd)
        m_pMainWnd->SendMessage(WM_CLOSE);
}

void CWinAppEx::AddDocTemplate(std::unique_ptr<CSingleDocTemplate> docTemplate)
{
    if (docTemplate)
        m_templates.push_back(std::move(docTemplate));
}

void CWinAppEx::ParseCommandLine(CCommandLineInfo& info) const
{
    info.ParseCommandLine(::GetCommandLineW());
}

BOOL CWinAppEx::ProcessShellCommand(CCommandLineInfo& info)
{
    switch (info.m_nShellCommand) {
    case CCommandLineInfo::FileNew:
        OnFileNew();
        return m_pMainWnd != nullptr;
    case CCommandLineInfo::FileOpen:
        return OpenDocumentFile(info.m_strFileName.c_str()) != nullptr;
    case CCommandLineInfo::FileNothing:
        return TRUE;
    }
    return FALSE;
}

void CWinAppEx::OnFileNew()
{
    if (!m_templates.empty())
        m_templates.front()->OpenDocumentFile(nullptr);
}

CDocument* CWinAppEx::OpenDocumentFile(const wchar_t* path)
{
    return m_templates.empty() ? nullptr : m_templates.front()->OpenDocumentFile(path);
}

const std::wstring& CWinAppEx::GetAppName() const
{
    if (m_strAppName.empty()) {
        m_strAppName = framework::LoadResourceString(IDS_APP_TITLE);
        if (m_strAppName.empty()) {
            wchar_t path[MAX_PATH] = {};
            ::GetModuleFileNameW(nullptr, path, MAX_PATH);
            std::wstring name = path;
            name = name.substr(name.find_last_of(L"\\/") + 1);
            m_strAppName = name.substr(0, name.find_last_of(L'.'));
        }
    }
    return m_strAppName;
}

int AfxMessageBox(const std::wstring& text, UINT type)
{
    HWND owner = nullptr;
    std::wstring caption;
    if (CWinAppEx* app = AfxGetApp()) {
        caption = app->GetAppName();
        if (app->m_pMainWnd && ::IsWindow(app->m_pMainWnd->m_hWnd))
            owner = app->m_pMainWnd->m_hWnd;
    }
    return ::MessageBoxW(owner, text.c_str(), caption.c_str(), type);
}

int AfxMessageBox(UINT idPrompt, UINT type)
{
    return AfxMessageBox(framework::LoadResourceString(idPrompt), type);
}

namespace framework {

std::wstring LoadResourceString(UINT id)
{
    const wchar_t* text = nullptr;
    int length = ::LoadStringW(::GetModuleHandleW(nullptr), id, reinterpret_cast<wchar_t*>(&text), 0);
    return length > 0 && text ? std::wstring(text, static_cast<size_t>(length)) : std::wstring();
}

}  // namespace framework

// Kept in this file so that linking the application object also links the entry point.
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
