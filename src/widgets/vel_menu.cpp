#include "widgets/vel_menu.h"

#include <algorithm>
#include <utility>

namespace {

// The bits of a pop-up item's state that ModifyMenuW takes back as flags: its high byte is the
// sub-menu's item count, and bit 0x10 (MF_POPUP) is set again by the caller.
constexpr UINT kPopupStateFlags = 0xEF;

bool HoldsPopup(HMENU menu, HMENU popup)
{
    const int count = ::GetMenuItemCount(menu);
    for (int position = 0; position < count; ++position) {
        if (::GetSubMenu(menu, position) == popup)
            return true;
    }
    return false;
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
    }
    if (m_bLoadedFromResource)
        RestoreTopLevelPopups();
    return appended;
}

VelMenuData* VelMenu::ReplaceItemAtPosition(UINT position, UINT flags, UINT_PTR id, const std::wstring& text)
{
    auto record = std::make_unique<VelMenuData>();
    record->SetText(text.c_str());
    record->m_nFlags = flags;
    record->m_nID = id;
    VelMenuData* kept = record.get();
    // Kept before the item shows it: the old record goes only once the item has let go of it.
    std::unique_ptr<VelMenuData> replaced;
    if (position < m_Items.size())
        replaced = std::exchange(m_Items[position], std::move(record));
    else
        m_Items.push_back(std::move(record));
    const wchar_t* data = (flags & MF_OWNERDRAW) ? reinterpret_cast<const wchar_t*>(kept) : nullptr;
    ::ModifyMenuW(m_hMenu, position, flags, id, data);
    return kept;
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

std::unique_ptr<VelMenuData> VelMenu::ClaimRecord(Records& records, UINT_PTR id)
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
    Records old = std::move(m_Items);
    m_Items.clear();
    for (auto& record : old)
        record->m_bClaimed = 0;
    const int count = GetMenuItemCount();
    for (int index = 0; index < count; ++index)
        SyncRecordAt(index, old);
    // Records left unclaimed in old go with it, after the items that showed them changed.
}

void VelMenu::SyncRecordAt(int index, Records& old)
{
    const auto position = static_cast<UINT>(index);
    const UINT state = GetMenuState(position, MF_BYPOSITION);
    if (state & MF_POPUP) {
        const auto popup = reinterpret_cast<UINT_PTR>(::GetSubMenu(m_hMenu, index));
        const std::wstring text = GetMenuString(position, MF_BYPOSITION);
        std::unique_ptr<VelMenuData> record = ClaimRecord(old, popup);
        if (!record) {
            ReplaceItemAtPosition(position, (state & kPopupStateFlags) | MF_BYPOSITION | MF_OWNERDRAW | MF_POPUP,
                                  popup, text);
            return;
        }
        if (!text.empty())
            record->SetText(text.c_str());
        m_Items.push_back(std::move(record));
        return;
    }
    if (state & MF_SEPARATOR) {
        std::unique_ptr<VelMenuData> record = ClaimRecord(old, 0);
        if (!record) {
            ReplaceItemAtPosition(position, state | MF_SEPARATOR | MF_BYPOSITION | MF_OWNERDRAW, 0, L"");
            return;
        }
        // By position always: without it the position would be taken for a command id.
        ::ModifyMenuW(m_hMenu, position, record->m_nFlags | MF_BYPOSITION, 0,
                      reinterpret_cast<const wchar_t*>(record.get()));
        m_Items.push_back(std::move(record));
        return;
    }
    const UINT id = ::GetMenuItemID(m_hMenu, index);
    const std::wstring text = GetMenuString(position, MF_BYPOSITION);
    std::unique_ptr<VelMenuData> record = ClaimRecord(old, id);
    if (!record) {
        ReplaceItemAtPosition(position, state | MF_BYPOSITION | MF_OWNERDRAW, id, text);
        return;
    }
    record->m_nFlags = state | MF_BYPOSITION | MF_OWNERDRAW;
    if (!text.empty())
        record->SetText(text.c_str());
    ::ModifyMenuW(m_hMenu, position, record->m_nFlags, id, reinterpret_cast<const wchar_t*>(record.get()));
    m_Items.push_back(std::move(record));
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

bool VelMenu::OnMenuChar(UINT character, UINT flags, LRESULT& result)
{
    result = HandleMenuChar(character, flags, this);
    return true;
}

BOOL VelMenu::IsKnownMenu(const CMenu* menu)
{
    return menu && IsKnownMenu(menu->m_hMenu);
}

BOOL VelMenu::IsKnownMenu(HMENU menu)
{
    return dynamic_cast<VelMenu*>(CMenu::FromHandlePermanent(menu)) != nullptr;
}

BOOL VelMenu::DestroyMenu()
{
    ReleaseTree();
    if (!m_checkImages.IsBorrowed())
        m_checkImages.Own(nullptr);
    // The system destroys the pop-ups with the menu that holds them.
    return m_hMenu ? ::DestroyMenu(Detach()) : FALSE;
}

void VelMenu::ReleaseTree()
{
    // Only the pop-ups this menu made are its own; a pop-up object someone else appended stays
    // theirs. One that never made it into the menu is destroyed by its object.
    for (auto& popup : m_OwnedPopups) {
        if (m_hMenu && HoldsPopup(m_hMenu, popup->m_hMenu)) {
            popup->ReleaseTree();
            popup->Detach();
        } else {
            popup->DestroyMenu();
        }
    }
    m_OwnedPopups.clear();
    m_Items.clear();
}
