// The title pane in the real main frame: what it shows, its buttons, and the language switch.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "pane_fixture.h"
#include "resource.h"
#include "test_support.h"
#include "text/win32/wide.h"
#include "text/win32/win32_files.h"
#include "../widgets/pixels.h"

namespace {

namespace fs = std::filesystem;

class TitlePane : public test::PaneFixture {
protected:
    HWND List() const { return Title().GetDlgItem(IDC_COMBO_LANGUAGE); }
    std::vector<std::wstring> Entries() const
    {
        std::vector<std::wstring> entries;
        const int count = static_cast<int>(::SendMessageW(List(), CB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            wchar_t text[128] = {};
            ::SendMessageW(List(), CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
            entries.emplace_back(text);
        }
        return entries;
    }
    std::wstring Selected() const
    {
        const auto index = ::SendMessageW(List(), CB_GETCURSEL, 0, 0);
        return index < 0 ? L"" : Entries()[static_cast<size_t>(index)];
    }
    // Chooses an entry as the mouse does: the selection changes and the list tells the pane.
    void Choose(const std::wstring& name)
    {
        ::SendMessageW(List(), CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(name.c_str()));
        Title().SendMessage(WM_COMMAND, MAKEWPARAM(IDC_COMBO_LANGUAGE, CBN_SELCHANGE), reinterpret_cast<LPARAM>(List()));
        test::PumpMessages();
    }
    // An English language file under another name and with another device entry.
    static void AddLanguage(const std::string& name, const std::string& device)
    {
        std::ofstream(fs::current_path() / "Language" / (name + ".ini"), std::ios::binary)
            << "[Setting]\r\nLanguage=" << name << "\r\n[String]\r\nIDS_MAIN_TITLE=Kovrin3.0_PC\r\n"
            << "IDS_MENU_RUN=Go\r\nIDC_STATIC_LANG=Tongue:\r\nIDS_PCKovrin_DeviceFile=" << device << "\r\n";
    }
    void TearDown() override
    {
        std::error_code ignored;
        for (const char* entry : {"2052", "1033"})
            fs::remove_all(fs::current_path() / entry, ignored);
        PaneFixture::TearDown();
    }
};

}  // namespace

TEST_F(TitlePane, ShowsTheLanguagesPreselectedAndHidesItsPlaceholders)
{
    AddLanguage("english (UK)", "2052");
    Title().OnInitialUpdate();
    EXPECT_EQ(Entries(), (std::vector<std::wstring>{L"English", L"english (UK)", L"中文"}));
    EXPECT_EQ(Selected(), L"English") << "the first entry that begins with the stored name";
    EXPECT_FALSE(::IsWindowVisible(Title().GetDlgItem(IDC_STATIC_LANGUAGE)));
    EXPECT_FALSE(::IsWindowVisible(Title().GetDlgItem(IDC_STATIC_TITLE)));
    EXPECT_EQ(g_strDeviceName, L"2052");
    for (CButtonMx* button : {&Title().m_btnMinimize, &Title().m_btnExit, &Title().m_btnMenu}) {
        EXPECT_TRUE(button->m_icons[0].icon && button->m_icons[1].icon) << "colour and gray icons";
        EXPECT_TRUE(button->m_bTransparent) << "the banner behind the icon from the first paint";
    }
    EXPECT_EQ(Title().m_btnExit.m_icons[0].width, 18);
    EXPECT_EQ(Title().m_btnMenu.m_icons[0].width, 22);
}

TEST_F(TitlePane, PaintsTheBannerWithTheLabelAndTitleInWhiteInTheirRectangles)
{
    const RECT client = Title().GetClientRect();
    test::Pixels pixels(client.right, client.bottom);
    Title().SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(pixels.Dc()), PRF_CLIENT);
    const RECT label = Title().LabelRect(L"Language:"), title = Title().TitleRect(L"Kovrin3.0_PC");
    int inLabel = 0, inTitle = 0;
    for (int y = 0; y < pixels.Height(); ++y) {
        for (int x = 0; x < pixels.Width(); ++x) {
            const COLORREF pixel = pixels.At(x, y);
            if (GetRValue(pixel) < 200 || GetGValue(pixel) < 200 || GetBValue(pixel) < 200)
                continue;  // not white, nor the edge of a smoothed white letter
            const POINT at{x, y};
            inLabel += ::PtInRect(&label, at);
            inTitle += ::PtInRect(&title, at);
            ASSERT_TRUE(::PtInRect(&label, at) || ::PtInRect(&title, at)) << "white at " << x << "," << y;
        }
    }
    EXPECT_GT(inLabel, 15);
    EXPECT_GT(inTitle, 100);
    const COLORREF banner = pixels.At(300, 5);
    EXPECT_GT(GetBValue(banner), GetRValue(banner)) << "blue";

