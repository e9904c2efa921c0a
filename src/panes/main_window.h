#pragma once
// What the panes and dialogs need of the main window: the program folder and the panes by row.
// The main frame provides it; the panes find it through the application's main window.

#include <windows.h>

#include <string>

class CWnd;
class CFormViewTitle;
class CFormViewMenu;
class CFormViewInfo;

// Title pane to main window: start moving the window as if its caption had been grabbed.
// Sent, with wParam and lParam 0; the result is 0.
constexpr UINT WM_DRAG_MAINFRAME = WM_USER + 18;

namespace panes {

class MainWindow {
public:
    enum Row { kTitleRow = 0, kMenuRow = 1, kInfoRow = 2 };

    // The application's main window, when it is one.
    static MainWindow* Current();

    virtual const std::wstring& AppDir() const = 0;  // with a trailing backslash
    virtual CWnd* GetPane(int row) const = 0;
    // The main window's caption, which the taskbar shows.
    virtual void SetCaption(const std::wstring& caption) = 0;

    CFormViewTitle* TitlePane() const;
    CFormViewMenu* MenuPane() const;
    CFormViewInfo* InfoPane() const;

protected:
    ~MainWindow() = default;
};

}  // namespace panes
