#pragma once
// Sole ownership of GDI objects, icons, cursors, menus and device contexts, and scopes that
// undo what they did to a device context however the painting code leaves.

#include <windows.h>

#include "framework/unique_handle.h"

namespace framework {

template <class Handle>
using UniqueGdiObject = UniqueOwner<Handle, &::DeleteObject>;

using UniqueFont = UniqueGdiObject<HFONT>;
using UniqueBrush = UniqueGdiObject<HBRUSH>;
using UniquePen = UniqueGdiObject<HPEN>;
using UniqueBitmap = UniqueGdiObject<HBITMAP>;
using UniqueIcon = UniqueOwner<HICON, &::DestroyIcon>;
using UniqueCursor = UniqueOwner<HCURSOR, &::DestroyCursor>;
using UniqueMenu = UniqueOwner<HMENU, &::DestroyMenu>;
using UniqueMemoryDC = UniqueOwner<HDC, &::DeleteDC>;  // from CreateCompatibleDC / CreateDC

// A window's DC from GetDC or GetDCEx, released to the same window.
class WindowDC {
public:
    explicit WindowDC(HWND hwnd) : m_hwnd(hwnd), m_dc(::GetDC(hwnd)) {}
    WindowDC(HWND hwnd, DWORD flags) : m_hwnd(hwnd), m_dc(::GetDCEx(hwnd, nullptr, flags)) {}
    ~WindowDC()
    {
        if (m_dc)
            ::ReleaseDC(m_hwnd, m_dc);
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;

    HDC get() const { return m_dc; }
    explicit operator bool() const { return m_dc != nullptr; }

private:
    HWND m_hwnd;
    HDC m_dc;
};

// Selects an object into a DC and puts the previous one back at the end of the scope. The
// object must outlive the scope, so declare its owner first.
class SelectScope {
public:
    SelectScope(HDC dc, HGDIOBJ object) : m_dc(dc), m_previous(object ? ::SelectObject(dc, object) : nullptr) {}
    ~SelectScope()
    {
        if (m_previous && m_previous != HGDI_ERROR)
            ::SelectObject(m_dc, m_previous);
    }
    SelectScope(const SelectScope&) = delete;
    SelectScope& operator=(const SelectScope&) = delete;

private:
    HDC m_dc;
    HGDIOBJ m_previous;
};

// Everything a painting changes on a DC it was given (modes, colours, clipping, origins)
// comes back at the end of the scope: the DC may belong to a caller (WM_PRINTCLIENT).
// Objects selected inside are put back by their own SelectScope, declared after their owner.
class DcStateScope {
public:
    explicit DcStateScope(HDC dc) : m_dc(dc), m_saved(::SaveDC(dc)) {}
    ~DcStateScope()
    {
        if (m_saved)
            ::RestoreDC(m_dc, m_saved);
    }
    DcStateScope(const DcStateScope&) = delete;
    DcStateScope& operator=(const DcStateScope&) = delete;

private:
    HDC m_dc;
    int m_saved;
};

}  // namespace framework
