#include "app/main_frame.h"

#include <memory>

#include "emulator/emulator_session.h"
#include "emulator/win32/win32_desktop.h"
#include "emulator/win32/win32_session_files.h"
#include "panes/form_view_info.h"
#include "panes/form_view_menu.h"
#include "panes/form_view_title.h"
#include "text/language_files.h"
#include "text/program_paths.h"
#include "text/win32/wide.h"
#include "text/win32/win32_text_platform.h"

namespace {

// Where CenterWindow puts a window of that size that is on the primary monitor, where the system
// opens a new top-level window.
POINT CenteredOnPrimaryWorkArea(int width, int height)
{
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    ::GetMonitorInfoW(::MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& work = monitor.rcWork;
    return POINT{(work.left + work.right - width) / 2, (work.top + work.bottom - height) / 2};
}

}  // namespace

BOOL CMainFrame::PreCreateWindow(CREATESTRUCTW& cs)
{
    if (!CFrameWndEx::PreCreateWindow(cs))
        return FALSE;
    cs.hMenu = nullptr;
    // Made at its final size, without caption or border and centred, so that the system lays the
    // rows out, frames the window and places it once: the styles set in OnCreate and the first
    // OnSize then change nothing that would make it do all of that again.
    cs.style = WS_POPUP | WS_SYSMENU;
    cs.cx = kWidth;
    cs.cy = kHeight;
    const POINT origin = CenteredOnPrimaryWorkArea(kWidth, kHeight);
    cs.x = origin.x;
    cs.y = origin.y;
    text::TextPlatform& platform = text::Win32TextPlatform();
    m_strAppDir = text::AsWide(text::InitAppPaths(platform));
    text::RemoveLeftoverReplacementFiles(platform);
    text::SelectLanguage(platform, u"");
    return TRUE;
}

BOOL CMainFrame::OnCreateClient(CREATESTRUCTW*, CCreateContext* context)
{
    // A pane that cannot be made stays empty; the frame works on without it.
    m_wndSplitter.CreateStatic(this, 3, 1, WS_CHILD | WS_VISIBLE, AFX_IDW_PANE_FIRST);
    const int width = GetClientRect().right;
    m_wndSplitter.CreateView(kTitleRow, 0, std::make_unique<CFormViewTitle>(), SIZE{width, 66}, context);
    m_wndSplitter.CreateView(kMenuRow, 0, std::make_unique<CFormViewMenu>(), SIZE{width, 253}, context);
    m_wndSplitter.CreateView(kInfoRow, 0, std::make_unique<CFormViewInfo>(), SIZE{width, 20}, context);
    return TRUE;
}

LRESULT CMainFrame::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_DRAG_MAINFRAME:
        return OnDragMainFrame();
    default:
        return CFrameWndEx::WindowProc(msg, wParam, lParam);
    }
}

int CMainFrame::OnCreate(CREATESTRUCTW* cs)
{
    if (CFrameWndEx::OnCreate(cs) == -1)
        return -1;
    // No caption, border, menu or extended style: the title pane is the caption.
    ::SetWindowLongW(m_hWnd, GWL_STYLE, 0);
    ::SetWindowLongW(m_hWnd, GWL_EXSTYLE, 0);
    ::SetMenu(m_hWnd, nullptr);
    ::SetWindowLongW(m_hWnd, GWL_STYLE, static_cast<LONG>(GetStyle() | WS_SYSMENU));
    SetWindowText(text::LanguageText(L"IDS_MAIN_TITLE"));
    return 0;
}

void CMainFrame::OnSize(UINT type, int cx, int cy)
{
    CFrameWndEx::OnSize(type, cx, cy);
    // A minimised window keeps its place in the taskbar; it is put right when it is restored.
    if (type == SIZE_MINIMIZED)
        return;
    // Size and place in one step: never seen at the screen's corner on the way to the centre.
    const RECT client = GetClientRect();
    const int width = kWidth - client.left, height = kHeight - client.top;
    const POINT origin = CenteredOrigin(width, height);
    MoveUnlessThere(m_hWnd, RECT{origin.x, origin.y, origin.x + width, origin.y + height});
}

LRESULT CMainFrame::OnDragMainFrame()
{
    SendMessage(WM_NCLBUTTONDOWN, HTCAPTION, 0);
    return 0;
}

void CMainFrame::OnClose()
{
    EndEmulatorSession();
    CFrameWndEx::OnClose();
}

void CMainFrame::EndEmulatorSession()
{
    emulator::win32::Win32SessionFiles files;
    emulator::win32::Win32Desktop desktop({.waiting = *this});
    emulator::EndEmulator(desktop, files, emulator::EndVariant::Close);
}
