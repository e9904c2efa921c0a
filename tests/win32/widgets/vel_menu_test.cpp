// VelMenu: items, building from templates, mnemonics, re-synchronising, the environment checks.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/gdi_handles.h"
#include "widget_test_resource.h"
#include "widgets/vel_menu.h"

namespace {

MENUITEMINFOW ItemInfo(HMENU menu, UINT position)
{
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_DATA | MIIM_ID | MIIM_SUBMENU;
    ::GetMenuItemInfoW(menu, position, TRUE, &info);
    return info;
}

VelMenu& FilePopup(VelMenu& menu)
{
    auto* popup = dynamic_cast<VelMenu*>(CMenu::FromHandlePermanent(menu.GetSubMenu(0)));
    EXPECT_NE(popup, nullptr);
    return *popup;
}

int MenuFontWidth(const std::wstring& text)
{
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = 504;
    ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, 504, &metrics, 0);
    framework::UniqueFont font(::CreateFontIndirectW(&metrics.lfMenuFont));
    framework::WindowDC dc(::GetDesktopWindow());
    framework::SelectScope select(dc.get(), font.get());
    SIZE size{};
    ::GetTextExtentPoint32W(dc.get(), text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
}

}  // namespace

TEST(VelMenuItems, AppendedItemsAreAlwaysOwnerDrawnAndIdZeroIsASeparator)
{
    VelMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    ASSERT_TRUE(menu.AppendOwnerDrawnItem(MF_STRING | MF_CHECKED | MF_BYPOSITION, 0, L"ignored"));
    ASSERT_TRUE(menu.AppendOwnerDrawnItem(MF_STRING, 7, L"Plain"));

    ASSERT_EQ(menu.m_Items.size(), 2u);
    EXPECT_EQ(menu.m_Items[0]->m_nFlags, static_cast<UINT>(MF_BYPOSITION | MF_SEPARATOR | MF_OWNERDRAW));
    EXPECT_EQ(menu.m_Items[1]->m_nFlags, static_cast<UINT>(MF_STRING | MF_OWNERDRAW));
    for (UINT position = 0; position < 2; ++position) {
        const MENUITEMINFOW info = ItemInfo(menu.m_hMenu, position);
        EXPECT_TRUE(info.fType & MFT_OWNERDRAW);
        EXPECT_EQ(info.dwItemData, reinterpret_cast<ULONG_PTR>(menu.m_Items[position].get()));
    }
    EXPECT_TRUE(ItemInfo(menu.m_hMenu, 0).fType & MFT_SEPARATOR);

    // Without a menu nothing is appended, and no record is left over.
    VelMenu empty;
    EXPECT_FALSE(empty.AppendOwnerDrawnItem(MF_STRING, 8, L"lost"));
    EXPECT_TRUE(empty.m_Items.empty());
}

TEST(VelMenuItems, ATemplateGivesPlainTopItemsOverOwnerDrawnPopupsWithAlignedAccelerators)
{
    VelMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDM_TEST_FILE));
    ASSERT_EQ(menu.GetMenuItemCount(), 2);
    EXPECT_FALSE(ItemInfo(menu.m_hMenu, 0).fType & MFT_OWNERDRAW);
    EXPECT_NE(ItemInfo(menu.m_hMenu, 0).hSubMenu, nullptr);
    EXPECT_EQ(menu.GetMenuString(0, MF_BYPOSITION), L"&File");
    EXPECT_EQ(menu.GetMenuString(1, MF_BYPOSITION), L"Exit");
    EXPECT_EQ(menu.GetMenuItemID(1), 102u);

    VelMenu& file = FilePopup(menu);
    EXPECT_TRUE(VelMenu::IsKnownMenu(&file));
    ASSERT_EQ(file.m_Items.size(), 2u);
    EXPECT_TRUE(ItemInfo(file.m_hMenu, 0).fType & MFT_OWNERDRAW);
    EXPECT_TRUE(file.m_Items[1]->m_nFlags & MF_SEPARATOR);
    EXPECT_EQ(file.m_Items[1]->Text(), L"");

    const std::wstring open = file.m_Items[0]->Text();
    const size_t tab = open.find(L'\t');
    ASSERT_NE(tab, std::wstring::npos);
    EXPECT_EQ(open.substr(tab), L"\tCtrl+O");
    EXPECT_EQ(open.substr(0, 6), L"&Open ") << "padded with spaces";
    EXPECT_GE(MenuFontWidth(open.substr(0, tab)), MenuFontWidth(L"&Open "));

    // Destroying takes the pop-ups with it and can be repeated.
    const HMENU popup = file.m_hMenu;
    EXPECT_TRUE(menu.DestroyMenu());
    EXPECT_FALSE(VelMenu::IsKnownMenu(popup));
    EXPECT_FALSE(::IsMenu(popup));
    EXPECT_FALSE(menu.DestroyMenu());
    EXPECT_TRUE(menu.m_Items.empty());
    EXPECT_EQ(menu.m_bLoadedFromResource, 1);
}

TEST(VelMenuItems, MalformedTemplatesAreRefusedAndLeaveTheMenuAsItWas)
{
    VelMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDM_TEST_FILE));
    const HMENU loaded = menu.m_hMenu;
    for (UINT bad : {IDM_TEST_TRUNCATED, IDM_TEST_EXTENDED, IDM_TEST_ENDLESS, 12345}) {
        EXPECT_FALSE(menu.LoadMenu(bad)) << bad;
        EXPECT_EQ(menu.m_hMenu, loaded);
        EXPECT_EQ(menu.m_Items.size(), 2u);
    }
}

