// Painting the title pane: the banner, the language label and the program title.
#include "framework/font_fallback.h"
#include "framework/gdi_handles.h"
#include "panes/form_view_title.h"
#include "resource.h"
#include "text/win32/wide.h"

namespace {

LOGFONTW WantedFont(int height, const wchar_t* face)
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

// White text in rect; a face the system lacks is replaced by one that has every glyph.
void DrawWhiteText(HDC dc, const std::wstring& text, RECT rect, const LOGFONTW& wanted, UINT format)
{
    framework::UniqueFont font = framework::CreateFontForText(dc, wanted, text);
    framework::SelectScope selectFont(dc, font.get());
    ::SetTextColor(dc, RGB(255, 255, 255));
    ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, format);
}

RECT MarkerRect(HWND pane, HWND marker, size_t characters)
{
    RECT rect{};
    if (!marker)
        return rect;
    ::GetWindowRect(marker, &rect);
    ::MapWindowPoints(nullptr, pane, reinterpret_cast<POINT*>(&rect), 2);
    rect.right += static_cast<LONG>(characters);
    return rect;
}

}  // namespace

RECT CFormViewTitle::LabelRect(const std::wstring& label) const
{
    return MarkerRect(m_hWnd, GetDlgItem(IDC_STATIC_LANGUAGE), label.size());
}

RECT CFormViewTitle::TitleRect(const std::wstring& title) const
{
    return MarkerRect(m_hWnd, GetDlgItem(IDC_STATIC_TITLE), title.size());
}

void CFormViewTitle::OnDraw(HDC dc)
{
    framework::DcStateScope state(dc);
    const RECT client = GetClientRect();
    m_banner.Fill(dc, client);
    ::SetBkMode(dc, TRANSPARENT);

    const std::wstring label = text::LanguageText(L"IDC_STATIC_LANG");
    DrawWhiteText(dc, label, LabelRect(label), WantedFont(12, L"新宋体"), DT_RIGHT);
    const std::wstring title = text::LanguageText(L"IDS_MAIN_TITLE");
    DrawWhiteText(dc, title, TitleRect(title), WantedFont(25, L"微软雅黑"), 0);
}
