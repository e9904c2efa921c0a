#include "panes/about_dlg.h"

#include "framework/data_exchange.h"
#include "resource.h"
#include "text/win32/wide.h"

CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUTBOX)
{
}

void CAboutDlg::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
    DDX_Text(dx, IDC_STATIC_WEB_LABEL, m_strWebLabel);
    DDX_Text(dx, IDC_STATIC_PHONE_LABEL, m_strPhoneLabel);
    DDX_Text(dx, IDC_STATIC_PRODUCT, m_strProductLine);
    DDX_Text(dx, IDC_STATIC_PUBLISHER, m_strPublisher);
}

BOOL CAboutDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_strWebLabel = text::LanguageText(L"IDS_PCKovrin_CompanyWebsiteAddress");
    m_strPhoneLabel = text::LanguageText(L"IDS_PCKovrin_CompanyPhoneNum");
    m_strProductLine = text::LanguageText(L"IDS_PCKovrin_SoftwareNum");
    m_strPublisher = text::LanguageText(L"IDS_PCKovrin_CompanyName");
    UpdateData(false);
    return TRUE;
}

void ShowAboutBox()
{
    CAboutDlg dialog;
    dialog.DoModal();
}
