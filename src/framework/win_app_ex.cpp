#include "framework/win_app_ex.h"

#include "framework/command_line_info.h"
#include "framework/error_report.h"
#include "framework/framework_ids.h"
#include "framework/single_doc_template.h"
#include "framework/wnd.h"

namespace {

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
    framework::RegisterApp(this);
}

CWinAppEx::~CWinAppEx()
{
    framework::UnregisterApp(this);
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
    if (m_strAppName.empty())
        m_strAppName = framework::ApplicationTitle();
    return m_strAppName;
}
