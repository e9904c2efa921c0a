// The command pane in the real main frame: its items, their layout and what a click on each does.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "pane_fixture.h"
#include "test_support.h"

namespace {

namespace fs = std::filesystem;
using test::Centre;
using test::ClickAt;

class CommandPane : public test::PaneFixture {
protected:
    HWND List() const { return Menu().List().m_hWnd; }
    RECT ItemRect(int item, int code) const { return Menu().List().GetItemRect(item, code); }
    std::vector<std::wstring> Texts() const
    {
        std::vector<std::wstring> texts;
        for (int item = 0; item < Menu().List().GetItemCount(); ++item)
            texts.push_back(Menu().List().GetItemText(item, 0));
        return texts;
    }
};

bool Intersect(const RECT& a, const RECT& b)
{
    RECT both{};
    return ::IntersectRect(&both, &a, &b) != FALSE;
}

}  // namespace

TEST_F(CommandPane, ShowsTheFiveCommandsInOrderWithTheirIconsInTheItemColour)
{
    EXPECT_EQ(Texts(), (std::vector<std::wstring>{L"Star", L"Help", L"Config", L"About", L"Exit"}));
    for (int item = 0; item < 5; ++item)
        EXPECT_EQ(Menu().List().GetItemImage(item), item);
    EXPECT_EQ(static_cast<COLORREF>(::SendMessageW(List(), LVM_GETTEXTCOLOR, 0, 0)), COLORREF{0x00E55500});

    ASSERT_EQ(Menu().Images().GetImageCount(), 5);
    int cx = 0, cy = 0;
    ::ImageList_GetIconSize(Menu().Images().GetSafeHandle(), &cx, &cy);
    EXPECT_EQ(cx, 95);
    EXPECT_EQ(cy, 95);
    EXPECT_EQ(reinterpret_cast<HIMAGELIST>(::SendMessageW(List(), LVM_GETIMAGELIST, LVSIL_NORMAL, 0)),
              Menu().Images().GetSafeHandle());
    const RECT list = test::ChildRect(List()), pane = Menu().GetClientRect();
    EXPECT_TRUE(::EqualRect(&list, &pane)) << "the list fills the pane";
}

TEST_F(CommandPane, ItemTextsFollowALanguageChangeInTheSameOrderWithTheSameIcons)
{
    const RECT before = ItemRect(0, LVIR_ICON);
    SwitchLanguage(u"中文");
    EXPECT_EQ(Texts(), (std::vector<std::wstring>{L"启动", L"帮助", L"配置", L"关于", L"退出"}));
    for (int item = 0; item < 5; ++item)
        EXPECT_EQ(Menu().List().GetItemImage(item), item);
    const RECT after = ItemRect(0, LVIR_ICON);
    EXPECT_TRUE(::EqualRect(&before, &after)) << "the items keep their places";

    SwitchLanguage(u"English");
    EXPECT_EQ(Texts().front(), L"Star");
}

TEST_F(CommandPane, IconsStandInTwoRowsOfCellsDerivedFromTheListSizeAndNeverOverlap)
{
    const RECT client = Menu().List().GetClientRect();
    const DWORD spacing = static_cast<DWORD>(::SendMessageW(List(), LVM_GETITEMSPACING, FALSE, 0));
    EXPECT_EQ(LOWORD(spacing), client.right / 3);
    EXPECT_EQ(HIWORD(spacing), client.bottom / 2);

    for (int item = 0; item < 5; ++item) {
        const RECT bounds = ItemRect(item, LVIR_BOUNDS);
        const RECT icon = ItemRect(item, LVIR_ICON);
        SCOPED_TRACE(item);
        EXPECT_GE(icon.right - icon.left, 95);
        EXPECT_GE(icon.bottom - icon.top, 95);
        EXPECT_GE(bounds.left, client.left);
        EXPECT_GE(bounds.top, client.top);
        EXPECT_LE(bounds.right, client.right);
        EXPECT_LE(bounds.bottom, client.bottom);
        for (int other = item + 1; other < 5; ++other)
            EXPECT_FALSE(Intersect(bounds, ItemRect(other, LVIR_BOUNDS))) << "with item " << other;
    }
    // Run, Help and Config on top; About and Exit below Run and Help.
    EXPECT_EQ(ItemRect(0, LVIR_ICON).top, ItemRect(1, LVIR_ICON).top);
    EXPECT_EQ(ItemRect(0, LVIR_ICON).top, ItemRect(2, LVIR_ICON).top);
    EXPECT_LT(ItemRect(0, LVIR_ICON).left, ItemRect(1, LVIR_ICON).left);
    EXPECT_LT(ItemRect(1, LVIR_ICON).left, ItemRect(2, LVIR_ICON).left);
    EXPECT_GE(ItemRect(3, LVIR_BOUNDS).top, ItemRect(0, LVIR_BOUNDS).bottom);
    EXPECT_EQ(ItemRect(3, LVIR_ICON).top, ItemRect(4, LVIR_ICON).top);
    EXPECT_EQ(ItemRect(3, LVIR_ICON).left, ItemRect(0, LVIR_ICON).left);
    EXPECT_EQ(ItemRect(4, LVIR_ICON).left, ItemRect(1, LVIR_ICON).left);
}

