#include "widgets/button_mx.h"

#include <windowsx.h>
#include <shellapi.h>

namespace {

// The low five bits of a button style: its type.
constexpr UINT kButtonTypeBits = 0x1F;

}  // namespace

CButtonMx::CButtonMx()
{
    for (int i = 0; i < 6; ++i)
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
    const DWORD style = GetStyle() & 0xFFFF;
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

LRESULT CButtonMx::DefWindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    // A double click is a second press, not a notification of its own.
    if (msg == WM_LBUTTONDBLCLK)
        msg = WM_LBUTTONDOWN;
    return CButton::DefWindowProc(msg, wParam, lParam);
}

LRESULT CButtonMx::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_SETCURSOR:
        if (!m_hButtonCursor)
            break;
        ::SetCursor(m_hButtonCursor.get());
        return TRUE;
    case WM_KILLFOCUS: {
        const LRESULT result = DefWindowProc(msg, wParam, lParam);
        CancelHover();
        return result;
    }
    case WM_MOUSEMOVE:
        OnMouseMove(static_cast<UINT>(wParam), POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    case WM_SYSCOLORCHANGE: {
        const LRESULT result = DefWindowProc(msg, wParam, lParam);
        DiscardBackground();  // the next paint takes a new snapshot; m_colors stay as they are
        return result;
    }
    case WM_ACTIVATE: {
        const LRESULT result = DefWindowProc(msg, wParam, lParam);
        if (LOWORD(wParam) == WA_INACTIVE)
            CancelHover();
        return result;
    }
    case WM_ENABLE: {
        const LRESULT result = DefWindowProc(msg, wParam, lParam);
        OnEnable(static_cast<BOOL>(wParam));
        return result;
    }
    case WM_CANCELMODE: {
        const LRESULT result = DefWindowProc(msg, wParam, lParam);
        CancelHover();
        return result;
    }
    case WM_GETDLGCODE: {
        // One of the two push-button codes, never both.
        const auto code = static_cast<UINT>(DefWindowProc(msg, wParam, lParam)) &
                          ~static_cast<UINT>(DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON);
        return code | (m_bDefault ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
    }
    case WM_MENUCHAR: {
        const auto menu = reinterpret_cast<HMENU>(lParam);
        if (!VelMenu::IsKnownMenu(menu))
            break;
        return VelMenu::HandleMenuChar(LOWORD(wParam), HIWORD(wParam), CMenu::FromHandlePermanent(menu));
    }
    case WM_MEASUREITEM: {
        auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        const auto menu = reinterpret_cast<HMENU>(static_cast<UINT_PTR>(item->itemID));
        if (item->CtlType != ODT_MENU || !::IsMenu(menu) || !VelMenu::IsKnownMenu(menu))
            break;
        m_popupMenu.MeasureItem(item);
        return TRUE;
    }
    case BM_SETSTYLE: {
        const UINT type = static_cast<UINT>(wParam) & kButtonTypeBits;
        if (type == BS_DEFPUSHBUTTON)
            m_bDefault = TRUE;
        else if (type == BS_PUSHBUTTON)
            m_bDefault = FALSE;
        return DefWindowProc(msg, (wParam & ~static_cast<WPARAM>(kButtonTypeBits)) | BS_OWNERDRAW, lParam);
    }
    case WM_MOUSELEAVE:
        CancelHover();
        return 0;
    case BM_SETCHECK:
        if (m_bCheckMode) {
            m_nCheckState = wParam == BST_CHECKED || wParam == BST_INDETERMINATE ? 1 : 0;
            Invalidate();
        }
        return 0;
    case BM_GETCHECK:
        return m_nCheckState;
    default:
        break;
    }
    return CButton::WindowProc(msg, wParam, lParam);
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

void CButtonMx::OnClicked()
{
    ::SetFocus(m_hWnd);
    if (m_bCheckMode) {
        m_nCheckState = m_nCheckState ? 0 : 1;
        Invalidate();
        return;
    }
    if (m_popupMenu.m_hMenu) {
        const RECT rect = GetWindowRect();
        m_bMenuOpen = TRUE;
        Invalidate();
        const auto command = static_cast<UINT>(
            ::TrackPopupMenu(m_popupMenu.GetSubMenu(0), TPM_RIGHTBUTTON | TPM_NONOTIFY | TPM_RETURNCMD,
                             rect.left, rect.bottom, 0, m_hWnd, nullptr));
        m_bMenuOpen = FALSE;
        Invalidate();
        if (command)
            ::PostMessageW(m_hMenuOwner, WM_COMMAND, MAKEWPARAM(LOWORD(command), 0), 0);
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
