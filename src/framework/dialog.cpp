#include "framework/dialog.h"

#include "framework/app_instance.h"

INT_PTR CDialog::DoModal()
{
    if (m_hWnd)
        return -1;
    HINSTANCE instance = ::GetModuleHandleW(nullptr);
    HRSRC resource = ::FindResourceW(instance, MAKEINTRESOURCEW(m_nIDTemplate), MAKEINTRESOURCEW(5));  // RT_DIALOG
    HGLOBAL loaded = resource ? ::LoadResource(instance, resource) : nullptr;
    const void* dialogTemplate = loaded ? ::LockResource(loaded) : nullptr;
    if (!dialogTemplate)
        return -1;
    CreationScope scope(this);
    return ::DialogBoxIndirectParamW(instance, static_cast<const DLGTEMPLATE*>(dialogTemplate), OwnerWindow(),
                                     &CWnd::DialogStartProc, 0);
}

HWND CDialog::OwnerWindow() const
{
    HWND parent = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
    if (!parent) {
        CWnd* main = AfxGetMainWnd();
        parent = main ? main->m_hWnd : nullptr;
    }
    // A dialog belongs to a top-level window, never to a pane.
    return parent ? ::GetAncestor(parent, GA_ROOT) : nullptr;
}

void CDialog::EndDialog(int result)
{
    if (m_hWnd)
        ::EndDialog(m_hWnd, result);
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(false);
    return TRUE;
}

void CDialog::OnOK()
{
    UpdateData(true);
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

LRESULT CDialog::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_INITDIALOG) {
        const RECT before = GetWindowRect();
        const BOOL result = OnInitDialog();
        // Centred on its owner, unless the dialog placed itself.
        const RECT after = GetWindowRect();
        if (before.left == after.left && before.top == after.top)
            CenterWindow();
        return result;
    }
    return CWnd::WindowProc(msg, wParam, lParam);
}

bool CDialog::OnCommand(UINT id, UINT code, HWND)
{
    if (code != BN_CLICKED)
        return false;
    switch (id) {
    case IDOK: OnOK(); return true;
    case IDCANCEL: OnCancel(); return true;
    default: return false;
    }
}
