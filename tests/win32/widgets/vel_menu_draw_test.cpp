// VelMenu: measuring and painting items in the classic and the flat style, by pixels.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "pixels.h"
#include "widget_test_resource.h"
#include "widgets/vel_menu.h"

namespace {

constexpr RECT kItem{0, 0, 200, 20};

class MenuDrawing : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(menu.CreatePopupMenu());
        ASSERT_FALSE(VelMenu::IsThemed()) << "these expectations are for an unthemed system";
    }
    void TearDown() override { VelMenu::s_nDrawStyleOverride = 0; }

    VelMenuData& Add(const wchar_t* text, UINT id = 10)
    {
        menu.AppendOwnerDrawnItem(MF_STRING, id, text);
        return *menu.m_Items.back();
    }
    void Draw(VelMenuData& record, UINT state, const test::Pixels& pixels, RECT rect = kItem)
    {
        DRAWITEMSTRUCT item{};
        item.CtlType = ODT_MENU;
        item.itemID = static_cast<UINT>(record.m_nID);
        item.itemAction = ODA_DRAWENTIRE;
        item.itemState = state;
        item.hwndItem = reinterpret_cast<HWND>(menu.m_hMenu);
        item.hDC = pixels.Dc();
        item.rcItem = rect;
        item.itemData = reinterpret_cast<ULONG_PTR>(&record);
        menu.DrawItem(&item);
    }
    MEASUREITEMSTRUCT Measure(VelMenuData& record)
    {
        MEASUREITEMSTRUCT item{ODT_MENU, 0, static_cast<UINT>(record.m_nID), 0, 0,
                               reinterpret_cast<ULONG_PTR>(&record)};
        menu.MeasureItem(&item);
        return item;
    }
    static void GiveImage(VelMenuData& record)
    {
        record.m_pImageList = std::make_unique<CImageList>();
        record.m_pImageList->Create(16, 15, ILC_COLOR32 | ILC_MASK, 1, 1);
        record.m_pImageList->Add(::LoadIconW(nullptr, IDI_APPLICATION));
        record.m_nImage = 0;
        record.m_nImageOffset = 0;
    }

    VelMenu menu;
    test::Pixels pixels{200, 20};
};

COLORREF Sys(int index)
{
    return ::GetSysColor(index);
}

const RECT kTextArea{25, 0, 200, 20};

int TextWidth(const std::wstring& text)
{
    // Measured as the menu measures: with the menu font only on versions above code 1.
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = 504;
    ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, 504, &metrics, 0);
    framework::UniqueFont font(::CreateFontIndirectW(&metrics.lfMenuFont));
    framework::WindowDC dc(::GetDesktopWindow());
    framework::SelectScope select(dc.get(), VelMenu::s_nOsVersion > 1 ? font.get() : nullptr);
    SIZE size{};
    ::GetTextExtentPoint32W(dc.get(), text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
}

}  // namespace

TEST_F(MenuDrawing, MeasuresSeparatorsAndTextsForEitherStyle)
{
    VelMenuData& text = Add(L"Open\tCtrl+O");
    menu.AppendOwnerDrawnItem(0, 0, nullptr);
    VelMenuData& separator = *menu.m_Items.back();
    const int menuHeight = ::GetSystemMetrics(SM_CYMENU);

    MEASUREITEMSTRUCT classic = Measure(text);
    EXPECT_EQ(static_cast<int>(classic.itemWidth), TextWidth(L"Open\tCtrl+O") + 33);
    EXPECT_EQ(static_cast<int>(classic.itemHeight), std::max(19, menuHeight));
    MEASUREITEMSTRUCT line = Measure(separator);
    EXPECT_EQ(line.itemWidth, 0u);
    EXPECT_EQ(static_cast<int>(line.itemHeight), std::max(9, menuHeight / 2));

    VelMenu::s_nDrawStyleOverride = 1;
    MEASUREITEMSTRUCT flat = Measure(text);
    EXPECT_EQ(static_cast<int>(flat.itemWidth), TextWidth(L"Open\tCtrl+O") + 31);
    EXPECT_EQ(static_cast<int>(flat.itemHeight), std::max(22, menuHeight));
    EXPECT_EQ(static_cast<int>(Measure(separator).itemHeight), std::max(11, menuHeight / 2));
}

