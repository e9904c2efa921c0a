// Item images of a VelMenu: an image rendered to a bitmap, and the two ways of drawing it
// disabled (embossed in highlight and shadow).
#include "framework/gdi_draw.h"
#include "framework/gdi_handles.h"
#include "widgets/vel_menu.h"

namespace {

// Pattern where the source is white, destination kept where it is black.
constexpr DWORD kPatternWhereSourceSet = 0xE20746;
// Pattern where the source is black, destination kept where it is white.
constexpr DWORD kPatternWhereSourceClear = 0xB8074A;

}  // namespace

void VelMenu::ImageToBitmap(int index, CDC* dc, CImageList* list, CBitmap& bitmap) const
{
    if (!list || !list->GetSafeHandle())
        return;
    framework::UniqueIcon icon(::ImageList_GetIcon(list->GetSafeHandle(), index, 0));
    framework::UniqueMemoryDC memory(::CreateCompatibleDC(dc->GetSafeHdc()));
    if (!memory || !bitmap.CreateCompatibleBitmap(dc->GetSafeHdc(), m_nIconWidth, m_nIconHeight))
        return;
    framework::SelectScope select(memory.get(), bitmap.GetSafeHandle());
    // Transparent parts become the button face, which the disabled drawing takes for background.
    ::DrawIconEx(memory.get(), 0, 0, icon.get(), m_nIconWidth, m_nIconHeight, 0, ::GetSysColorBrush(COLOR_BTNFACE),
                 DI_NORMAL);
}

void VelMenu::DrawDisabledImage(int height, int width, CDC* dc, int x, int y, CBitmap* source,
                                COLORREF background) const
{
    if (!source || !source->GetSafeHandle())
        return;
    framework::UniqueMemoryDC maskDC(::CreateCompatibleDC(nullptr));
    framework::UniqueMemoryDC imageDC(::CreateCompatibleDC(nullptr));
    if (!maskDC || !imageDC)
        return;
    framework::UniqueBitmap mask(::CreateCompatibleBitmap(maskDC.get(), width, height));  // monochrome
    framework::SelectScope selectMask(maskDC.get(), mask.get());
    framework::SelectScope selectImage(imageDC.get(), source->GetSafeHandle());

    // The mask is white where the image shows the face or the highlight colour, black elsewhere.
    ::PatBlt(maskDC.get(), 0, 0, width, height, WHITENESS);
    ::SetBkColor(imageDC.get(), ::GetSysColor(COLOR_BTNFACE));
    ::BitBlt(maskDC.get(), 0, 0, width, height, imageDC.get(), 0, 0, SRCCOPY);
    ::SetBkColor(imageDC.get(), ::GetSysColor(COLOR_BTNHIGHLIGHT));
    ::BitBlt(maskDC.get(), 0, 0, width, height, imageDC.get(), 0, 0, SRCPAINT);

    framework::FillSolidRect(imageDC.get(), RECT{0, 0, width, height}, background);
    ::SetBkColor(imageDC.get(), RGB(0, 0, 0));
    ::SetTextColor(imageDC.get(), RGB(255, 255, 255));
    framework::UniqueBrush highlight(::CreateSolidBrush(::GetSysColor(COLOR_BTNHIGHLIGHT)));
    framework::UniqueBrush shadow(::CreateSolidBrush(::GetSysColor(COLOR_BTNSHADOW)));
    {
        framework::SelectScope selectBrush(imageDC.get(), highlight.get());
        ::BitBlt(imageDC.get(), 0, 0, width, height, maskDC.get(), 0, 0, kPatternWhereSourceSet);
        ::BitBlt(dc->GetSafeHdc(), x + 1, y + 1, width, height, imageDC.get(), 0, 0, SRCCOPY);
        ::BitBlt(imageDC.get(), 1, 1, width, height, maskDC.get(), 0, 0, kPatternWhereSourceSet);
    }
    {
        framework::SelectScope selectBrush(imageDC.get(), shadow.get());
        ::BitBlt(imageDC.get(), 0, 0, width, height, maskDC.get(), 0, 0, kPatternWhereSourceSet);
    }
    ::BitBlt(dc->GetSafeHdc(), x, y, width, height, imageDC.get(), 0, 0, SRCCOPY);
}

void VelMenu::DrawDisabledImageDib(HDC dc, int height, int x, int y, int width, HBITMAP source,
                                   COLORREF background) const
{
    framework::UniqueMemoryDC sourceDC(::CreateCompatibleDC(dc));
    if (!sourceDC || !source)
        return;
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colors[2];
    } info{};
    info.header.biSize = sizeof(BITMAPINFOHEADER);
    info.header.biWidth = width;
    info.header.biHeight = height;
    info.header.biPlanes = 1;
    info.header.biBitCount = 1;
    info.colors[1] = RGBQUAD{255, 255, 255, 0};
    void* bits = nullptr;
    framework::UniqueBitmap dib(
        ::CreateDIBSection(dc, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits, nullptr, 0));
    framework::UniqueMemoryDC dibDC(::CreateCompatibleDC(dc));
    if (!dib || !dibDC)
        return;
    framework::SelectScope selectSource(sourceDC.get(), source);
    framework::SelectScope selectDib(dibDC.get(), dib.get());
    ::BitBlt(dibDC.get(), 0, 0, width, height, sourceDC.get(), 0, 0, SRCCOPY);

    framework::FillSolidRect(dc, RECT{x, y, x + width, y + height}, background);
    framework::UniqueBrush highlight(::CreateSolidBrush(::GetSysColor(COLOR_BTNHIGHLIGHT)));
    framework::UniqueBrush shadow(::CreateSolidBrush(::GetSysColor(COLOR_BTNSHADOW)));
    {
        framework::SelectScope selectBrush(dc, highlight.get());
        ::BitBlt(dc, x + 1, y + 1, width, height, dibDC.get(), 0, 0, kPatternWhereSourceClear);
    }
    {
        framework::SelectScope selectBrush(dc, shadow.get());
        ::BitBlt(dc, x, y, width, height, dibDC.get(), 0, 0, kPatternWhereSourceClear);
    }
}
