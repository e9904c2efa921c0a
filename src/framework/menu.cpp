#include "framework/menu.h"

#include <vector>

#include "framework/gdi_handles.h"
#include "framework/handle_map.h"

namespace {

using MenuObjects = framework::HandleMap<HMENU, CMenu>;

// Menus nest a few levels at most; deeper means a menu that contains itself.
constexpr int kMaxMenuDepth = 16;

// A menu just made for object: attached, or destroyed when it cannot be.
bool AttachCreated(CMenu& object, HMENU created)
{
    framework::UniqueMenu menu(created);
    if (!menu || !object.Attach(menu.get()))
        return false;
    menu.release();
    return true;
}

CMenu* FindIn(HMENU menu, const MEASUREITEMSTRUCT& item, int depth)
{
    if (!menu || depth > kMaxMenuDepth || !::IsMenu(menu))
        return nullptr;
    const int count = ::GetMenuItemCount(menu);
    for (int position = 0; position < count; ++position) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_DATA | MIIM_ID | MIIM_SUBMENU;
        if (!::GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info))
            continue;
        // The item data tells owner-drawn items apart; items without data by their id.
        const bool same = (info.fType & MFT_OWNERDRAW) && info.dwItemData == item.itemData &&
                          (item.itemData != 0 || info.wID == item.itemID);
        if (same)
            return CMenu::FromHandlePermanent(menu);
        if (CMenu* found = FindIn(info.hSubMenu, item, depth + 1))
            return found;
    }
    return nullptr;
}

}  // namespace

CMenu::~CMenu()
{
    if (m_hMenu) {
        HMENU menu = Detach();
        ::DestroyMenu(menu);
    }
}

CMenu* CMenu::FromHandlePermanent(HMENU menu)
{
    return MenuObjects::Find(menu);
}

CMenu* CMenu::FindItemOwner(HMENU root, const MEASUREITEMSTRUCT& item)
{
    return FindIn(root, item, 0);
}

BOOL CMenu::Attach(HMENU menu)
{
    if (m_hMenu || !::IsMenu(menu) || !MenuObjects::Add(menu, this))
        return FALSE;
    m_hMenu = menu;
    return TRUE;
}

HMENU CMenu::Detach()
{
    HMENU menu = m_hMenu;
    MenuObjects::Remove(menu, this);
    m_hMenu = nullptr;
    return menu;
}

BOOL CMenu::CreateMenu()
{
    return !m_hMenu && AttachCreated(*this, ::CreateMenu());
}

BOOL CMenu::CreatePopupMenu()
{
    return !m_hMenu && AttachCreated(*this, ::CreatePopupMenu());
}

BOOL CMenu::LoadMenu(UINT id)
{
    return !m_hMenu && AttachCreated(*this, ::LoadMenuW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id)));
}

BOOL CMenu::DestroyMenu()
{
    if (!m_hMenu)
        return FALSE;
    return ::DestroyMenu(Detach());
}

BOOL CMenu::AppendMenu(UINT flags, UINT_PTR id, const wchar_t* text)
{
    return ::AppendMenuW(m_hMenu, flags, id, text);
}

BOOL CMenu::ModifyMenu(UINT position, UINT flags, UINT_PTR id, const wchar_t* text)
{
    return ::ModifyMenuW(m_hMenu, position, flags, id, text);
}

int CMenu::GetMenuItemCount() const
{
    return ::GetMenuItemCount(m_hMenu);
}

UINT CMenu::GetMenuItemID(int position) const
{
    return ::GetMenuItemID(m_hMenu, position);
}

UINT CMenu::GetMenuState(UINT item, UINT flags) const
{
    return ::GetMenuState(m_hMenu, item, flags);
}

std::wstring CMenu::GetMenuString(UINT item, UINT flags) const
{
    const int length = ::GetMenuStringW(m_hMenu, item, nullptr, 0, flags);
    if (length <= 0)
        return {};
    std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1);
    const int copied = ::GetMenuStringW(m_hMenu, item, buffer.data(), static_cast<int>(buffer.size()), flags);
    return std::wstring(buffer.data(), static_cast<size_t>(copied > 0 ? copied : 0));
}

HMENU CMenu::GetSubMenu(int position) const
{
    return ::GetSubMenu(m_hMenu, position);
}

BOOL CMenu::TrackPopupMenu(UINT flags, int x, int y, HWND owner) const
{
    return ::TrackPopupMenu(m_hMenu, flags, x, y, 0, owner, nullptr);
}

void CMenu::MeasureItem(MEASUREITEMSTRUCT*)
{
}

void CMenu::DrawItem(DRAWITEMSTRUCT*)
{
}

bool CMenu::OnMenuChar(UINT, UINT, LRESULT&)
{
    return false;
}