TEST_F(MenuDrawing, ClassicItemsOnTheMenuColourOrTheHighlight)
{
    VelMenuData& item = Add(L"Item");
    Draw(item, 0, pixels);
    EXPECT_EQ(pixels.At(190, 10), Sys(COLOR_MENU));
    EXPECT_GT(pixels.Count(kTextArea, Sys(COLOR_MENUTEXT)), 10);

    Draw(item, ODS_SELECTED, pixels);
    EXPECT_EQ(pixels.At(2, 10), Sys(COLOR_HIGHLIGHT));
    EXPECT_GT(pixels.Count(kTextArea, Sys(COLOR_HIGHLIGHTTEXT)), 10);

    // Disabled and selected: on the highlight, the text in the menu colour.
    Draw(item, ODS_SELECTED | ODS_GRAYED, pixels);
    EXPECT_EQ(pixels.At(190, 10), Sys(COLOR_HIGHLIGHT));
    EXPECT_GT(pixels.Count(kTextArea, Sys(COLOR_MENU)), 10);
}

TEST_F(MenuDrawing, FlatItemsHaveAColumnAndADisabledOneIsNeverSelected)
{
    VelMenu::s_nDrawStyleOverride = 1;
    VelMenuData& item = Add(L"Item");
    const COLORREF column = VelMenu::BlendTowardWhite(0.25, Sys(COLOR_BTNFACE));
    const COLORREF select = VelMenu::BlendTowardWhite(0.85, Sys(COLOR_HIGHLIGHT));

    Draw(item, 0, pixels);
    EXPECT_EQ(pixels.At(5, 10), column);
    EXPECT_EQ(pixels.At(190, 10), Sys(COLOR_WINDOW));
    EXPECT_GT(pixels.Count(kTextArea, Sys(COLOR_MENUTEXT)), 10);

    Draw(item, ODS_SELECTED, pixels);
    EXPECT_EQ(pixels.At(190, 10), select);
    EXPECT_EQ(pixels.At(199, 10), Sys(COLOR_HIGHLIGHT)) << "framed";
    EXPECT_GT(pixels.Count(kTextArea, Sys(COLOR_MENUTEXT)), 10);

    pixels.Fill(RGB(1, 2, 3));
    Draw(item, ODS_SELECTED | ODS_GRAYED, pixels);
    EXPECT_EQ(pixels.At(5, 10), column);
    EXPECT_EQ(pixels.At(190, 10), Sys(COLOR_WINDOW));
    EXPECT_EQ(pixels.Count(kItem, select), 0);
    EXPECT_GT(pixels.Count(kTextArea, VelMenu::BlendTowardWhite(0.4, Sys(COLOR_GRAYTEXT))), 10);
}

TEST_F(MenuDrawing, ACheckedItemGetsATickOrWithACheckedBitmapABullet)
{
    VelMenuData& tick = Add(L"Tick", 11);
    VelMenuData& radio = Add(L"Radio", 12);
    framework::UniqueBitmap checkedBitmap(::CreateBitmap(1, 1, 1, 1, nullptr));
    ::SetMenuItemBitmaps(menu.m_hMenu, 12, MF_BYCOMMAND, nullptr, checkedBitmap.get());
    const COLORREF mark = Sys(COLOR_MENUTEXT);

    // The check box sits at (1, 2); the tick's seven strokes start at (5, 6).
    Draw(tick, ODS_CHECKED, pixels);
    for (int y : {8, 9, 10})
        EXPECT_EQ(pixels.At(5, y), mark) << "first stroke, y " << y;
    for (int y : {6, 7, 8})
        EXPECT_EQ(pixels.At(11, y), mark) << "last stroke, y " << y;
    EXPECT_NE(pixels.At(11, 9), mark);

    Draw(radio, ODS_CHECKED, pixels);
    EXPECT_EQ(pixels.At(8, 8), mark) << "the bullet's middle";
    EXPECT_NE(pixels.At(5, 9), mark) << "no tick";
    EXPECT_NE(pixels.At(12, 8), mark) << "six pixels wide";
}

