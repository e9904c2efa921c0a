#include "framework/bitmap_dc.h"

#include <utility>

namespace framework {

BitmapDC::BitmapDC(HDC reference, int width, int height)
{
    UniqueMemoryDC dc(::CreateCompatibleDC(reference));
    UniqueBitmap bitmap(dc ? ::CreateCompatibleBitmap(reference, width, height) : nullptr);
    if (!bitmap)
        return;
    m_previous = ::SelectObject(dc.get(), bitmap.get());
    m_dc = std::move(dc);
    m_bitmap = std::move(bitmap);
}

BitmapDC::BitmapDC(BitmapDC&& other) noexcept
    : m_dc(std::move(other.m_dc)), m_bitmap(std::move(other.m_bitmap)),
      m_previous(std::exchange(other.m_previous, nullptr))
{
}

BitmapDC& BitmapDC::operator=(BitmapDC&& other) noexcept
{
    if (this != &other) {
        Reset();
        m_dc = std::move(other.m_dc);
        m_bitmap = std::move(other.m_bitmap);
        m_previous = std::exchange(other.m_previous, nullptr);
    }
    return *this;
}

void BitmapDC::Reset()
{
    if (m_dc && m_previous)
        ::SelectObject(m_dc.get(), m_previous);
    m_previous = nullptr;
    m_bitmap.reset();
    m_dc.reset();
}

}  // namespace framework
