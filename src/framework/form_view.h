#pragma once
// A pane made from a dialog template: the pane's window is the dialog itself, a child of its
// container. Forms never exceed their panes, so there is no scrolling.

#include "framework/wnd.h"

class CDocument;

class CFormView : public CWnd {
public:
    explicit CFormView(UINT nIDTemplate) : m_nIDTemplate(nIDTemplate) {}

    // Creates the form from its template (which must be a child template) at rect.
    BOOL Create(const wchar_t* className, const wchar_t* windowName, DWORD style, const RECT& rect, CWnd* parent,
                UINT id, CCreateContext* context = nullptr) override;

    // Once after creation, from the frame; again whenever the owner wants the pane refreshed.
    // The base exchanges data into the controls (binding them the first time) and repaints.
    virtual void OnInitialUpdate();
    void RunInitialUpdate() override { OnInitialUpdate(); }

    CDocument* GetDocument() const { return m_pDocument; }
    UINT GetTemplateId() const { return m_nIDTemplate; }

    // Dialog keyboard handling (Tab between controls) inside the form.
    bool PreTranslateMessage(MSG* msg) override;

protected:
    virtual void OnDraw(HDC dc);
    // A timer of the form's window went off; the form's default handling follows.
    virtual void OnTimer(UINT_PTR id);
    // After the form's default handling, which hands the focus on to its control.
    virtual void OnSetFocus(HWND previous);

    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnPaint();

private:
    UINT m_nIDTemplate;
    CDocument* m_pDocument = nullptr;
};