TEST_F(CommandPane, EveryPointOfAnIconOrLabelHitsThatItemAndNoOther)
{
    const RECT client = Menu().List().GetClientRect();
    RECT icons[5], labels[5];
    for (int item = 0; item < 5; ++item) {
        icons[item] = ItemRect(item, LVIR_ICON);
        labels[item] = ItemRect(item, LVIR_LABEL);
    }
    int onItems = 0;
    for (int y = 0; y < client.bottom; y += 3) {
        for (int x = 0; x < client.right; x += 3) {
            const POINT point{x, y};
            int owner = -1;
            for (int item = 0; item < 5 && owner < 0; ++item) {
                if (::PtInRect(&icons[item], point) || ::PtInRect(&labels[item], point))
                    owner = item;
            }
            LVHITTESTINFO hit{};
            hit.pt = point;
            const int item = Menu().List().SubItemHitTest(&hit);
            const bool onItem = item >= 0 && (hit.flags & (LVHT_ONITEMICON | LVHT_ONITEMLABEL));
            if (owner >= 0) {
                ++onItems;
                ASSERT_TRUE(onItem) << "(" << x << "," << y << ") of item " << owner;
                ASSERT_EQ(item, owner) << "(" << x << "," << y << ")";
            } else {
                ASSERT_FALSE(onItem) << "(" << x << "," << y << ") hits item " << item;
            }
        }
    }
    EXPECT_GT(onItems, 5 * 95 * 95 / 9 / 2) << "the icons cover a good part of the pane";
}

TEST_F(CommandPane, AClickOnAboutOpensTheAboutBoxOnTopOfTheFrame)
{
    {
        test::MessageBoxWatcher watcher(IDCANCEL);
        ClickAt(List(), Centre(ItemRect(CFormViewMenu::About, LVIR_ICON)));
        const auto boxes = watcher.Boxes();
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].caption, L"About PC_Kovrin3.0");
        EXPECT_EQ(boxes[0].owner, frame->m_hWnd);
        EXPECT_EQ(boxes[0].ControlText(1017), L"Kovrin Software");
    }
    // One watcher at a time: two would race to close the box.
    test::MessageBoxWatcher byLabel(IDCANCEL);
    ClickAt(List(), Centre(ItemRect(CFormViewMenu::About, LVIR_LABEL)));
    EXPECT_EQ(byLabel.Boxes().size(), 1u) << "the label is part of the item";
}

TEST_F(CommandPane, AClickBetweenOrBesideIconsDoesNothing)
{
    test::MessageBoxWatcher watcher;
    const RECT run = ItemRect(CFormViewMenu::Run, LVIR_BOUNDS);
    const RECT help = ItemRect(CFormViewMenu::Help, LVIR_BOUNDS);
    const RECT label = ItemRect(CFormViewMenu::About, LVIR_LABEL);
    ClickAt(List(), POINT{(run.right + help.left) / 2, Centre(run).y});
    ClickAt(List(), POINT{label.left - 4, Centre(label).y});
    ClickAt(List(), POINT{2, Menu().List().GetClientRect().bottom - 2});
    EXPECT_TRUE(watcher.Boxes().empty());
    EXPECT_FALSE(Menu().IsEmulatorLaunched());
    EXPECT_TRUE(::IsWindow(frame->m_hWnd));
}

