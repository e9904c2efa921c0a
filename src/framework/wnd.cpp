#include "framework/wnd.h"

#include <utility>
#include <vector>

#include "framework/data_exchange.h"
#include "framework/error_report.h"
#include "framework/handle_map.h"

namespace {

// An entry lives from Attach until Detach, which every window's WM_NCDESTROY reaches.
using WindowObjects = framework::HandleMap<HWND, CWnd>;

// The object whose window is being created on this thread, until its window is first seen.
thread_local CWnd* t_creating = nullptr;

// What a message answers when its handler threw: creation fails, painting stops asking again.
LRESULT FailedResult(HWND hwnd, UINT msg)
{
    switch (msg) {
    case WM_NCCREATE: return FALSE;
    case WM_CREATE: return -1;
    case WM_PAINT: ::ValidateRect(hwnd, nullptr); return 0;
    default: return 0;
    }
}

// A dialog procedure answers some messages through its return value, the rest through DWLP_MSGRESULT.
INT_PTR DialogProcResult(HWND hwnd, UINT msg, LRESULT result)
{
    switch (msg) {
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_QUERYDRAGICON:
    case WM_INITDIALOG:
        return static_cast<INT_PTR>(result);
    default:
        ::SetWindowLongPtrW(hwnd, DWLP_MSGRESULT, result);
        return TRUE;
    }
}

void SendToDescendants(HWND parent, UINT msg, WPARAM wParam, LPARAM lParam)
{
    for (HWND child = ::GetWindow(parent, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        ::SendMessageW(child, msg, wParam, lParam);
        SendToDescendants(child, msg, wParam, lParam);
    }
}

}  // namespace

CWnd::CreationScope::CreationScope(CWnd* wnd) : m_previous(t_creating)
{
    t_creating = wnd;
}

CWnd::CreationScope::~CreationScope()
{
    t_creating = m_previous;
}

CWnd::~CWnd()
{
    if (!m_hWnd)
        return;
    HWND hwnd = m_hWnd;
    const bool owns = m_bOwnsWindow;
    // Let go first: the derived parts of this object are already gone and must not see messages.
    Detach();
    if (owns)
        ::DestroyWindow(hwnd);
}

CWnd* CWnd::FromHandlePermanent(HWND hwnd)
{
    return WindowObjects::Find(hwnd);
}

void CWnd::Attach(HWND hwnd)
{
    m_hWnd = hwnd;
    WindowObjects::Add(hwnd, this);
}

void CWnd::Detach()
{
    if (!m_hWnd)
        return;
    WindowObjects::Remove(m_hWnd, this);
    if (m_bSubclassed &&
        reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(m_hWnd, GWLP_WNDPROC)) == &CWnd::StaticWindowProc)
        ::SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    m_pfnSuper = nullptr;
    m_bSubclassed = false;
    m_bOwnsWindow = false;
    m_hWnd = nullptr;
}

CWnd* CWnd::ClaimPending(HWND hwnd)
{
    CWnd* wnd = t_creating;
    if (!wnd || wnd->m_hWnd)
        return nullptr;
    t_creating = nullptr;
    wnd->Attach(hwnd);
    return wnd;
}

LRESULT CALLBACK CWnd::StaticWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    CWnd* wnd = FromHandlePermanent(hwnd);
    if (!wnd && msg == WM_NCCREATE) {
        // Only the object this thread is creating, and only when it named itself as the creator.
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        if (t_creating && create->lpCreateParams == t_creating)
            wnd = ClaimPending(hwnd);
    }
    if (!wnd)
        return ::DefWindowProcW(hwnd, msg, wParam, lParam);
    return Dispatch(wnd, msg, wParam, lParam);
}

INT_PTR CALLBACK CWnd::DialogStartProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (FromHandlePermanent(hwnd)) {
        // Reached from the object's DefWindowProc: the dialog manager's own handling applies,
        // and a dialog that did not handle WM_INITDIALOG gets the usual default focus.
        return msg == WM_INITDIALOG ? TRUE : FALSE;
    }
    CWnd* wnd = ClaimPending(hwnd);
    if (!wnd)
        return FALSE;
    // The dialog's first message to us: from now on every message goes through the object,
    // the dialog manager's procedure becoming its default.
    wnd->m_pfnSuper = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::StaticWindowProc)));
    wnd->m_bSubclassed = true;
    wnd->m_bOwnsWindow = true;
    return DialogProcResult(hwnd, msg, Dispatch(wnd, msg, wParam, lParam));
}

LRESULT CWnd::Dispatch(CWnd* wnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    HWND hwnd = wnd->m_hWnd;
    LRESULT result = 0;
    if (!framework::RunGuarded([&] { result = wnd->WindowProc(msg, wParam, lParam); }))
        result = FailedResult(hwnd, msg);
    if (msg == WM_NCDESTROY && wnd->m_hWnd == hwnd) {
        wnd->Detach();
        framework::RunGuarded([&] { wnd->PostNcDestroy(); });
    }
    return result;
}

const wchar_t* CWnd::RegisterFrameworkClass(const wchar_t* className, UINT classStyle, HCURSOR cursor,
                                            HBRUSH background, HICON icon, HICON smallIcon)
{
    HINSTANCE instance = ::GetModuleHandleW(nullptr);
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof(existing);
    if (::GetClassInfoExW(instance, className, &existing))
        return className;
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = classStyle;
    windowClass.lpfnWndProc = &CWnd::StaticWindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = cursor;
    windowClass.hbrBackground = background;
    windowClass.hIcon = icon;
    windowClass.hIconSm = smallIcon;
    windowClass.lpszClassName = className;
    return ::RegisterClassExW(&windowClass) ? className : nullptr;
}

