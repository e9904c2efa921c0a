#pragma once
// An image list owned by this object: destroyed with it unless handed on.

#include <windows.h>
#include <commctrl.h>

class CImageList {
public:
    CImageList() = default;
    ~CImageList() { DeleteImageList(); }
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;

    // False when a list exists already or the system refuses it.
    BOOL Create(int cx, int cy, UINT flags, int initial, int grow);
    BOOL DeleteImageList();

    // Appends a copy of the icon; the caller keeps the icon. The new index, or -1.
    int Add(HICON icon);
    int GetImageCount() const;
    HIMAGELIST GetSafeHandle() const { return m_hImageList; }

private:
    HIMAGELIST m_hImageList = nullptr;
};
