#include "panes/painted_text.h"

#include <cwchar>

#include "framework/font_fallback.h"
#include "framework/gdi_handles.h"

namespace panes {

LOGFONTW BoldFont(int height, const wchar_t* face)
{
    LOGFONTW font{};
    font.lfHeight = height;
    font.lfWeight = FW_BOLD;
    font.lfCharSet = ANSI_CHARSET;
    font.lfOutPrecision = OUT_DEFAULT_PRECIS;
    font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    font.lfQuality = DEFAULT_QUALITY;
    font.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    wcsncpy_s(font.lfFaceName, face, LF_FACESIZE - 1);
    return font;
}

void DrawWhiteText(HDC dc, const std::wstring& text, RECT rect, const LOGFONTW& wanted, UINT format)
{
    framework::UniqueFont font = framework::CreateFontForText(dc, wanted, text);
    framework::SelectScope selectFont(dc, font.get());
    ::SetTextColor(dc, RGB(255, 255, 255));
    ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, format);
}

RECT MarkerRect(HWND pane, HWND marker, std::size_t characters)
{
    RECT rect{};
    if (!marker)
        return rect;
    ::GetWindowRect(marker, &rect);
    ::MapWindowPoints(nullptr, pane, reinterpret_cast<POINT*>(&rect), 2);
    rect.right += static_cast<LONG>(characters);
    return rect;
}

}  // namespace panes