BOOL CWnd::CreateEx(DWORD exStyle, const wchar_t* className, const wchar_t* windowName, DWORD style, int x,
                    int y, int width, int height, HWND parent, HMENU menuOrId)
{
    if (m_hWnd)
        return FALSE;
    HWND hwnd = nullptr;
    {
        CreationScope scope(this);
        hwnd = ::CreateWindowExW(exStyle, className, windowName, style, x, y, width, height, parent, menuOrId,
                                 ::GetModuleHandleW(nullptr), this);
    }
    if (!hwnd)
        return FALSE;
    if (!m_hWnd && !SubclassWindow(hwnd)) {
        ::DestroyWindow(hwnd);
        return FALSE;
    }
    m_bOwnsWindow = true;
    return TRUE;
}

BOOL CWnd::Create(const wchar_t* className, const wchar_t* windowName, DWORD style, const RECT& rect,
                  CWnd* parent, UINT id, CCreateContext*)
{
    if (!className)
        className = RegisterFrameworkClass(L"KovrinWindow", CS_DBLCLKS, ::LoadCursorW(nullptr, IDC_ARROW),
                                           reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    return CreateEx(0, className, windowName, style | WS_CHILD, rect.left, rect.top, rect.right - rect.left,
                    rect.bottom - rect.top, parent ? parent->m_hWnd : nullptr,
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)));
}

BOOL CWnd::DestroyWindow()
{
    return m_hWnd ? ::DestroyWindow(m_hWnd) : FALSE;
}

BOOL CWnd::SubclassWindow(HWND hwnd)
{
    if (m_hWnd || !::IsWindow(hwnd) || FromHandlePermanent(hwnd))
        return FALSE;
    Attach(hwnd);
    PreSubclassWindow();
    auto previous = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::StaticWindowProc)));
    // A window of our own class without an object: its default is DefWindowProcW, not ourselves.
    m_pfnSuper = previous == &CWnd::StaticWindowProc ? nullptr : previous;
    m_bSubclassed = true;
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent)
{
    return parent && SubclassWindow(::GetDlgItem(parent->m_hWnd, static_cast<int>(id)));
}

HWND CWnd::UnsubclassWindow()
{
    // Someone who subclassed after us still calls our procedure: we cannot step out of the chain.
    if (!m_bSubclassed ||
        reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(m_hWnd, GWLP_WNDPROC)) != &CWnd::StaticWindowProc)
        return nullptr;
    HWND hwnd = m_hWnd;
    Detach();
    return hwnd;
}

LRESULT CWnd::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    switch (msg) {
    case WM_COMMAND:
        if (ReflectToChild(msg, wParam, lParam, result))
            return result;
        if (OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)))
            return 0;
        break;
    case WM_NOTIFY:
        if (ReflectToChild(msg, wParam, lParam, result))
            return result;
        if (OnNotify(reinterpret_cast<NMHDR*>(lParam), &result))
            return result;
        break;
    case WM_INITMENUPOPUP:
        m_hMenuOpening = reinterpret_cast<HMENU>(wParam);
        break;
    case WM_SYSCOLORCHANGE:
        OnSysColorChange();
        return 0;
    case WM_MENUCHAR:
        if (RouteMenuChar(wParam, lParam, result))
            return result;
        break;
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
        if (RouteMenuItem(msg, lParam) || ReflectToChild(msg, wParam, lParam, result))
            return TRUE;
        break;
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        if (ReflectToChild(msg, wParam, lParam, result))
            return result;
        break;
    default:
        break;
    }
    return DefWindowProc(msg, wParam, lParam);
}

LRESULT CWnd::DefWindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper)
        return ::CallWindowProcW(m_pfnSuper, m_hWnd, msg, wParam, lParam);
    return ::DefWindowProcW(m_hWnd, msg, wParam, lParam);
}

bool CWnd::OnCommand(UINT, UINT, HWND)
{
    return false;
}

bool CWnd::OnNotify(NMHDR*, LRESULT*)
{
    return false;
}

void CWnd::OnSysColorChange()
{
    DefWindowProc(WM_SYSCOLORCHANGE, 0, 0);
    if (!(GetStyle() & WS_CHILD))
        SendMessageToDescendants(WM_SYSCOLORCHANGE);
}

UINT CWnd::TrackPopupMenu(HMENU popup, UINT flags, int x, int y)
{
    const HMENU previous = std::exchange(m_hMenuOpening, popup);
    const BOOL result = ::TrackPopupMenu(popup, flags, x, y, 0, m_hWnd, nullptr);
    m_hMenuOpening = previous;
    return static_cast<UINT>(result);
}

void CWnd::SendMessageToDescendants(UINT msg, WPARAM wParam, LPARAM lParam) const
{
    SendToDescendants(m_hWnd, msg, wParam, lParam);
}

void CWnd::RunInitialUpdate()
{
    std::vector<CWnd*> children;
    for (HWND child = ::GetWindow(m_hWnd, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (CWnd* wnd = FromHandlePermanent(child))
            children.push_back(wnd);
    }
    for (CWnd* wnd : children)
        wnd->RunInitialUpdate();
}

bool CWnd::PreTranslateMessage(MSG*)
{
    return false;
}

bool CWnd::UpdateData(bool saveAndValidate)
{
    CDataExchange dx(this, saveAndValidate);
    DoDataExchange(&dx);
    return true;
}

void CWnd::DoDataExchange(CDataExchange*)
{
}

LRESULT CWnd::SendMessage(UINT msg, WPARAM wParam, LPARAM lParam) const
{
    return ::SendMessageW(m_hWnd, msg, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT msg, WPARAM wParam, LPARAM lParam) const
{
    return ::PostMessageW(m_hWnd, msg, wParam, lParam);
}

