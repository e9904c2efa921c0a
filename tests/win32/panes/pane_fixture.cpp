#include "pane_fixture.h"

#include <filesystem>

#include "app/pc_kovrin30_doc.h"
#include "panes/language_refresh.h"
#include "resource.h"
#include "test_support.h"
#include "text/language_files.h"
#include "text/win32/win32_text_platform.h"

namespace test {

void PaneFixture::SetUp()
{
    // The built-in language files as the program carries them, not copies an earlier run left.
    wchar_t exe[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, exe, MAX_PATH);
    const std::filesystem::path folder = std::filesystem::path(exe).parent_path();
    std::error_code ignored;
    std::filesystem::remove_all(folder / L"Language", ignored);
    std::filesystem::remove(folder / L"setting.ini", ignored);

    docTemplate = CSingleDocTemplate::Create<CPC_Kovrin30Doc, CMainFrame>(IDR_MAINFRAME);
    ASSERT_NE(docTemplate->OpenDocumentFile(nullptr), nullptr);
    frame = static_cast<CMainFrame*>(docTemplate->GetFrame());
    frame->ShowWindow(SW_SHOW);
    SwitchLanguage(u"English");
    PumpMessages();
}

void PaneFixture::TearDown()
{
    if (frame && frame->m_hWnd)
        frame->DestroyWindow();
    PumpMessages();
    App().m_pMainWnd = nullptr;
}

void PaneFixture::SwitchLanguage(std::u16string_view name)
{
    text::SelectLanguage(text::Win32TextPlatform(), name);
    panes::RefreshForLanguage(panes::TitleRefresh::Repaint);
    PumpMessages();
}

CFormViewTitle& PaneFixture::Title() const
{
    return *static_cast<CFormViewTitle*>(frame->m_wndSplitter.GetPane(CMainFrame::kTitleRow, 0));
}

CFormViewMenu& PaneFixture::Menu() const
{
    return *static_cast<CFormViewMenu*>(frame->m_wndSplitter.GetPane(CMainFrame::kMenuRow, 0));
}

CFormViewInfo& PaneFixture::Info() const
{
    return *static_cast<CFormViewInfo*>(frame->m_wndSplitter.GetPane(CMainFrame::kInfoRow, 0));
}

void ClickAt(HWND window, POINT point)
{
    const LPARAM at = MAKELPARAM(point.x, point.y);
    ::PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::PostMessageW(window, WM_LBUTTONUP, 0, at);
    PumpMessages();
}

POINT Centre(const RECT& rect)
{
    return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

}  // namespace test
