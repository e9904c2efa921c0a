#include "widgets/vel_menu.h"

#include <algorithm>

namespace {

void RemoveAll(std::vector<HMENU>& menus, HMENU menu)
{
    menus.erase(std::remove(menus.begin(), menus.end(), menu), menus.end());
}

// The system's lowercase mapping of the user's locale, for every character it knows.
std::wstring Lowered(std::wstring text)
{
    if (!text.empty())
        ::CharLowerBuffW(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

}  // namespace

VelMenu::VelMenu() = default;

VelMenu::~VelMenu()
{
    DestroyMenu();
}

BOOL VelMenu::AppendOwnerDrawnItem(UINT flags, UINT_PTR id, const wchar_t* text)
{
    if (id == 0)
        flags = (flags & MF_BYPOSITION) | MF_SEPARATOR | MF_OWNERDRAW;
    else
        flags |= MF_OWNERDRAW;
    const bool popup = (flags & MF_POPUP) != 0;
    if (popup) {
        s_KnownMenus.push_back(reinterpret_cast<HMENU>(id));
        m_PopupHandles.push_back(reinterpret_cast<HMENU>(id));
    }

    auto record = std::make_unique<VelMenuData>();
    record->SetText(text);
    const auto shared = std::find(s_SharedImageIds.begin(), s_SharedImageIds.end(), static_cast<int>(id));
    record->m_nSharedImage = shared == s_SharedImageIds.end() ? -1 : static_cast<int>(shared - s_SharedImageIds.begin());
    record->m_nFlags = flags;
    record->m_nID = id;
    VelMenuData* data = record.get();
    m_Items.push_back(std::move(record));

    const BOOL appended = ::AppendMenuW(m_hMenu, flags, id, reinterpret_cast<const wchar_t*>(data));
    if (!appended) {
        // No item shows this record: keeping it would shift every record against its item.
        m_Items.pop_back();
        if (popup) {
            m_PopupHandles.pop_back();
            s_KnownMenus.pop_back();
        }
    }
    if (m_bLoadedFromResource)
        RestoreTopLevelPopups();
    return appended;
}

std::unique_ptr<VelMenuData> VelMenu::ReplaceItemAtPosition(UINT position, UINT flags, UINT_PTR id,
                                                            const std::wstring& text)
{
    auto record = std::make_unique<VelMenuData>();
    record->SetText(text.c_str());
    record->m_nFlags = flags;
    record->m_nID = id;
    const wchar_t* data = (flags & MF_OWNERDRAW) ? reinterpret_cast<const wchar_t*>(record.get()) : nullptr;
    ::ModifyMenuW(m_hMenu, position, flags, id, data);
    return record;
}

int VelMenu::FindLoadedItemOffset() const
{
    if (!m_bLoadedFromResource)
        return 0;
    const int count = GetMenuItemCount();
    for (int position = 0; position < count; ++position) {
        const std::wstring text = GetMenuString(static_cast<UINT>(position), MF_BYPOSITION);
        if (text.empty())
            continue;
        for (size_t index = 0; index < m_Items.size(); ++index) {
            if (m_Items[index]->m_pszText && *m_Items[index]->m_pszText == text)
                return position >= static_cast<int>(index) ? position - static_cast<int>(index) : 0;
        }
    }
    return 0;
}

void VelMenu::RestoreTopLevelPopups()
{
    const int offset = FindLoadedItemOffset();
    for (int i = 0; offset + i < GetMenuItemCount(); ++i) {
        const auto position = static_cast<UINT>(offset + i);
        HMENU popup = ::GetSubMenu(m_hMenu, static_cast<int>(position));
        if (static_cast<size_t>(i) >= m_Items.size() || !popup)
            continue;
        VelMenuData& record = *m_Items[static_cast<size_t>(i)];
        record.m_nFlags = MF_BYPOSITION | MF_POPUP;
        ::ModifyMenuW(m_hMenu, position, MF_BYPOSITION | MF_POPUP, reinterpret_cast<UINT_PTR>(popup),
                      record.Text().c_str());
    }
}

std::unique_ptr<VelMenuData> VelMenu::ClaimRecord(std::vector<std::unique_ptr<VelMenuData>>& records, UINT_PTR id)
{
    for (auto& record : records) {
        if (record && !record->m_bClaimed && record->m_nID == id) {
            record->m_bClaimed = 1;
            return std::move(record);
        }
    }
    return nullptr;
}

void VelMenu::SyncRecordsWithMenu()
{
    std::vector<std::unique_ptr<VelMenuData>> old = std::move(m_Items);
    m_Items.clear();
    for (auto& record : old)
        record->m_bClaimed = 0;

    const int count = GetMenuItemCount();
    for (int index = 0; index < count; ++index) {
        const auto position = static_cast<UINT>(index);
        const UINT state = GetMenuState(position, MF_BYPOSITION);
        std::unique_ptr<VelMenuData> record;
        if (state & MF_POPUP) {
            const auto popup = reinterpret_cast<UINT_PTR>(::GetSubMenu(m_hMenu, index));
            const std::wstring text = GetMenuString(position, MF_BYPOSITION);
            record = ClaimRecord(old, popup);
            if (!record)
                record = ReplaceItemAtPosition(position, (state & 0xEF) | MF_BYPOSITION | MF_OWNERDRAW | MF_POPUP,
                                               popup, text);
            else if (!text.empty())
                record->SetText(text.c_str());
        } else if (state & MF_SEPARATOR) {
            record = ClaimRecord(old, 0);
            // By position always: without it the position would be taken for a command id.
            if (record)
                ::ModifyMenuW(m_hMenu, position, record->m_nFlags | MF_BYPOSITION, 0,
                              reinterpret_cast<const wchar_t*>(record.get()));
            else
                record = ReplaceItemAtPosition(position, state | MF_SEPARATOR | MF_BYPOSITION | MF_OWNERDRAW, 0, L"");
        } else {
            const UINT id = ::GetMenuItemID(m_hMenu, index);
            const std::wstring text = GetMenuString(position, MF_BYPOSITION);
            record = ClaimRecord(old, id);
            if (record) {
                record->m_nFlags = state | MF_BYPOSITION | MF_OWNERDRAW;
                if (!text.empty())
                    record->SetText(text.c_str());
                ::ModifyMenuW(m_hMenu, position, record->m_nFlags, id, reinterpret_cast<const wchar_t*>(record.get()));
            } else {
                record = ReplaceItemAtPosition(position, state | MF_BYPOSITION | MF_OWNERDRAW, id, text);
            }
        }
        m_Items.push_back(std::move(record));
    }
    // Records left unclaimed in old go with it.
}

BOOL VelMenu::ItemTextAt(int index, std::wstring& text) const
{
    if (index < 0 || static_cast<size_t>(index) >= m_Items.size())
        return FALSE;
    text = m_Items[static_cast<size_t>(index)]->Text();
    return TRUE;
}

LRESULT VelMenu::HandleMenuChar(UINT character, UINT flags, CMenu* menu)
{
    auto* velMenu = dynamic_cast<VelMenu*>(menu);
    if (!velMenu || !(flags & MF_POPUP))
        return 0;
    const std::wstring key = Lowered(std::wstring{L'&', static_cast<wchar_t>(character & 0xFFFF)});
    if (velMenu->GetMenuItemCount() != static_cast<int>(velMenu->m_Items.size()))
        velMenu->SyncRecordsWithMenu();
    const int count = velMenu->GetMenuItemCount();
    for (int index = 0; index < count; ++index) {
        std::wstring text;
        if (velMenu->ItemTextAt(index, text) && Lowered(text).find(key) != std::wstring::npos)
            return MAKELRESULT(index, MNC_EXECUTE);
    }
    return 0;
}

BOOL VelMenu::IsKnownMenu(const CMenu* menu)
{
    return menu && IsKnownMenu(menu->m_hMenu);
}

BOOL VelMenu::IsKnownMenu(HMENU menu)
{
    return menu && std::find(s_KnownMenus.begin(), s_KnownMenus.end(), menu) != s_KnownMenus.end();
}

BOOL VelMenu::DestroyMenu()
{
    RemoveAll(s_KnownMenus, m_hMenu);
    for (auto popup = m_PopupHandles.rbegin(); popup != m_PopupHandles.rend(); ++popup)
        RemoveAll(s_KnownMenus, *popup);
    // Only the pop-ups this menu made are its own; a pop-up object someone else appended
    // stays theirs.
    while (!m_OwnedPopups.empty())
        m_OwnedPopups.pop_back();
    m_PopupHandles.clear();
    m_Items.clear();
    if (!m_bCheckImagesBorrowed) {
        m_ownCheckImages.reset();
        m_pCheckImages = nullptr;
    }
    return CMenu::DestroyMenu();
}
