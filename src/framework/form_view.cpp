#include "framework/form_view.h"

#include <cstring>

#include "framework/create_context.h"
#include "framework/paint_scope.h"

namespace {

constexpr WORD kDialogResourceType = 5;  // RT_DIALOG
// An extended template starts with version 1 and this signature; its style lies after the help
// id and the extended style.
constexpr WORD kExtendedTemplateSignature = 0xFFFF;
constexpr size_t kExtendedTemplateStyleOffset = 12;

// The style of a dialog template, in either of its two layouts.
DWORD TemplateStyle(const void* dialogTemplate)
{
    const auto* words = static_cast<const WORD*>(dialogTemplate);
    DWORD style = 0;
    if (words[0] == 1 && words[1] == kExtendedTemplateSignature)
        std::memcpy(&style, static_cast<const BYTE*>(dialogTemplate) + kExtendedTemplateStyleOffset, sizeof(style));
    else
        style = static_cast<const DLGTEMPLATE*>(dialogTemplate)->style;
    return style;
}

}  // namespace

BOOL CFormView::Create(const wchar_t*, const wchar_t*, DWORD style, const RECT& rect, CWnd* parent, UINT id,
                       CCreateContext* context)
{
    if (m_hWnd || !parent || !parent->m_hWnd)
        return FALSE;
    HINSTANCE instance = ::GetModuleHandleW(nullptr);
    HRSRC resource = ::FindResourceW(instance, MAKEINTRESOURCEW(m_nIDTemplate), MAKEINTRESOURCEW(kDialogResourceType));
    HGLOBAL loaded = resource ? ::LoadResource(instance, resource) : nullptr;
    const void* dialogTemplate = loaded ? ::LockResource(loaded) : nullptr;
    if (!dialogTemplate || !(TemplateStyle(dialogTemplate) & WS_CHILD))
        return FALSE;

    HWND hwnd = nullptr;
    {
        CreationScope scope(this);
        hwnd = ::CreateDialogIndirectParamW(instance, static_cast<const DLGTEMPLATE*>(dialogTemplate),
                                            parent->m_hWnd, &CWnd::DialogStartProc, 0);
    }
    if (!hwnd)
        return FALSE;
    if (m_hWnd != hwnd) {
        ::DestroyWindow(hwnd);
        return FALSE;
    }
    m_pDocument = context ? context->m_pCurrentDoc : nullptr;
    ::SetWindowLongPtrW(hwnd, GWLP_ID, static_cast<LONG_PTR>(id));
    // Placed and shown in one step.
    ::SetWindowPos(hwnd, nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                   SWP_NOZORDER | SWP_NOACTIVATE | ((style & WS_VISIBLE) ? SWP_SHOWWINDOW : 0));
    return TRUE;
}

void CFormView::OnInitialUpdate()
{
    UpdateData(false);
    Invalidate(TRUE);
}

void CFormView::OnDraw(HDC)
{
}

void CFormView::OnTimer(UINT_PTR)
{
}

void CFormView::OnSetFocus(HWND)
{
}

bool CFormView::PreTranslateMessage(MSG* msg)
{
    if (msg->message < WM_KEYFIRST || msg->message > WM_KEYLAST)
        return false;
    // System keys (Alt+F4) belong to the frame, which sees them after its panes.
    if (msg->message == WM_SYSKEYDOWN || msg->message == WM_SYSKEYUP)
        return false;
    return ::IsDialogMessageW(m_hWnd, msg) != FALSE;
}

LRESULT CFormView::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_INITDIALOG:
        return FALSE;  // a pane does not take the focus when it is made
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_PRINTCLIENT:  // the same picture into someone else's DC (PrintWindow, previews)
        OnDraw(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_TIMER:
        OnTimer(static_cast<UINT_PTR>(wParam));
        return CWnd::WindowProc(msg, wParam, lParam);
    case WM_SETFOCUS: {
        const LRESULT result = CWnd::WindowProc(msg, wParam, lParam);
        OnSetFocus(reinterpret_cast<HWND>(wParam));
        return result;
    }
    default:
        return CWnd::WindowProc(msg, wParam, lParam);
    }
}

void CFormView::OnPaint()
{
    framework::PaintScope paint(m_hWnd);
    OnDraw(paint.Dc());
}
