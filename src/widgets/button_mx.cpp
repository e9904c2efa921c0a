#include "widgets/button_mx.h"

#include <windowsx.h>
#include <shellapi.h>

namespace {

// The low five bits of a button style: its type.
constexpr UINT kButtonTypeBits = 0x1F;

}  // namespace

CButtonMx::CButtonMx()
{
    for (int i = 0; i < kColorSlots; ++i)
        m_colors[i] = ::GetSysColor(i % 2 == 0 ? COLOR_BTNFACE : COLOR_BTNTEXT);
}

CButtonMx::~CButtonMx()
{
    DiscardBackground();
    ReleaseImages(true);
    if (m_popupMenu.m_hMenu)
        m_popupMenu.DestroyMenu();
}

void CButtonMx::PreSubclassWindow()
{
    const DWORD style = LOWORD(GetStyle());
    if (style & BS_CHECKBOX)
        m_bCheckMode = TRUE;
    if ((style & kButtonTypeBits) == BS_DEFPUSHBUTTON)
        m_bDefault = TRUE;
    ModifyStyle(kButtonTypeBits, BS_OWNERDRAW, SWP_FRAMECHANGED);
    CButton::PreSubclassWindow();
}

bool CButtonMx::PreTranslateMessage(MSG* msg)
{
    if (!m_toolTip.m_hWnd && m_toolTip.Create(this)) {
        // No tip text is ever set: the control stays inactive until a user of the class wants one.
        m_toolTip.Activate(FALSE);
        m_toolTip.SetMaxTipWidth(400);
    }
    if (m_toolTip.m_hWnd)
        m_toolTip.RelayEvent(msg);
    return CButton::PreTranslateMessage(msg);
}

LRESULT CButtonMx::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_SETCURSOR:
        return OnSetCursor() ? TRUE : DefWindowProc(msg, wParam, lParam);
    case WM_KILLFOCUS:
        OnKillFocus(reinterpret_cast<HWND>(wParam));
        return 0;
    case WM_MOUSEMOVE:
        OnMouseMove(static_cast<UINT>(wParam), POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    case WM_ACTIVATE:
        OnActivate(LOWORD(wParam), reinterpret_cast<HWND>(lParam), HIWORD(wParam));
        return 0;
    case WM_ENABLE:
        OnEnable(static_cast<BOOL>(wParam));
        return 0;
    case WM_CANCELMODE:
        OnCancelMode();
        return 0;
    case WM_GETDLGCODE:
        return OnGetDlgCode(wParam, lParam);
    case BM_SETSTYLE:
        OnSetStyle(static_cast<UINT>(wParam), lParam);
        return 0;
    case WM_MOUSELEAVE:
        OnMouseLeave();
        return 0;
    case BM_SETCHECK:
        OnSetCheck(wParam);
        return 0;
    case BM_GETCHECK:
        return m_nCheckState;
    case WM_LBUTTONDBLCLK:
        OnLButtonDblClk(static_cast<UINT>(wParam), lParam);
        return 0;
    default:
        return CButton::WindowProc(msg, wParam, lParam);
    }
}

bool CButtonMx::OnSetCursor()
{
    if (!m_hButtonCursor)
        return false;
    ::SetCursor(m_hButtonCursor.get());
    return true;
}

void CButtonMx::OnKillFocus(HWND next)
{
    DefWindowProc(WM_KILLFOCUS, reinterpret_cast<WPARAM>(next), 0);
    CancelHover();
}

void CButtonMx::OnSysColorChange()
{
    CButton::OnSysColorChange();
    DiscardBackground();  // the next paint takes a new snapshot; m_colors stay as they are
}

void CButtonMx::OnActivate(UINT state, HWND other, BOOL minimized)
{
    DefWindowProc(WM_ACTIVATE, MAKEWPARAM(state, minimized), reinterpret_cast<LPARAM>(other));
    if (state == WA_INACTIVE)
        CancelHover();
}

void CButtonMx::OnCancelMode()
{
    DefWindowProc(WM_CANCELMODE, 0, 0);
    CancelHover();
}

