#pragma once
// A top-level frame: made from its resources, its client area filled by the child with id
// AFX_IDW_PANE_FIRST. When the application's main frame is destroyed, the message loop ends.

#include "framework/wnd.h"

class CDocument;

class CFrameWndEx : public CWnd {
public:
    // Title: string resource nIDResource up to its first line feed; icon: icon resource nIDResource.
    virtual BOOL LoadFrame(UINT nIDResource, DWORD style = WS_OVERLAPPEDWINDOW, CWnd* parent = nullptr,
                           CCreateContext* context = nullptr);
    // Runs the initial update of the panes, then makes the first pane the one that takes the focus.
    void InitialUpdateFrame(CDocument* document);
    // Puts the client pane over the whole client area.
    virtual void RecalcLayout();

    CWnd* GetActiveView() const { return m_pViewActive; }
    void SetActiveView(CWnd* view) { m_pViewActive = view; }
    CDocument* GetActiveDocument() const { return m_pDocument; }

    // Alt+F4 closes the frame whichever of its controls has the focus: some controls (a drop-down
    // list among them, on some systems) swallow every Alt key combination themselves.
    bool PreTranslateMessage(MSG* msg) override;

protected:
    virtual BOOL PreCreateWindow(CREATESTRUCTW& cs);
    virtual BOOL OnCreateClient(CREATESTRUCTW* cs, CCreateContext* context);

    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    void PostNcDestroy() override;

    virtual int OnCreate(CREATESTRUCTW* cs);
    virtual void OnSize(UINT type, int cx, int cy);
    virtual void OnClose();
    virtual void OnSetFocus(HWND previous);

private:
    CCreateContext* m_pContext = nullptr;  // only while the window is being created
    CWnd* m_pViewActive = nullptr;
    CDocument* m_pDocument = nullptr;
};
