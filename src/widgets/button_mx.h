#pragma once
// A flat owner-drawn push button with an icon (or bitmap) and an optional caption: a gray copy
// of the icon while idle, the colour icon and a thin raised border while the mouse is over it,
// optionally a face that shows the parent's painting behind the image. It can also act as a
// check box, drop down a VelMenu, or open an address when clicked. It is attached to an
// existing button control (data exchange) and forces the control's owner-drawn style.

#include <windows.h>

#include <string>

#include "framework/bitmap_dc.h"
#include "framework/button.h"
#include "framework/gdi_handles.h"
#include "framework/tool_tip_ctrl.h"
#include "widgets/vel_menu.h"

// As the idle icon: make a gray copy of the active one.
inline const HICON AUTO_GRAY_ICON = reinterpret_cast<HICON>(static_cast<INT_PTR>(-2));

class CButtonMx : public CButton {
public:
    CButtonMx();
    ~CButtonMx() override;

    // Takes ownership of both icons; idle may be null, an icon or AUTO_GRAY_ICON. 0 on success,
    // 1 when an icon cannot be read (the button then has no icon at all).
    DWORD SetStateIcons(HICON active, HICON idle);
    // From the next paint on, the face shows the parent's painting instead of a colour.
    void EnableTransparentBackground();

    void DrawItem(DRAWITEMSTRUCT* item) override;
    bool PreTranslateMessage(MSG* msg) override;

    virtual DWORD DrawFaceBackground(HDC dc, const RECT& rect);
    virtual DWORD DrawFaceBorder(HDC dc, const RECT& rect);

    // Where the image stands (m_nImageAlign).
    enum ImageAlign : BYTE { kImageLeft = 0, kImageAbove = 1, kImageRight = 2 };
    // The slots of m_colors.
    enum ColorSlot : int {
        kLitBackground = 0,  // while hovered or pressed
        kLitText = 1,
        kBackground = 2,  // otherwise
        kText = 3,
        kFocusedBackground = 4,
        kFocusedText = 5,  // not read by the drawing
        kColorSlots = 6,
    };

    struct StateIcon {
        framework::UniqueIcon icon;
        int width = 0;
        int height = 0;
    };
    struct StateBitmap {
        framework::UniqueBitmap bitmap;
        int width = 0;
        int height = 0;
        framework::UniqueBitmap mask;
    };

    BOOL m_bGrayDisabledBitmap = TRUE;
    BOOL m_bFlat = TRUE;
    BOOL m_bHover = FALSE;
    BOOL m_bTransparent = FALSE;
    BOOL m_bPressed = FALSE;
    BOOL m_bFocused = FALSE;
    BOOL m_bDisabled = FALSE;
    BOOL m_bDefault = FALSE;
    BOOL m_bCheckMode = FALSE;
    BYTE m_nImageAlign = kImageLeft;
    BOOL m_bHoverBorder = TRUE;
    BOOL m_bFocusRectWhenFlat = FALSE;
    COLORREF m_colors[kColorSlots];
    HWND m_hMenuOwner = nullptr;
    BOOL m_bMenuOpen = FALSE;
    VelMenu m_popupMenu;
    framework::UniqueCursor m_hButtonCursor;
    CToolTipCtrl m_toolTip;
    // The snapshot of the parent's painting behind the button, with its bitmap.
    framework::BitmapDC m_dcBackground;
    BOOL m_bTrackInactive = TRUE;
    int m_nCheckState = 0;
    wchar_t m_szUrl[MAX_PATH] = {};
    StateIcon m_icons[2];      // active, idle
    StateBitmap m_bitmaps[2];  // active, idle

protected:
    void PreSubclassWindow() override;
    // Unpacks the button's messages into the handlers below.
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    bool OnReflectedCommand(UINT code) override;
    HBRUSH OnReflectedCtlColor(HDC dc, UINT ctlColorMessage) override;

    bool OnSetCursor();
    void OnKillFocus(HWND next);
    void OnMouseMove(UINT flags, POINT point);
    void OnSysColorChange() override;
    void OnActivate(UINT state, HWND other, BOOL minimized);
    void OnEnable(BOOL enable);
    void OnCancelMode();
    UINT OnGetDlgCode(WPARAM key, LPARAM message);
    void OnSetStyle(UINT style, LPARAM redraw);
    void OnMouseLeave();
    void OnSetCheck(WPARAM check);
    // A double click is a second press, not a notification of its own.
    void OnLButtonDblClk(UINT flags, LPARAM point);
    void OnClicked();
    void CancelHover();
    void ReleaseImages(bool free);
    // A gray copy of an icon whose information was read: the bitmaps stay the caller's.
    HICON MakeGrayIcon(const ICONINFO& info) const;

    void PaintParentBackground(HDC dc);
    void DiscardBackground();
    void DrawFrame(HDC dc, const RECT& face);
    void DrawCaption(HDC dc, const std::wstring& caption, RECT captionRect) const;
    void DrawStateIcon(bool hasCaption, const RECT& item, RECT& caption, HDC dc, bool pressed, bool disabled);
    void DrawStateBitmap(bool hasCaption, const RECT& item, RECT& caption, HDC dc, bool pressed, bool disabled);
    RECT PlaceImage(bool hasCaption, const RECT& item, RECT& caption, bool pressed, int width, int height) const;

private:
    void ShowDropDown();
};