TEST(VelMenuItems, MnemonicsFindTheItemWithAmpersandAndCharacter)
{
    VelMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDM_TEST_FILE));
    VelMenu& file = FilePopup(menu);
    EXPECT_EQ(VelMenu::HandleMenuChar(L'O', MF_POPUP, &file), 0x20000);
    EXPECT_EQ(VelMenu::HandleMenuChar(L'o', MF_POPUP, &file), 0x20000);
    EXPECT_EQ(VelMenu::HandleMenuChar(L'x', MF_POPUP, &file), 0);
    EXPECT_EQ(VelMenu::HandleMenuChar(L'O', 0, &file), 0) << "not a pop-up";
    CMenu plain;
    ASSERT_TRUE(plain.CreatePopupMenu());
    plain.AppendMenu(MF_STRING, 1, L"&Open");
    EXPECT_EQ(VelMenu::HandleMenuChar(L'O', MF_POPUP, &plain), 0) << "not a VelMenu";

    ASSERT_TRUE(file.AppendOwnerDrawnItem(MF_STRING, 103, L"Save &&open"));
    ASSERT_TRUE(file.AppendOwnerDrawnItem(MF_STRING, 104, L"&Über"));
    EXPECT_EQ(VelMenu::HandleMenuChar(L'o', MF_POPUP, &file), 0x20000) << "the first match wins";
    EXPECT_EQ(VelMenu::HandleMenuChar(L'ü', MF_POPUP, &file), 0x20003) << "lowered beyond ASCII";
    file.m_Items[0]->SetText(L"Open");
    EXPECT_EQ(VelMenu::HandleMenuChar(L'o', MF_POPUP, &file), 0x20002) << "a doubled ampersand also holds &o";
}

TEST(VelMenuItems, AnItemInsertedBehindTheMenusBackIsTakenInOnTheNextMnemonic)
{
    VelMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDM_TEST_FILE));
    VelMenu& file = FilePopup(menu);
    VelMenuData* open = file.m_Items[0].get();
    ::InsertMenuW(file.m_hMenu, 0, MF_BYPOSITION | MF_STRING, 105, L"&New");

    EXPECT_EQ(VelMenu::HandleMenuChar(L'n', MF_POPUP, &file), 0x20000);
    ASSERT_EQ(file.m_Items.size(), 3u);
    EXPECT_EQ(file.m_Items[0]->Text(), L"&New");
    EXPECT_EQ(file.m_Items[0]->m_nID, 105u);
    EXPECT_EQ(file.m_Items[1].get(), open) << "the record of id 101 is reused";
    EXPECT_TRUE(file.m_Items[2]->m_nFlags & MF_SEPARATOR);
    for (UINT position = 0; position < 3; ++position) {
        const MENUITEMINFOW info = ItemInfo(file.m_hMenu, position);
        EXPECT_TRUE(info.fType & MFT_OWNERDRAW);
        EXPECT_EQ(info.dwItemData, reinterpret_cast<ULONG_PTR>(file.m_Items[position].get()));
    }

    // An item removed behind its back: its record goes at the next re-synchronisation.
    ::RemoveMenu(file.m_hMenu, 1, MF_BYPOSITION);
    EXPECT_EQ(VelMenu::HandleMenuChar(L'z', MF_POPUP, &file), 0);
    ASSERT_EQ(file.m_Items.size(), 2u);
    EXPECT_EQ(file.m_Items[0]->m_nID, 105u);
    EXPECT_TRUE(file.m_Items[1]->m_nFlags & MF_SEPARATOR);
}

TEST(VelMenuEnvironment, BlendingLightensTowardWhiteOnlyForFractionsUpToOne)
{
    EXPECT_EQ(VelMenu::BlendTowardWhite(0.6, RGB(192, 192, 192)), RGB(229, 229, 229));
    EXPECT_EQ(VelMenu::BlendTowardWhite(0.25, RGB(0, 100, 255)), RGB(63, 138, 255));
    EXPECT_EQ(VelMenu::BlendTowardWhite(0.0, RGB(10, 20, 30)), RGB(10, 20, 30));
    EXPECT_EQ(VelMenu::BlendTowardWhite(1.5, RGB(10, 20, 30)), RGB(10, 20, 30));
}

TEST(VelMenuEnvironment, TheThemeIsReadOncePerProcessAndTheVersionIsKnownBeforeMain)
{
    EXPECT_EQ(VelMenu::s_nOsVersion, VelMenu::DetectOsVersion());
    const BOOL first = VelMenu::IsClassicTheme();
    HKEY key = nullptr;
    DWORD disposition = 0;
    ASSERT_EQ(::RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Plus!\\Themes\\Current", 0, nullptr, 0,
                                KEY_ALL_ACCESS, nullptr, &key, &disposition),
              ERROR_SUCCESS);
    const framework::UniqueRegKey owned(key);
    // The user's own theme comes back afterwards.
    DWORD type = 0, size = 0;
    const bool had = ::RegQueryValueExW(key, nullptr, nullptr, &type, nullptr, &size) == ERROR_SUCCESS;
    std::vector<BYTE> old(size);
    if (had)
        ::RegQueryValueExW(key, nullptr, nullptr, &type, old.data(), &size);
    const std::wstring value = first ? L"C:\\Themes\\Luna.theme" : L"C:\\Windows\\Resources\\Windows Classic.theme";
    ::RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                     static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    EXPECT_EQ(VelMenu::IsClassicTheme(), first);
    if (had)
        ::RegSetValueExW(key, nullptr, 0, type, old.data(), size);
    else
        ::RegDeleteValueW(key, nullptr);
    if (disposition == REG_CREATED_NEW_KEY)
        ::RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Plus!\\Themes\\Current");
}
