#pragma once
// A modal dialog made from a template. The object lives on the caller's stack for one run.
// Esc, Enter and the close box take the default paths: IDCANCEL ends the dialog, IDOK reads
// the controls back into the members first.

#include "framework/wnd.h"

class CDialog : public CWnd {
public:
    // Without a parent the dialog belongs to the application's main window.
    explicit CDialog(UINT nIDTemplate, CWnd* parent = nullptr) : m_nIDTemplate(nIDTemplate), m_pParentWnd(parent) {}

    // Runs the dialog until it ends: its result, or -1 when it could not be made.
    virtual INT_PTR DoModal();
    void EndDialog(int result);

    UINT GetTemplateId() const { return m_nIDTemplate; }

protected:
    // Fills the controls from the members; true lets the system set the focus.
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();

    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    bool OnCommand(UINT id, UINT code, HWND control) override;

private:
    HWND OwnerWindow() const;

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;
};
