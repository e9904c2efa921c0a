#include "framework/frame_wnd_ex.h"

#include <algorithm>
#include <cwchar>
#include <string>

#include "framework/create_context.h"
#include "framework/framework_ids.h"
#include "framework/win_app_ex.h"

namespace {

// One window class per icon, so the taskbar and the task switcher show the frame's own icon: they
// take a window's class icons when it sets none of its own.
const wchar_t* FrameClassFor(UINT iconId, wchar_t (&name)[32])
{
    std::swprintf(name, 32, L"KovrinFrame%u", iconId);
    HINSTANCE instance = ::GetModuleHandleW(nullptr);
    // Shared icons belong to the system's cache: never destroyed by us.
    HICON icon = ::LoadIconW(instance, MAKEINTRESOURCEW(iconId));
    auto smallIcon = static_cast<HICON>(::LoadImageW(instance, MAKEINTRESOURCEW(iconId), IMAGE_ICON,
                                                     ::GetSystemMetrics(SM_CXSMICON),
                                                     ::GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    return CWnd::RegisterFrameworkClass(name, CS_DBLCLKS, ::LoadCursorW(nullptr, IDC_ARROW),
                                        reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), icon, smallIcon);
}

}  // namespace

BOOL CFrameWndEx::LoadFrame(UINT nIDResource, DWORD style, CWnd* parent, CCreateContext* context)
{
    if (m_hWnd)
        return FALSE;
    std::wstring title = framework::LoadResourceString(nIDResource);
    title.erase(std::min(title.find(L'\n'), title.size()));

    wchar_t className[32];
    CREATESTRUCTW cs{};
    cs.lpszClass = FrameClassFor(nIDResource, className);
    cs.lpszName = title.c_str();
    cs.style = style;
    cs.x = cs.y = cs.cx = cs.cy = CW_USEDEFAULT;
    cs.hwndParent = parent ? parent->m_hWnd : nullptr;
    cs.hInstance = ::GetModuleHandleW(nullptr);
    if (!cs.lpszClass || !PreCreateWindow(cs))
        return FALSE;

    m_pDocument = context ? context->m_pCurrentDoc : nullptr;
    m_pContext = context;
    BOOL created = CreateEx(cs.dwExStyle, cs.lpszClass, cs.lpszName, cs.style, cs.x, cs.y, cs.cx, cs.cy,
                            cs.hwndParent, cs.hMenu);
    m_pContext = nullptr;
    return created;
}

bool CFrameWndEx::PreTranslateMessage(MSG* msg)
{
    if (msg->message == WM_SYSKEYDOWN && msg->wParam == VK_F4 && (msg->hwnd == m_hWnd || ::IsChild(m_hWnd, msg->hwnd))) {
        SendMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
        return true;
    }
    return CWnd::PreTranslateMessage(msg);
}

BOOL CFrameWndEx::PreCreateWindow(CREATESTRUCTW&)
{
    return TRUE;
}

BOOL CFrameWndEx::OnCreateClient(CREATESTRUCTW*, CCreateContext*)
{
    return TRUE;
}

void CFrameWndEx::InitialUpdateFrame(CDocument*)
{
    RunInitialUpdate();
    if (!m_pViewActive) {
        CWnd* client = FromHandlePermanent(GetDlgItem(AFX_IDW_PANE_FIRST));
        m_pViewActive = client ? client->InitialView() : nullptr;
    }
}

void CFrameWndEx::RecalcLayout()
{
    HWND pane = GetDlgItem(AFX_IDW_PANE_FIRST);
    if (!pane)
        return;
    MoveUnlessThere(pane, GetClientRect());
}

LRESULT CFrameWndEx::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_CREATE:
        return OnCreate(reinterpret_cast<CREATESTRUCTW*>(lParam));
    case WM_SIZE:
        OnSize(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_CLOSE:
        OnClose();
        return 0;
    case WM_SETFOCUS:
        OnSetFocus(reinterpret_cast<HWND>(wParam));
        return 0;
    default:
        return CWnd::WindowProc(msg, wParam, lParam);
    }
}

int CFrameWndEx::OnCreate(CREATESTRUCTW* cs)
{
    return OnCreateClient(cs, m_pContext) ? 0 : -1;
}

void CFrameWndEx::OnSize(UINT type, int, int)
{
    if (type != SIZE_MINIMIZED)
        RecalcLayout();
}

void CFrameWndEx::OnClose()
{
    // The document is never modified, so there is nothing to ask before closing.
    DestroyWindow();
}

void CFrameWndEx::OnSetFocus(HWND)
{
    if (m_pViewActive && ::IsWindow(m_pViewActive->m_hWnd))
        ::SetFocus(m_pViewActive->m_hWnd);
}

bool CFrameWndEx::OnCommand(UINT id, UINT, HWND control)
{
    // Menu, accelerator and sent commands go on to the application.
    if (control)
        return false;
    CWinAppEx* app = AfxGetApp();
    return app && app->OnCmdMsg(id);
}

void CFrameWndEx::PostNcDestroy()
{
    CWinAppEx* app = AfxGetApp();
    if (app && app->m_pMainWnd == this) {
        app->m_pMainWnd = nullptr;
        ::PostQuitMessage(0);
    }
}
