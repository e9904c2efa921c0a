#pragma once
// Sole ownership of GDI objects and icons, and selection into a device context that is undone
// however the painting code leaves.

#include <windows.h>

#include <memory>
#include <type_traits>

namespace framework {

struct GdiObjectDeleter {
    void operator()(HGDIOBJ object) const noexcept
    {
        if (object)
            ::DeleteObject(object);
    }
};

template <class Handle>
using UniqueGdiObject = std::unique_ptr<std::remove_pointer_t<Handle>, GdiObjectDeleter>;

using UniqueFont = UniqueGdiObject<HFONT>;
using UniqueBrush = UniqueGdiObject<HBRUSH>;
using UniqueBitmap = UniqueGdiObject<HBITMAP>;

struct IconDestroyer {
    void operator()(HICON icon) const noexcept
    {
        if (icon)
            ::DestroyIcon(icon);
    }
};

using UniqueIcon = std::unique_ptr<std::remove_pointer_t<HICON>, IconDestroyer>;

// Selects an object into a DC and puts the previous one back at the end of the scope. The
// object must outlive the scope, so declare its owner first.
class SelectScope {
public:
    SelectScope(HDC dc, HGDIOBJ object) : m_dc(dc), m_previous(::SelectObject(dc, object)) {}
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

}  // namespace framework
