#include "framework/dc.h"

CDC::~CDC()
{
    DeleteDC();
}

BOOL CDC::CreateCompatibleDC(HDC other)
{
    if (m_hDC)
        return FALSE;
    m_hDC = ::CreateCompatibleDC(other);
    m_bOwned = m_hDC != nullptr;
    return m_bOwned;
}

BOOL CDC::DeleteDC()
{
    if (!m_hDC)
        return FALSE;
    const BOOL deleted = m_bOwned ? ::DeleteDC(m_hDC) : TRUE;
    m_hDC = nullptr;
    m_bOwned = false;
    return deleted;
}

HDC CDC::Detach()
{
    HDC dc = m_hDC;
    m_hDC = nullptr;
    m_bOwned = false;
    return dc;
}

BOOL CBitmap::CreateCompatibleBitmap(HDC dc, int width, int height)
{
    if (m_hObject)
        return FALSE;
    m_hObject = ::CreateCompatibleBitmap(dc, width, height);
    return m_hObject != nullptr;
}

BOOL CBitmap::DeleteObject()
{
    if (!m_hObject)
        return FALSE;
    const BOOL deleted = ::DeleteObject(m_hObject);
    m_hObject = nullptr;
    return deleted;
}
