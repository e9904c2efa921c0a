#include "widgets/vel_menu_look.h"

namespace widgets {

MenuItemLook ReadItemLook(const VelMenu& menu, const DRAWITEMSTRUCT& item, const VelMenuData& record, bool flat)
{
    MenuItemLook look;
    look.separator = (record.m_nFlags & MF_SEPARATOR) != 0;
    look.selected = (item.itemState & ODS_SELECTED) != 0;
    look.disabled = (item.itemState & ODS_GRAYED) != 0;
    look.checked = (item.itemState & ODS_CHECKED) != 0;

    look.images = record.m_pImageList.get();
    look.imageIndex = record.m_nImage;
    look.imageOffset = record.m_nImageOffset;
    look.ownList = true;
    if (look.imageOffset < 0 && record.m_nSharedImage >= 0 && (!flat || record.m_nImage < 0)) {
        look.images = &VelMenu::s_SharedImages;
        look.imageIndex = record.m_nSharedImage;
        look.imageOffset = 0;
        look.ownList = false;
    }
    look.hasImage = look.imageOffset != -1;

    if (look.checked && look.imageOffset < 0)
        look.checkFromList = (look.selected && menu.m_nCheckImageSelected > 0) || menu.m_nCheckImageUnselected > 0;
    if (look.checked && !look.hasImage && !look.checkFromList) {
        look.drawnMark = true;
        // Asked by command id. The structure's own size: an older, shorter one is refused on
        // 64-bit systems, and every item would get a tick.
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_CHECKMARKS;
        if (::GetMenuItemInfoW(reinterpret_cast<HMENU>(item.hwndItem), item.itemID, FALSE, &info))
            look.radio = info.hbmpChecked != nullptr;
    }

    const std::wstring& text = record.Text();
    const size_t firstTab = text.find(L'\t');
    look.left = text.substr(0, firstTab);
    if (firstTab != std::wstring::npos) {
        look.hasRight = true;
        look.right = text.substr(text.rfind(L'\t') + 1);
    }
    return look;
}

void DrawItemText(HDC dc, RECT rect, const MenuItemLook& look, COLORREF color, int iconWidth)
{
    if (look.hasRight)
        rect.right -= iconWidth;
    const COLORREF previousColor = ::SetTextColor(dc, color);
    const int previousMode = ::SetBkMode(dc, TRANSPARENT);
    if (!look.left.empty())
        ::DrawTextW(dc, look.left.c_str(), static_cast<int>(look.left.size()), &rect,
                    DT_LEFT | DT_SINGLELINE | DT_VCENTER);
    if (!look.right.empty())
        ::DrawTextW(dc, look.right.c_str(), static_cast<int>(look.right.size()), &rect,
                    DT_RIGHT | DT_SINGLELINE | DT_VCENTER);
    ::SetBkMode(dc, previousMode);
    ::SetTextColor(dc, previousColor);
}

void DrawListImage(CImageList* images, int index, HDC dc, int x, int y)
{
    if (images && images->GetSafeHandle() && index >= 0)
        ::ImageList_Draw(images->GetSafeHandle(), index, dc, x, y, ILD_TRANSPARENT);
}

}  // namespace widgets
