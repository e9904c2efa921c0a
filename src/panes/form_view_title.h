#pragma once
// The title pane: the top row of the main frame, standing in for the missing caption. It paints
// the banner with the program title and the language label, carries the menu, minimise and
// exit buttons, moves the window when the banner is pressed, and holds the language drop-down,
// whose choice switches the whole program to that language at once.

#include <string>

#include "framework/bitmap_background.h"
#include "framework/form_view.h"
#include "framework/gdi_handles.h"
#include "widgets/button_mx.h"

// The name of the device entry (a file or folder beside the current directory) as this pane
// last knew it: the language text IDS_PCKovrin_DeviceFile. Empty before the first initial update.
extern std::wstring g_strDeviceName;

class CFormViewTitle : public CFormView {
public:
    CFormViewTitle();

    // Also after the configuration dialog changed the language: icons, list and device name again.
    void OnInitialUpdate() override;

    // Where the label and the title are painted, in pane client coordinates: the hidden statics'
    // rectangles, widened by one pixel per character of their texts.
    RECT LabelRect(const std::wstring& label) const;
    RECT TitleRect(const std::wstring& title) const;

    std::wstring m_strAppDir;
    CButtonMx m_btnMinimize;
    CButtonMx m_btnExit;
    CButtonMx m_btnMenu;
    BYTE m_bFirstFocus = 1;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    void OnDraw(HDC dc) override;
    // A press on the pane itself (not on one of its controls) asks the main frame to start a
    // caption drag, so dragging the banner moves the window. Here and not in a press handler:
    // the drag belongs to every press the pane leaves to its default handling, and comes first.
    LRESULT DefWindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    bool OnCommand(UINT id, UINT code, HWND control) override;

    void OnSetFocus(HWND previous) override;
    void OnBnClickedExit();
    void OnBnClickedMinimize();
    void OnBnClickedMenu();
    void OnPopupAbout();
    void OnCbnSelchangeLanguage();
    void FillLanguageList(const std::wstring& appDir);
    // Renames the device entry when the new language names it otherwise.
    void SwitchDeviceEntry();

private:
    void MakeButtonsTransparent();

    framework::UniqueFont m_listFont;  // the drop-down's font when the dialog font lacks glyphs
    framework::BitmapBackground m_banner;
};
