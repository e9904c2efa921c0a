#pragma once
// A device context: either one this object made (a memory DC, deleted with it) or one it
// borrows for a while (an item DC from the system), which it never deletes.

#include <windows.h>

class CDC {
public:
    CDC() = default;
    // Borrows dc; the owner of dc keeps it.
    explicit CDC(HDC borrowed) : m_hDC(borrowed) {}
    virtual ~CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    // A printer DC draws directly: off-screen copies make no sense there.
    BOOL m_bPrinting = FALSE;

    HDC GetSafeHdc() const { return m_hDC; }
    explicit operator bool() const { return m_hDC != nullptr; }

    // A memory DC compatible with other (the screen when null), owned by this object.
    BOOL CreateCompatibleDC(HDC other);
    // Deletes an owned DC; a borrowed one is only forgotten.
    BOOL DeleteDC();
    // Lets go of the handle without deleting it.
    HDC Detach();

private:
    HDC m_hDC = nullptr;
    bool m_bOwned = false;
};

// A bitmap owned by this object.
class CBitmap {
public:
    CBitmap() = default;
    ~CBitmap() { DeleteObject(); }
    CBitmap(const CBitmap&) = delete;
    CBitmap& operator=(const CBitmap&) = delete;

    HBITMAP GetSafeHandle() const { return m_hObject; }
    explicit operator bool() const { return m_hObject != nullptr; }

    BOOL CreateCompatibleBitmap(HDC dc, int width, int height);
    BOOL DeleteObject();

private:
    HBITMAP m_hObject = nullptr;
};