UINT CButtonMx::OnGetDlgCode(WPARAM key, LPARAM message)
{
    // One of the two push-button codes, never both.
    const auto code = static_cast<UINT>(DefWindowProc(WM_GETDLGCODE, key, message)) &
                      ~static_cast<UINT>(DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON);
    return code | (m_bDefault ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
}

void CButtonMx::OnSetStyle(UINT style, LPARAM redraw)
{
    const UINT type = style & kButtonTypeBits;
    if (type == BS_DEFPUSHBUTTON)
        m_bDefault = TRUE;
    else if (type == BS_PUSHBUTTON)
        m_bDefault = FALSE;
    // The control stays owner-drawn whatever style it is given.
    DefWindowProc(BM_SETSTYLE, (style & ~kButtonTypeBits) | BS_OWNERDRAW, redraw);
}

void CButtonMx::OnMouseLeave()
{
    CancelHover();
}

void CButtonMx::OnSetCheck(WPARAM check)
{
    if (!m_bCheckMode)
        return;
    m_nCheckState = check == BST_CHECKED || check == BST_INDETERMINATE ? 1 : 0;
    Invalidate();
}

void CButtonMx::OnLButtonDblClk(UINT flags, LPARAM point)
{
    DefWindowProc(WM_LBUTTONDOWN, flags, point);
}

HBRUSH CButtonMx::OnReflectedCtlColor(HDC, UINT)
{
    // The parent never erases the button: it paints all of itself.
    return static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
}

void CButtonMx::OnMouseMove(UINT flags, POINT point)
{
    DefWindowProc(WM_MOUSEMOVE, flags, MAKELPARAM(point.x, point.y));
    ::ClientToScreen(m_hWnd, &point);
    const HWND under = ::WindowFromPoint(point);
    // Dragging onto the button from elsewhere does not light it.
    if ((flags & MK_LBUTTON) && !m_bHover)
        return;
    if (!m_bFlat)
        return;
    const HWND reference = m_bTrackInactive ? m_hWnd : ::GetActiveWindow();
    if (under == m_hWnd && reference) {
        if (m_bHover)
            return;
        m_bHover = TRUE;
        Invalidate();
        TRACKMOUSEEVENT track{};
        track.cbSize = sizeof(track);
        track.dwFlags = TME_LEAVE;
        track.hwndTrack = m_hWnd;
        ::TrackMouseEvent(&track);
        return;
    }
    CancelHover();
}

void CButtonMx::OnEnable(BOOL enable)
{
    DefWindowProc(WM_ENABLE, static_cast<WPARAM>(enable), 0);
    if (!enable) {
        // The focus leaves a disabled button whether it had it or not.
        const HWND parent = ::GetParent(m_hWnd);
        HWND next = ::GetNextDlgTabItem(parent, m_hWnd, FALSE);
        ::SetFocus(next && next != m_hWnd ? next : parent);
    }
    CancelHover();
}

void CButtonMx::CancelHover()
{
    if (m_bFlat && m_bHover) {
        m_bHover = FALSE;
        Invalidate();
    }
}

bool CButtonMx::OnReflectedCommand(UINT code)
{
    if (code == BN_CLICKED)
        OnClicked();
    return false;  // the parent hears of the click as usual
}

void CButtonMx::ShowDropDown()
{
    const RECT rect = GetWindowRect();
    m_bMenuOpen = TRUE;
    Invalidate();
    const UINT command = TrackPopupMenu(m_popupMenu.GetSubMenu(0), TPM_RIGHTBUTTON | TPM_NONOTIFY | TPM_RETURNCMD,
                                        rect.left, rect.bottom);
    m_bMenuOpen = FALSE;
    Invalidate();
    if (command)
        ::PostMessageW(m_hMenuOwner, WM_COMMAND, MAKEWPARAM(LOWORD(command), 0), 0);
}

void CButtonMx::OnClicked()
{
    ::SetFocus(m_hWnd);
    if (m_bCheckMode) {
        m_nCheckState = m_nCheckState ? 0 : 1;
        Invalidate();
        return;
    }
    if (m_popupMenu.m_hMenu) {
        ShowDropDown();
        return;
    }
    if (m_szUrl[0]) {
        SHELLEXECUTEINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = SEE_MASK_FLAG_NO_UI;
        info.lpVerb = L"open";
        info.lpFile = m_szUrl;
        info.nShow = SW_SHOWMAXIMIZED;
        ::ShellExecuteExW(&info);
    }
}