TEST_F(MenuDrawing, AcceleratorTextsEndAnIconWidthBeforeTheEdge)
{
    VelMenuData& item = Add(L"Open\tCtrl+O");
    Draw(item, 0, pixels);
    const COLORREF text = Sys(COLOR_MENUTEXT);
    EXPECT_EQ(pixels.Count(RECT{184, 0, 200, 20}, text), 0);
    EXPECT_GT(pixels.Count(RECT{140, 0, 184, 20}, text), 10) << "the right part, right-aligned";
    EXPECT_GT(pixels.Count(RECT{25, 0, 60, 20}, text), 10) << "the left part, left-aligned";

    // Of three parts only the first and the last are drawn.
    VelMenuData& three = Add(L"A\tB\tC", 13);
    VelMenuData& two = Add(L"A\tC", 14);
    test::Pixels other(200, 20);
    Draw(three, 0, pixels);
    Draw(two, 0, other);
    EXPECT_TRUE(pixels.SameAs(other));

    // An empty text: the background and the column only.
    VelMenu::s_nDrawStyleOverride = 1;
    VelMenuData& empty = Add(L"", 15);
    Draw(empty, 0, pixels);
    EXPECT_EQ(pixels.Count(kItem, text), 0);
    EXPECT_EQ(pixels.At(5, 10), VelMenu::BlendTowardWhite(0.25, Sys(COLOR_BTNFACE)));
}

TEST_F(MenuDrawing, NoGdiObjectLeaksFromMeasuringDrawingOrLoading)
{
    VelMenuData& text = Add(L"Open\tCtrl+O");
    VelMenuData& checked = Add(L"Radio", 12);
    VelMenuData& image = Add(L"Image", 13);
    GiveImage(image);
    menu.AppendOwnerDrawnItem(0, 0, nullptr);
    VelMenuData& separator = *menu.m_Items.back();
    framework::UniqueBitmap checkedBitmap(::CreateBitmap(1, 1, 1, 1, nullptr));
    ::SetMenuItemBitmaps(menu.m_hMenu, 12, MF_BYCOMMAND, nullptr, checkedBitmap.get());

    int round = 0;
    EXPECT_EQ(test::FreeGdiHandlesAfterRounds([&] {
        VelMenu::s_nDrawStyleOverride = round++ % 2;
        for (VelMenuData* record : {&text, &checked, &image, &separator}) {
            Measure(*record);
            for (UINT state : {0u, UINT{ODS_SELECTED | ODS_CHECKED}, UINT{ODS_GRAYED}})
                Draw(*record, state, pixels);
        }
        menu.m_nDisabledStyle = round % 3 == 0;
        VelMenu loaded;
        loaded.LoadMenu(IDM_TEST_FILE);
    }),
              test::kFreeGdiHandles);
}

TEST_F(MenuDrawing, DrawingLeavesTheCallersDcAsItFoundIt)
{
    VelMenuData& text = Add(L"Open\tCtrl+O");
    VelMenuData& image = Add(L"Image", 13);
    GiveImage(image);
    framework::UniqueFont font(::CreateFontW(-11, 0, 0, 0, FW_BOLD, 0, 0, 0, 0, 0, 0, 0, 0, L"Arial"));
    framework::SelectScope select(pixels.Dc(), font.get());
    ::SetTextColor(pixels.Dc(), RGB(4, 5, 6));
    ::SetBkMode(pixels.Dc(), OPAQUE);
    const test::DcState before = test::ReadDcState(pixels.Dc());
    for (int style : {0, 1}) {
        VelMenu::s_nDrawStyleOverride = style;
        for (VelMenuData* record : {&text, &image}) {
            for (UINT state : {0u, UINT{ODS_SELECTED | ODS_CHECKED}, UINT{ODS_GRAYED}}) {
                Draw(*record, state, pixels);
                EXPECT_TRUE(test::ReadDcState(pixels.Dc()) == before) << style << " " << state;
            }
        }
    }
}
