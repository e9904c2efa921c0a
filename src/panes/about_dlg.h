#pragma once
// The about box: the program's icon, product and publisher lines, and the publisher's contact
// details behind labels in the current language. The caption and the details are fixed texts
// of the template.

#include <string>

#include "framework/dialog.h"

class CAboutDlg : public CDialog {
public:
    CAboutDlg();

    std::wstring m_strWebLabel;
    std::wstring m_strPhoneLabel;
    std::wstring m_strProductLine;
    std::wstring m_strPublisher;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
};

// Runs the about box for any of its commands; the result does not matter.
void ShowAboutBox();
