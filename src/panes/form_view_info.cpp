#include "panes/form_view_info.h"

#include "framework/font_fallback.h"
#include "framework/gdi_handles.h"
#include "panes/painted_text.h"
#include "resource.h"
#include "text/win32/wide.h"

namespace {

LOGFONTW WantedPublisherFont() { return panes::BoldFont(12, L"新宋体"); }

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
    return panes::MarkerRect(m_hWnd, GetDlgItem(IDC_LIST_INFO), m_strPublisher.size());
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
    panes::DrawWhiteText(dc, m_strPublisher, PublisherRect(), WantedPublisherFont(), 0);
}
