#include "panes/form_view_info.h"

#include "framework/font_fallback.h"
#include "framework/gdi_handles.h"
#include "resource.h"
#include "text/win32/wide.h"

namespace {

LOGFONTW WantedPublisherFont()
{
    LOGFONTW font{};
    font.lfHeight = 12;
    font.lfWeight = FW_BOLD;
    font.lfCharSet = ANSI_CHARSET;
    font.lfOutPrecision = OUT_DEFAULT_PRECIS;
    font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    font.lfQuality = DEFAULT_QUALITY;
    font.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    wcscpy_s(font.lfFaceName, L"新宋体");
    return font;
}

}  // namespace

CFormViewInfo::CFormViewInfo() : CFormView(IDD_FORM_INFO), m_strip(IDB_INFO_STRIP)
{
}

void CFormViewInfo::OnInitialUpdate()
{
    CFormView::OnInitialUpdate();
    ::ShowWindow(GetDlgItem(IDC_LIST_INFO), SW_HIDE);
    m_strPublisher = text::LanguageText(L"IDS_PCKovrin_CompanyName");
    PostMessage(WM_SIZE, 0, 0);
}

RECT CFormViewInfo::PublisherRect() const
{
    RECT rect{};
    HWND marker = GetDlgItem(IDC_LIST_INFO);
    if (!marker)
        return rect;
    ::GetWindowRect(marker, &rect);
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&rect), 2);
    rect.right += static_cast<LONG>(m_strPublisher.size());
    return rect;
}

LOGFONTW CFormViewInfo::PublisherFont(HDC dc) const
{
    framework::UniqueFont font = framework::CreateFontForText(dc, WantedPublisherFont(), m_strPublisher);
    LOGFONTW chosen{};
    ::GetObjectW(font.get(), sizeof(chosen), &chosen);
    return chosen;
}

void CFormViewInfo::OnDraw(HDC dc)
{
    framework::DcStateScope state(dc);
    const RECT client = GetClientRect();
    m_strip.Fill(dc, client);

    ::SetBkMode(dc, TRANSPARENT);
    RECT line = PublisherRect();
    framework::UniqueFont font = framework::CreateFontForText(dc, WantedPublisherFont(), m_strPublisher);
    framework::SelectScope selectFont(dc, font.get());
    ::SetTextColor(dc, RGB(255, 255, 255));
    ::DrawTextW(dc, m_strPublisher.c_str(), static_cast<int>(m_strPublisher.size()), &line, 0);
}
