// Building a VelMenu from a menu resource.
#include <algorithm>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "widgets/menu_font.h"
#include "widgets/menu_template.h"
#include "widgets/vel_menu.h"

namespace {

constexpr WORD kMenuResourceType = 4;  // RT_MENU

int TextWidth(HDC dc, const std::wstring& text)
{
    SIZE size{};
    ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
}

}  // namespace

BOOL VelMenu::LoadMenu(UINT id)
{
    return LoadMenu(MAKEINTRESOURCEW(LOWORD(id)));
}

BOOL VelMenu::LoadMenu(const wchar_t* name)
{
    HINSTANCE instance = ::GetModuleHandleW(nullptr);
    HRSRC resource = ::FindResourceW(instance, name, MAKEINTRESOURCEW(kMenuResourceType));
    HGLOBAL loaded = resource ? ::LoadResource(instance, resource) : nullptr;
    const void* bytes = loaded ? ::LockResource(loaded) : nullptr;
    if (!bytes)
        return FALSE;
    // Read and checked whole before anything changes: a malformed template leaves the menu as it was.
    const auto items = widgets::ParseMenuTemplate(
        std::span(static_cast<const std::byte*>(bytes), ::SizeofResource(instance, resource)));
    if (!items)
        return FALSE;

    DestroyMenu();
    if (!CreateMenu())
        return FALSE;

    // The menus being filled, innermost last, each with whether its last item has come.
    std::vector<VelMenu*> menus{this};
    std::vector<bool> levelEnds{false};
    for (const widgets::MenuTemplateItem& item : *items) {
        const UINT flags = item.options & ~static_cast<UINT>(widgets::kMenuEnd);
        const std::wstring text(item.text.begin(), item.text.end());
        if (item.IsPopup()) {
            if (item.EndsLevel())
                levelEnds.back() = true;
            VelMenu* child = menus.back()->AddLoadedPopup(flags, text);
            if (!child) {
                DestroyMenu();
                return FALSE;
            }
            menus.push_back(child);
            levelEnds.push_back(false);
            continue;
        }
        menus.back()->AppendOwnerDrawnItem(flags, item.id, text.c_str());
        if (item.EndsLevel())
            levelEnds.back() = true;
        while (!menus.empty() && levelEnds.back()) {
            menus.back()->AlignAcceleratorText();
            menus.pop_back();
            levelEnds.pop_back();
        }
        if (menus.empty())
            break;
    }
    MakeTopLevelPlain();
    m_bLoadedFromResource = 1;
    return TRUE;
}

VelMenu* VelMenu::AddLoadedPopup(UINT flags, const std::wstring& text)
{
    auto popup = std::make_unique<VelMenu>();
    popup->m_nCheckImageUnselected = m_nCheckImageUnselected;
    popup->m_nCheckImageSelected = m_nCheckImageSelected;
    popup->m_checkImages.Borrow(m_checkImages);
    if (!popup->CreatePopupMenu())
        return nullptr;
    VelMenu* child = popup.get();
    m_OwnedPopups.push_back(std::move(popup));
    AppendOwnerDrawnItem(flags, reinterpret_cast<UINT_PTR>(child->m_hMenu), text.c_str());
    return child;
}

void VelMenu::MakeTopLevelPlain()
{
    // Only the pop-ups below the top level are owner-drawn.
    for (int position = 0; position < GetMenuItemCount(); ++position) {
        if (static_cast<size_t>(position) >= m_Items.size())
            break;
        VelMenuData& record = *m_Items[static_cast<size_t>(position)];
        const auto at = static_cast<UINT>(position);
        if (HMENU popup = ::GetSubMenu(m_hMenu, position)) {
            record.m_nFlags = MF_BYPOSITION | MF_POPUP;
            ::ModifyMenuW(m_hMenu, at, record.m_nFlags, reinterpret_cast<UINT_PTR>(popup), record.Text().c_str());
        } else {
            record.m_nFlags = MF_BYPOSITION;
            ::ModifyMenuW(m_hMenu, at, record.m_nFlags, record.m_nID, record.Text().c_str());
        }
    }
}

void VelMenu::AlignAcceleratorText()
{
    framework::UniqueFont font = widgets::CreateMenuFont();
    framework::WindowDC dc(widgets::MeasuringWindow());
    framework::SelectScope selectFont(dc.get(), font.get());

    const size_t count = std::min(m_Items.size(), static_cast<size_t>(std::max(0, GetMenuItemCount())));
    int widest = -1;
    for (size_t i = 0; i < count; ++i) {
        const std::wstring& text = m_Items[i]->Text();
        widest = std::max(widest, TextWidth(dc.get(), text.substr(0, text.find(L'\t')) + L" "));
    }
    for (size_t i = 0; i < count; ++i) {
        VelMenuData& record = *m_Items[i];
        const std::wstring text = record.Text();
        const size_t tab = text.find(L'\t');
        if (tab == std::wstring::npos)
            continue;
        std::wstring label = text.substr(0, tab);
        // Spaces that no longer widen the label (a font without them) end the padding.
        for (int width = TextWidth(dc.get(), label); width < widest;) {
            label += L' ';
            const int padded = TextWidth(dc.get(), label);
            if (padded <= width)
                break;
            width = padded;
        }
        record.SetText((label + text.substr(tab)).c_str());
    }
}
