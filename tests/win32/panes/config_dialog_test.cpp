// The configuration dialog over the real main frame: what it shows, OK and Cancel.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "pane_fixture.h"
#include "panes/config_dlg.h"
#include "resource.h"
#include "test_support.h"
#include "text/win32/win32_files.h"

namespace {

class ConfigDialog : public test::PaneFixture {
protected:
    // Runs the dialog; act answers it from the watching thread, as a user would.
    test::SeenBox Run(const std::function<void(HWND)>& act)
    {
        test::MessageBoxWatcher watcher(act);
        ShowConfigDialog();
        EXPECT_EQ(watcher.Boxes().size(), 1u);
        return watcher.Boxes().empty() ? test::SeenBox{} : watcher.Boxes()[0];
    }
    static void Choose(HWND dialog, const wchar_t* name)
    {
        ::SendMessageW(::GetDlgItem(dialog, IDC_COMBO_LANGUAGE), CB_SELECTSTRING, static_cast<WPARAM>(-1),
                       reinterpret_cast<LPARAM>(name));
    }
    static std::string Setting() { return text::win32::ReadFileBytes(L"setting.ini").value_or(""); }
};

std::wstring SelectedIn(HWND dialog)
{
    HWND list = ::GetDlgItem(dialog, IDC_COMBO_LANGUAGE);
    wchar_t text[64] = {};
    ::SendMessageW(list, CB_GETLBTEXT, ::SendMessageW(list, CB_GETCURSEL, 0, 0), reinterpret_cast<LPARAM>(text));
    return text;
}

}  // namespace

TEST_F(ConfigDialog, ShowsItsTextsInTheCurrentLanguageAndCancelChangesNothing)
{
    std::wstring selected;
    int entries = 0;
    const test::SeenBox box = Run([&](HWND dialog) {
        selected = SelectedIn(dialog);
        entries = static_cast<int>(::SendMessageW(::GetDlgItem(dialog, IDC_COMBO_LANGUAGE), CB_GETCOUNT, 0, 0));
        Choose(dialog, L"中文");
        ::PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_EQ(box.caption, L"Software Config");
    EXPECT_EQ(box.ControlText(IDC_STATIC_LANGUAGE), L"Language:");
    EXPECT_EQ(box.ControlText(IDOK), L"OK");
    EXPECT_EQ(box.ControlText(IDCANCEL), L"Cancel");
    EXPECT_EQ(entries, 2);
    EXPECT_EQ(selected, L"English");
    EXPECT_NE(Setting().find("Language=English"), std::string::npos);
    EXPECT_EQ(Menu().List().GetItemText(0, 0), L"Star");
}

TEST_F(ConfigDialog, OkAppliesTheLanguageToEveryPaneWithoutMovingTheDeviceEntry)
{
    std::filesystem::create_directory("2052");
    Run([](HWND dialog) {
        Choose(dialog, L"中文");
        ::PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(Menu().List().GetItemText(0, 0), L"启动");
    EXPECT_EQ(Info().PublisherLine(), L"科夫林软件有限公司");
    EXPECT_NE(Setting().find("Language="), std::string::npos);
    EXPECT_EQ(Setting().find("Language=English"), std::string::npos);
    wchar_t title[64] = {};
    ::GetDlgItemTextW(Title().m_hWnd, IDC_COMBO_LANGUAGE, title, 64);
    EXPECT_EQ(std::wstring(title), L"中文") << "the title pane's list follows";
    EXPECT_TRUE(std::filesystem::exists("2052"));
    std::filesystem::remove("2052");
}

TEST_F(ConfigDialog, OkWithoutAChoiceKeepsTheDialogOpenAndTheLanguage)
{
    int stillOpen = 0;
    Run([&](HWND dialog) {
        ::SendMessageW(::GetDlgItem(dialog, IDC_COMBO_LANGUAGE), CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
        ::SendMessageW(dialog, WM_COMMAND, IDOK, 0);
        stillOpen = ::IsWindow(dialog);
        ::PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(Menu().List().GetItemText(0, 0), L"Star");
}

TEST_F(ConfigDialog, OkWithAnotherDeviceNameRenamesNothingAndRemembersTheNewName)
{
    std::ofstream(std::filesystem::current_path() / "Language" / "Other.ini", std::ios::binary)
        << "[Setting]\r\nLanguage=Other\r\n[String]\r\nIDS_PCKovrin_DeviceFile=1033\r\n";
    std::filesystem::create_directory("2052");
    ASSERT_EQ(g_strDeviceName, L"2052");
    Run([](HWND dialog) {
        Choose(dialog, L"Other");
        ::PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    });
    EXPECT_TRUE(std::filesystem::exists("2052"));
    EXPECT_FALSE(std::filesystem::exists("1033"));
    EXPECT_EQ(g_strDeviceName, L"1033");
    std::filesystem::remove("2052");
}
