// How large an owner-drawn item of a VelMenu is, and which style paints it.
#include <algorithm>
#include <optional>

#include "framework/gdi_handles.h"
#include "widgets/menu_font.h"
#include "widgets/vel_menu.h"

void VelMenu::MeasureItem(MEASUREITEMSTRUCT* item)
{
    const auto* record = reinterpret_cast<const VelMenuData*>(item->itemData);
    if (!record)
        return;  // not an item of ours
    const bool flat = IsThemed() || s_nDrawStyleOverride == 1;
    const int gap = flat ? 7 : 4;
    const int menuHeight = ::GetSystemMetrics(SM_CYMENU);
    if (record->m_nFlags & MF_SEPARATOR) {
        item->itemWidth = 0;
        item->itemHeight = static_cast<UINT>(std::max((m_nIconHeight + gap) / 2, menuHeight / 2));
        return;
    }

    SIZE extent{};
    {
        framework::UniqueFont font = widgets::CreateMenuFont();
        framework::WindowDC dc(widgets::MeasuringWindow());
        std::optional<framework::SelectScope> selectFont;
        if (s_nOsVersion > kNtOther)
            selectFont.emplace(dc.get(), font.get());
        if (s_nOsVersion != kWin32s) {
            const std::wstring& text = record->Text();
            ::GetTextExtentPoint32W(dc.get(), text.c_str(), static_cast<int>(text.size()), &extent);
        }
    }
    const int width = flat ? extent.cx + m_nIconWidth + gap + 8 : extent.cx + 2 * m_nIconWidth + 1;
    item->itemWidth = static_cast<UINT>(std::max(0, width));
    item->itemHeight = static_cast<UINT>(std::max(m_nIconHeight + gap, menuHeight));
}

void VelMenu::DrawItem(DRAWITEMSTRUCT* item)
{
    if (!item->itemData)
        return;
    // Whatever a style changes on the system's item DC comes back.
    framework::DcStateScope state(item->hDC);
    if (::GetDeviceCaps(item->hDC, RASTERCAPS) & RC_PALETTE)
        DrawItemClassic(item);
    else if (IsThemed() || s_nDrawStyleOverride == 1)
        DrawItemFlat(item);
    else
        DrawItemClassic(item);
}