    // The buttons show the banner behind their icons, not a face of their own.
    CButtonMx& exit = Title().m_btnExit;
    const RECT place = test::ChildRect(exit.m_hWnd);
    test::Pixels face(place.right - place.left, place.bottom - place.top);
    DRAWITEMSTRUCT item{ODT_BUTTON, 0, 0, ODA_DRAWENTIRE, 0, exit.m_hWnd, face.Dc(), exit.GetClientRect(), 0};
    exit.DrawItem(&item);
    EXPECT_EQ(face.At(0, 0), pixels.At(place.left, place.top));
    EXPECT_EQ(face.At(face.Width() - 1, face.Height() - 1), pixels.At(place.right - 1, place.bottom - 1));
}

TEST_F(TitlePane, TheSwitchRefreshesEveryTextStoresTheChoiceAndMovesTheDeviceEntry)
{
    AddLanguage("Other", "1033");
    Title().OnInitialUpdate();
    fs::create_directory(fs::current_path() / "2052");
    Choose(L"Other");
    EXPECT_EQ(Menu().List().GetItemText(0, 0), L"Go");
    EXPECT_EQ(Info().PublisherLine(), L"String Not found");
    EXPECT_NE(text::win32::ReadFileBytes(L"setting.ini")->find("Language=Other"), std::string::npos);
    EXPECT_TRUE(fs::exists(fs::current_path() / "1033"));
    EXPECT_FALSE(fs::exists(fs::current_path() / "2052"));
    EXPECT_EQ(g_strDeviceName, L"1033");

    // Back, while an entry of the new name is in the way: the file error names the entry, the
    // rest of the switch holds and the old name is remembered.
    fs::create_directory(fs::current_path() / "2052");
    test::MessageBoxWatcher watcher;
    Choose(L"English");
    ASSERT_EQ(watcher.Boxes().size(), 1u);
    EXPECT_NE(watcher.Boxes()[0].text.find(L"1033"), std::wstring::npos) << watcher.Boxes()[0].text;
    EXPECT_EQ(Menu().List().GetItemText(0, 0), L"Star");
    EXPECT_EQ(g_strDeviceName, L"1033");
}

TEST_F(TitlePane, WithNoEntryToMoveTheOldNameIsKept)
{
    AddLanguage("Other", "1033");
    Title().OnInitialUpdate();
    Choose(L"Other");
    EXPECT_FALSE(fs::exists(fs::current_path() / "1033"));
    EXPECT_EQ(g_strDeviceName, L"2052") << "a later switch compares with it again";
}

TEST_F(TitlePane, TheMenuButtonsPopupHasTheAboutItemBelowTheButton)
{
    // Inside the pop-up's own loop: note where it opened and what it shows, then close it.
    static RECT shown{};
    static std::wstring item;
    ::SetTimer(Title().m_hWnd, 7, 300, [](HWND, UINT, UINT_PTR, DWORD) {
        HWND popup = ::FindWindowW(L"#32768", nullptr);
        ::GetWindowRect(popup, &shown);
        wchar_t text[64] = {};
        ::GetMenuStringW(reinterpret_cast<HMENU>(::SendMessageW(popup, MN_GETHMENU, 0, 0)), 0, text, 64, MF_BYPOSITION);
        item = text;
        ::EndMenu();
    });
    ::SendMessageW(Title().m_btnMenu.m_hWnd, BM_CLICK, 0, 0);
    ::KillTimer(Title().m_hWnd, 7);
    const RECT button = Title().m_btnMenu.GetWindowRect();
    EXPECT_EQ(shown.left, button.right - 30);
    EXPECT_EQ(shown.top, button.bottom);
    EXPECT_EQ(item, L"about");

    test::MessageBoxWatcher watcher(IDCANCEL);
    Title().SendMessage(WM_COMMAND, ID_POPUP_ABOUT, 0);
    ASSERT_EQ(watcher.Boxes().size(), 1u);
    EXPECT_EQ(watcher.Boxes()[0].caption, L"About PC_Kovrin3.0");
}

TEST_F(TitlePane, AColourChangeSentToTheFrameReachesTheButtons)
{
    ::RedrawWindow(frame->m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    ASSERT_TRUE(Title().m_btnExit.m_dcBackground) << "a snapshot of the banner to discard";
    frame->SendMessage(WM_SYSCOLORCHANGE);
    for (CButtonMx* button : {&Title().m_btnMinimize, &Title().m_btnExit, &Title().m_btnMenu})
        EXPECT_FALSE(button->m_dcBackground);
}
