// What a parent receives about its child controls goes to the controls' own objects, typed;
// owner-drawn menu items and mnemonics go to the menu object that holds them.
#include "framework/wnd.h"

#include "framework/menu.h"

bool CWnd::RouteMenuItem(UINT msg, LPARAM lParam)
{
    if (msg == WM_DRAWITEM) {
        auto& item = *reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        if (item.CtlType != ODT_MENU)
            return false;
        // For a menu item the "window" is the menu that holds it.
        CMenu* menu = CMenu::FromHandlePermanent(reinterpret_cast<HMENU>(item.hwndItem));
        if (menu)
            menu->DrawItem(&item);
        return menu != nullptr;
    }
    auto& item = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
    if (item.CtlType != ODT_MENU)
        return false;
    // The request does not name the menu: look in the pop-up being opened, then the menu bar.
    CMenu* menu = CMenu::FindItemOwner(m_hMenuOpening, item);
    if (!menu && !(GetStyle() & WS_CHILD))
        menu = CMenu::FindItemOwner(::GetMenu(m_hWnd), item);
    if (menu)
        menu->MeasureItem(&item);
    return menu != nullptr;
}

bool CWnd::RouteMenuChar(WPARAM wParam, LPARAM lParam, LRESULT& result) const
{
    CMenu* menu = CMenu::FromHandlePermanent(reinterpret_cast<HMENU>(lParam));
    return menu && menu->OnMenuChar(LOWORD(wParam), HIWORD(wParam), result);
}

bool CWnd::ReflectToChild(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (msg) {
    case WM_COMMAND: {
        CWnd* control = ChildObject(reinterpret_cast<HWND>(lParam));  // null for menus and accelerators
        return control && control->OnReflectedCommand(HIWORD(wParam));
    }
    case WM_NOTIFY: {
        auto& header = *reinterpret_cast<NMHDR*>(lParam);
        CWnd* control = ChildObject(header.hwndFrom);
        return control && control->OnReflectedNotify(header, result);
    }
    case WM_DRAWITEM: {
        auto& item = *reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        CWnd* control = ChildObject(item.hwndItem);
        return control && control->OnReflectedDrawItem(item);
    }
    case WM_MEASUREITEM: {
        auto& item = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        CWnd* control = ChildObject(::GetDlgItem(m_hWnd, static_cast<int>(item.CtlID)));
        return control && control->OnReflectedMeasureItem(item);
    }
    default: {  // WM_CTLCOLOR*
        CWnd* control = ChildObject(reinterpret_cast<HWND>(lParam));
        HBRUSH brush = control ? control->OnReflectedCtlColor(reinterpret_cast<HDC>(wParam), msg) : nullptr;
        result = reinterpret_cast<LRESULT>(brush);
        return brush != nullptr;
    }
    }
}

CWnd* CWnd::ChildObject(HWND child) const
{
    return child && child != m_hWnd ? FromHandlePermanent(child) : nullptr;
}

bool CWnd::OnReflectedCommand(UINT)
{
    return false;
}

bool CWnd::OnReflectedNotify(NMHDR&, LRESULT&)
{
    return false;
}

bool CWnd::OnReflectedDrawItem(DRAWITEMSTRUCT&)
{
    return false;
}

bool CWnd::OnReflectedMeasureItem(MEASUREITEMSTRUCT&)
{
    return false;
}

HBRUSH CWnd::OnReflectedCtlColor(HDC, UINT)
{
    return nullptr;
}
