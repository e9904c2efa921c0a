#pragma once
// One owner-drawn menu item as the menu keeps it: handed to the system as the item's data, so
// the measuring and drawing requests carry it back.

#include <windows.h>

#include <memory>
#include <optional>
#include <string>

#include "framework/image_list.h"

struct VelMenuData {
    std::optional<std::wstring> m_pszText;  // none for an item made without text
    int m_nImage = -1;                      // index in m_pImageList
    int m_nSharedImage = -1;                // index in VelMenu::s_SharedImages, -1 = none
    int m_nImageOffset = -1;                // -1: no image of its own; only the sign counts
    UINT m_nFlags = 0;                      // the item's MF_* flags
    UINT_PTR m_nID = 0;                     // command id; a pop-up's menu handle; 0 for a separator
    int m_bClaimed = 0;                     // scratch mark of VelMenu::SyncRecordsWithMenu
    std::unique_ptr<CImageList> m_pImageList;

    // An own copy of text; null keeps the record without text.
    void SetText(const wchar_t* text)
    {
        if (text)
            m_pszText = text;
        else
            m_pszText.reset();
    }
    // The text, or an empty one when there is none.
    const std::wstring& Text() const
    {
        static const std::wstring none;
        return m_pszText ? *m_pszText : none;
    }
};