TEST_F(CommandPane, EnterOnASelectedItemDoesNothing)
{
    test::MessageBoxWatcher watcher;
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    ::SendMessageW(List(), LVM_SETITEMSTATE, CFormViewMenu::About, reinterpret_cast<LPARAM>(&state));
    ::SetFocus(List());
    // As the message loop routes keys: the form first (dialog keys), then the frame.
    MSG enter{List(), WM_KEYDOWN, VK_RETURN, 0x001C0001, 0, {}};
    if (!Menu().PreTranslateMessage(&enter) && !frame->PreTranslateMessage(&enter))
        ::DispatchMessageW(&enter);
    ::PostMessageW(List(), WM_KEYUP, VK_RETURN, static_cast<LPARAM>(0xC01C0001u));
    test::PumpMessages();
    EXPECT_TRUE(watcher.Boxes().empty());
}

TEST_F(CommandPane, TheClickActsOnTheItemUnderThePointerNotTheSelectedOne)
{
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    ::SendMessageW(List(), LVM_SETITEMSTATE, CFormViewMenu::Exit, reinterpret_cast<LPARAM>(&state));
    test::MessageBoxWatcher watcher(IDCANCEL);
    ClickAt(List(), Centre(ItemRect(CFormViewMenu::About, LVIR_ICON)));
    ASSERT_EQ(watcher.Boxes().size(), 1u);
    EXPECT_EQ(watcher.Boxes()[0].caption, L"About PC_Kovrin3.0");
}

TEST_F(CommandPane, RunWithoutTheEmulationFileSaysSoAndStartsNothing)
{
    std::error_code ignored;
    fs::remove(fs::current_path() / "PPC_ENS.dll", ignored);
    test::MessageBoxWatcher watcher;
    ClickAt(List(), Centre(ItemRect(CFormViewMenu::Run, LVIR_ICON)));
    const auto boxes = watcher.Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, L"Please make sure the file exists") << "and no box of the shell's for the manager";
    EXPECT_FALSE(Menu().IsEmulatorLaunched());
    EXPECT_FALSE(fs::exists(L"C:\\WINDOWS\\winsetup.dess"));
}

TEST_F(CommandPane, HelpWithAMissingDocumentShowsNothing)
{
    test::MessageBoxWatcher watcher;
    ClickAt(List(), Centre(ItemRect(CFormViewMenu::Help, LVIR_ICON)));
    test::PumpMessages();
    EXPECT_TRUE(watcher.Boxes().empty());
    EXPECT_TRUE(::IsWindow(frame->m_hWnd));
}

TEST_F(CommandPane, ConfigOpensTheConfigurationDialogOrWhatIsPutThere)
{
    {
        test::MessageBoxWatcher watcher(IDCANCEL);
        ClickAt(List(), Centre(ItemRect(CFormViewMenu::Config, LVIR_ICON)));
        ASSERT_EQ(watcher.Boxes().size(), 1u);
        EXPECT_EQ(watcher.Boxes()[0].caption, L"Software Config");
    }

    int opened = 0;
    Menu().SetConfigCommand([&opened] { ++opened; });
    ClickAt(List(), Centre(ItemRect(CFormViewMenu::Config, LVIR_LABEL)));
    EXPECT_EQ(opened, 1);
}

TEST_F(CommandPane, ExitAnsweredNoLeavesEverythingAsItWas)
{
    test::MessageBoxWatcher watcher(IDNO);
    ClickAt(List(), Centre(ItemRect(CFormViewMenu::Exit, LVIR_ICON)));
    const auto boxes = watcher.Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, L"PC_Kovrin3.0");
    EXPECT_EQ(boxes[0].text, L"Are you sure to exit Kovrin3.0_PC ?");
    EXPECT_TRUE(::IsWindowVisible(frame->m_hWnd));
    EXPECT_EQ(Texts().size(), 5u);
    EXPECT_FALSE(test::PumpMessages().has_value()) << "no quit on the way";
}

TEST_F(CommandPane, ExitAnsweredYesClosesTheFrameAndEndsTheMessageLoop)
{
    test::App().m_pMainWnd = frame;
    test::MessageBoxWatcher watcher(IDYES);
    ClickAt(List(), Centre(ItemRect(CFormViewMenu::Exit, LVIR_LABEL)));
    ASSERT_EQ(watcher.Boxes().size(), 1u);
    EXPECT_EQ(frame->m_hWnd, nullptr) << "the frame has closed";
    EXPECT_EQ(test::App().m_pMainWnd, nullptr);
}
