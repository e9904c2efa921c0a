#pragma once
// The launcher's only top-level window: captionless, borderless, 440 x 346 pixels and centred,
// its client area one fixed splitter with the title, command and info panes.

#include <string>

#include "app/fix_splitter_wnd.h"
#include "framework/frame_wnd_ex.h"
#include "panes/main_window.h"

class CMainFrame : public CFrameWndEx, public panes::MainWindow {
public:
    static constexpr int kWidth = 440;
    static constexpr int kHeight = 346;

    CFixSplitterWnd m_wndSplitter;
    std::wstring m_strAppDir;  // program directory with a trailing backslash

    const std::wstring& AppDir() const override { return m_strAppDir; }
    CWnd* GetPane(int row) const override { return m_wndSplitter.GetPane(row, 0); }
    void SetCaption(const std::wstring& caption) override { SetWindowText(caption); }

protected:
    BOOL PreCreateWindow(CREATESTRUCTW& cs) override;
    BOOL OnCreateClient(CREATESTRUCTW* cs, CCreateContext* context) override;

    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    int OnCreate(CREATESTRUCTW* cs) override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnClose() override;
    LRESULT OnDragMainFrame();

    // Ends a running emulator session before the window goes.
    void EndEmulatorSession();
};
