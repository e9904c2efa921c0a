#pragma once
// A list-view control bound to an object, with the messages the program sends it.

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "framework/wnd.h"

class CImageList;

class CListCtrl : public CWnd {
public:
    BOOL SetTextColor(COLORREF color) const;
    // The image list stays its owner's: the list is marked as sharing it (LVS_SHAREIMAGELISTS),
    // so destroying the list leaves it alone. The owner must outlive the list's use of it.
    HIMAGELIST SetImageList(const CImageList& images, int which) const;
    // Spacing of icon view cells; the previous spacing, as LVM_SETICONSPACING answers.
    DWORD SetIconSpacing(int cx, int cy) const;
    BOOL DeleteAllItems() const;
    int InsertItem(int index, const std::wstring& text, int image) const;
    int GetItemCount() const;
    std::wstring GetItemText(int index, int subItem) const;
    int GetItemImage(int index) const;
    RECT GetItemRect(int index, int code) const;
    // The item under the point (list client coordinates), or -1; info->flags tells where on it.
    int SubItemHitTest(LVHITTESTINFO* info) const;
};
