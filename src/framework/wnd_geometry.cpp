// Where a window is and where it goes: moving, centring, rectangles, text and styles.
#include "framework/wnd.h"

BOOL CWnd::MoveWindow(int x, int y, int width, int height, BOOL repaint) const
{
    return ::MoveWindow(m_hWnd, x, y, width, height, repaint);
}

bool CWnd::MoveUnlessThere(HWND window, const RECT& rect)
{
    RECT current{};
    ::GetWindowRect(window, &current);
    if (::GetWindowLongW(window, GWL_STYLE) & WS_CHILD)
        ::MapWindowPoints(nullptr, ::GetParent(window), reinterpret_cast<POINT*>(&current), 2);
    if (::EqualRect(&current, &rect))
        return false;
    ::SetWindowPos(window, nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    return true;
}

void CWnd::CenterWindow(HWND alternate) const
{
    const RECT self = GetWindowRect();
    const int width = self.right - self.left, height = self.bottom - self.top;
    const POINT origin = CenteredOrigin(width, height, alternate);
    MoveUnlessThere(m_hWnd, RECT{origin.x, origin.y, origin.x + width, origin.y + height});
}

POINT CWnd::CenteredOrigin(int width, int height, HWND alternate) const
{
    int x = 0;
    int y = 0;
    if (GetStyle() & WS_CHILD) {
        HWND parent = ::GetParent(m_hWnd);
        RECT area{};
        if (alternate) {
            ::GetWindowRect(alternate, &area);
            ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&area), 2);
        } else {
            ::GetClientRect(parent, &area);
        }
        x = (area.left + area.right - width) / 2;
        y = (area.top + area.bottom - height) / 2;
    } else {
        MONITORINFO monitor{};
        monitor.cbSize = sizeof(monitor);
        ::GetMonitorInfoW(::MonitorFromWindow(m_hWnd, MONITOR_DEFAULTTONEAREST), &monitor);
        const RECT work = monitor.rcWork;
        RECT area = work;
        HWND reference = alternate ? alternate : ::GetWindow(m_hWnd, GW_OWNER);
        if (reference && ::IsWindowVisible(reference) && !::IsIconic(reference))
            ::GetWindowRect(reference, &area);
        x = (area.left + area.right - width) / 2;
        y = (area.top + area.bottom - height) / 2;
        // Never off the work area, even when centred on a window near its edge.
        if (x + width > work.right)
            x = work.right - width;
        if (x < work.left)
            x = work.left;
        if (y + height > work.bottom)
            y = work.bottom - height;
        if (y < work.top)
            y = work.top;
    }
    return POINT{x, y};
}

RECT CWnd::GetClientRect() const
{
    RECT rect{};
    ::GetClientRect(m_hWnd, &rect);
    return rect;
}

RECT CWnd::GetWindowRect() const
{
    RECT rect{};
    ::GetWindowRect(m_hWnd, &rect);
    return rect;
}

void CWnd::SetWindowText(const std::wstring& text) const
{
    ::SetWindowTextW(m_hWnd, text.c_str());
}

std::wstring CWnd::GetWindowText() const
{
    std::wstring text(static_cast<size_t>(::GetWindowTextLengthW(m_hWnd)) + 1, L'\0');
    text.resize(static_cast<size_t>(::GetWindowTextW(m_hWnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

DWORD CWnd::GetStyle() const
{
    return static_cast<DWORD>(::GetWindowLongW(m_hWnd, GWL_STYLE));
}

DWORD CWnd::GetExStyle() const
{
    return static_cast<DWORD>(::GetWindowLongW(m_hWnd, GWL_EXSTYLE));
}

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add, UINT swpFlags) const
{
    const DWORD style = GetStyle();
    const DWORD changed = (style & ~remove) | add;
    if (changed == style)
        return FALSE;
    ::SetWindowLongW(m_hWnd, GWL_STYLE, static_cast<LONG>(changed));
    if (swpFlags)
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | swpFlags);
    return TRUE;
}
