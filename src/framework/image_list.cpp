#include "framework/image_list.h"

BOOL CImageList::Create(int cx, int cy, UINT flags, int initial, int grow)
{
    if (m_hImageList)
        return FALSE;
    m_hImageList = ::ImageList_Create(cx, cy, flags, initial, grow);
    return m_hImageList != nullptr;
}

BOOL CImageList::DeleteImageList()
{
    if (!m_hImageList)
        return FALSE;
    const BOOL destroyed = ::ImageList_Destroy(m_hImageList);
    m_hImageList = nullptr;
    return destroyed;
}

int CImageList::Add(HICON icon)
{
    return m_hImageList && icon ? ::ImageList_ReplaceIcon(m_hImageList, -1, icon) : -1;
}

int CImageList::GetImageCount() const
{
    return m_hImageList ? ::ImageList_GetImageCount(m_hImageList) : 0;
}
