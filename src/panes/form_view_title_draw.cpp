// Painting the title pane: the banner, the language label and the program title.
#include "panes/form_view_title.h"
#include "panes/painted_text.h"
#include "resource.h"
#include "text/win32/wide.h"

RECT CFormViewTitle::LabelRect(const std::wstring& label) const
{
    return panes::MarkerRect(m_hWnd, GetDlgItem(IDC_STATIC_LANGUAGE), label.size());
}

RECT CFormViewTitle::TitleRect(const std::wstring& title) const
{
    return panes::MarkerRect(m_hWnd, GetDlgItem(IDC_STATIC_TITLE), title.size());
}

void CFormViewTitle::OnDraw(HDC dc)
{
    framework::DcStateScope state(dc);
    const RECT client = GetClientRect();
    m_banner.Fill(dc, client);
    ::SetBkMode(dc, TRANSPARENT);

    const std::wstring label = text::LanguageText(L"IDC_STATIC_LANG");
    panes::DrawWhiteText(dc, label, LabelRect(label), panes::BoldFont(12, L"新宋体"), DT_RIGHT);
    const std::wstring title = text::LanguageText(L"IDS_MAIN_TITLE");
    panes::DrawWhiteText(dc, title, TitleRect(title), panes::BoldFont(25, L"微软雅黑"), 0);
}
