#include "framework/list_ctrl.h"

#include "framework/image_list.h"

BOOL CListCtrl::SetTextColor(COLORREF color) const
{
    return static_cast<BOOL>(SendMessage(LVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(color)));
}

HIMAGELIST CListCtrl::SetImageList(const CImageList& images, int which) const
{
    // Without the style the list destroys its image lists with itself, and the owner then
    // destroys the same handle a second time.
    ModifyStyle(0, LVS_SHAREIMAGELISTS);
    return reinterpret_cast<HIMAGELIST>(SendMessage(LVM_SETIMAGELIST, static_cast<WPARAM>(which),
                                                    reinterpret_cast<LPARAM>(images.GetSafeHandle())));
}

DWORD CListCtrl::SetIconSpacing(int cx, int cy) const
{
    return static_cast<DWORD>(SendMessage(LVM_SETICONSPACING, 0, MAKELPARAM(cx, cy)));
}

BOOL CListCtrl::DeleteAllItems() const
{
    return static_cast<BOOL>(SendMessage(LVM_DELETEALLITEMS));
}

int CListCtrl::InsertItem(int index, const std::wstring& text, int image) const
{
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.iItem = index;
    item.pszText = const_cast<wchar_t*>(text.c_str());
    item.iImage = image;
    return static_cast<int>(SendMessage(LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
}

int CListCtrl::GetItemCount() const
{
    return static_cast<int>(SendMessage(LVM_GETITEMCOUNT));
}

std::wstring CListCtrl::GetItemText(int index, int subItem) const
{
    // The list answers with the length it copied; grow until the text fits.
    std::wstring text(64, L'\0');
    for (;;) {
        LVITEMW item{};
        item.iSubItem = subItem;
        item.pszText = text.data();
        item.cchTextMax = static_cast<int>(text.size());
        const auto copied = static_cast<size_t>(
            SendMessage(LVM_GETITEMTEXTW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)));
        if (copied + 1 < text.size()) {
            text.resize(copied);
            return text;
        }
        text.resize(text.size() * 2);
    }
}

int CListCtrl::GetItemImage(int index) const
{
    LVITEMW item{};
    item.mask = LVIF_IMAGE;
    item.iItem = index;
    return SendMessage(LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item)) ? item.iImage : -1;
}

RECT CListCtrl::GetItemRect(int index, int code) const
{
    RECT rect{};
    rect.left = code;
    if (!SendMessage(LVM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect)))
        return RECT{};
    return rect;
}

int CListCtrl::SubItemHitTest(LVHITTESTINFO* info) const
{
    return static_cast<int>(SendMessage(LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(info)));
}
