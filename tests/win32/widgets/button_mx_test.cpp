// CButtonMx: the gray copy, faces and borders by pixels, hover, focus, clicks, styles, the
// transparent face, and no leaked handles.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "framework/data_exchange.h"
#include "framework/form_view.h"
#include "framework/gdi_draw.h"
#include "pixels.h"
#include "test_support.h"
#include "widget_test_resource.h"
#include "widgets/button_mx.h"

namespace {

constexpr COLORREF kParentColor = RGB(30, 60, 160);

// Tells which owner-drawn menu items it measured and drew for its drop-down.
class WatchedButton : public CButtonMx {
public:
    std::vector<ULONG_PTR> measured;
    std::vector<ULONG_PTR> drawn;

protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override
    {
        const LRESULT result = CButtonMx::WindowProc(msg, wParam, lParam);
        const auto* measure = reinterpret_cast<const MEASUREITEMSTRUCT*>(lParam);
        if (msg == WM_MEASUREITEM && measure->CtlType == ODT_MENU && result && measure->itemHeight > 0)
            measured.push_back(measure->itemData);
        const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (msg == WM_DRAWITEM && draw->CtlType == ODT_MENU && result)
            drawn.push_back(draw->itemData);
        return result;
    }
};

// A form holding three buttons, two of them CButtonMx, that paints itself in one colour.
class ButtonForm : public CFormView {
public:
    ButtonForm() : CFormView(IDD_TEST_BUTTONS) {}
    WatchedButton flat;
    CButtonMx check;
    std::vector<UINT> clicks;
    COLORREF color = kParentColor;

protected:
    void DoDataExchange(CDataExchange* dx) override
    {
        DDX_Control(dx, IDC_TEST_FLAT, flat);
        DDX_Control(dx, IDC_TEST_CHECK, check);
    }
    void OnDraw(HDC dc) override { framework::FillSolidRect(dc, GetClientRect(), color); }
    bool OnCommand(UINT id, UINT code, HWND) override
    {
        if (code == BN_CLICKED)
            clicks.push_back(id);
        return true;
    }
};

class Buttons : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(host.CreateHost(400, 200));
        ASSERT_TRUE(form.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, RECT{0, 0, 400, 200}, &host, 1));
        form.OnInitialUpdate();
        host.ShowWindow(SW_SHOW);
        ::SetForegroundWindow(host.m_hWnd);
        test::PumpMessages();
    }
    // Paints the button as the system asks it to, into pixels of its size.
    void Paint(CButtonMx& button, UINT state, const test::Pixels& pixels)
    {
        DRAWITEMSTRUCT item{};
        item.CtlType = ODT_BUTTON;
        item.hwndItem = button.m_hWnd;
        item.itemState = state;
        item.hDC = pixels.Dc();
        item.rcItem = button.GetClientRect();
        button.DrawItem(&item);
    }
    static test::Pixels For(const CButtonMx& button)
    {
        const RECT client = button.GetClientRect();
        return test::Pixels(client.right, client.bottom);
    }

    test::HostWindow host;
    ButtonForm form;
};

// A 4 x 4 icon with 32-bit pixels (alpha included) and an all-opaque mask.
HICON MakeIcon(const std::vector<DWORD>& argb)
{
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), 4, -4, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    framework::UniqueBitmap color(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    std::copy(argb.begin(), argb.end(), static_cast<DWORD*>(bits));
    const WORD maskBits[4] = {};
    framework::UniqueBitmap mask(::CreateBitmap(4, 4, 1, 1, maskBits));
    ICONINFO icon{TRUE, 2, 2, mask.get(), color.get()};
    return ::CreateIconIndirect(&icon);
}

std::vector<DWORD> IconPixels(HICON icon)
{
    ICONINFO info{};
    ::GetIconInfo(icon, &info);
    framework::UniqueBitmap color(info.hbmColor), mask(info.hbmMask);
    BITMAPINFO format{};
    format.bmiHeader = {sizeof(BITMAPINFOHEADER), 4, -4, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<DWORD> pixels(16);
    framework::WindowDC dc(nullptr);
    ::GetDIBits(dc.get(), color.get(), 0, 4, pixels.data(), &format, DIB_RGB_COLORS);
    return pixels;
}

}  // namespace

TEST_F(Buttons, TheGrayCopyFollowsTheLuminanceRuleAndKeepsAlpha)
{
    const std::vector<DWORD> colours = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFF00, 0xFFFFFFFF, 0xFF808080,
                                        0xFF000000, 0x80FF0000, 0xFF102030, 0, 0, 0, 0, 0, 0, 0};
    ASSERT_EQ(form.flat.SetStateIcons(MakeIcon(colours), AUTO_GRAY_ICON), 0u);
    ASSERT_TRUE(form.flat.m_icons[1].icon);
    EXPECT_EQ(form.flat.m_icons[1].width, 4);
    const std::vector<DWORD> gray = IconPixels(form.flat.m_icons[1].icon.get());
    const std::vector<DWORD> expected = {0xFF4C4C4C, 0xFF959595, 0xFF1D1D1D, 0xFFE1E1E1, 0xFFFFFFFF, 0xFF7F7F7F,
                                         0xFF000000, 0x804C4C4C};
    for (size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(gray[i], expected[i]) << "pixel " << i;
    EXPECT_EQ(IconPixels(form.flat.m_icons[0].icon.get())[0], 0xFFFF0000u) << "the colour icon is kept";

    // No active icon: both slots empty, and that is no failure.
    EXPECT_EQ(form.flat.SetStateIcons(nullptr, AUTO_GRAY_ICON), 0u);
    EXPECT_FALSE(form.flat.m_icons[0].icon);
    EXPECT_FALSE(form.flat.m_icons[1].icon);
}

TEST_F(Buttons, AFlatFaceIsPlainWhenIdleRaisedWhenHoveredSunkenWhenPressed)
{
    CButtonMx& button = form.flat;
    button.m_colors[0] = RGB(200, 20, 20);
    button.m_colors[2] = RGB(20, 200, 20);
    test::Pixels pixels = For(button);
    const int right = pixels.Width() - 1, bottom = pixels.Height() - 1;
    const COLORREF light = ::GetSysColor(COLOR_BTNHIGHLIGHT), shadow = ::GetSysColor(COLOR_BTNSHADOW);

    Paint(button, 0, pixels);
    EXPECT_EQ(pixels.At(0, 0), button.m_colors[2]) << "no frame";
    EXPECT_EQ(pixels.At(right, bottom), button.m_colors[2]);

    button.m_bHover = TRUE;
    Paint(button, 0, pixels);
    EXPECT_EQ(pixels.At(5, 5), button.m_colors[0]);
    EXPECT_EQ(pixels.At(0, 5), light);
    EXPECT_EQ(pixels.At(right, 5), shadow);

    Paint(button, ODS_SELECTED, pixels);
    EXPECT_EQ(pixels.At(0, 5), shadow);
    EXPECT_EQ(pixels.At(right, 5), light);
}

TEST_F(Buttons, PressingMovesTheIconAndTheCaptionOnePixel)
{
    CButtonMx& button = form.flat;
    button.SetStateIcons(MakeIcon(std::vector<DWORD>(16, 0xFFFF00FF)), nullptr);
    button.m_bHover = TRUE;
    test::Pixels idle = For(button), pressed = For(button);
    Paint(button, 0, idle);
    Paint(button, ODS_SELECTED, pressed);
    auto firstOf = [](const test::Pixels& pixels, COLORREF color) {
        for (int y = 0; y < pixels.Height(); ++y)
            for (int x = 0; x < pixels.Width(); ++x)
                if (pixels.At(x, y) == color)
                    return POINT{x, y};
        return POINT{-1, -1};
    };
    const POINT icon = firstOf(idle, RGB(255, 0, 255)), moved = firstOf(pressed, RGB(255, 0, 255));
    ASSERT_GE(icon.x, 0);
    EXPECT_EQ(moved.x, icon.x + 1);
    EXPECT_EQ(moved.y, icon.y + 1);
    const COLORREF text = button.m_colors[1];
    const POINT caption = firstOf(idle, text), movedCaption = firstOf(pressed, text);
    ASSERT_GE(caption.x, 0);
    EXPECT_EQ(movedCaption.x, caption.x + 1);
    EXPECT_EQ(movedCaption.y, caption.y + 1);
}

TEST_F(Buttons, HoverLightsOnlyWhenTheMouseComesWithoutTheButtonHeld)
{
    CButtonMx& button = form.flat;
    const LPARAM inside = MAKELPARAM(10, 10);
    button.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, inside);
    EXPECT_FALSE(button.m_bHover) << "dragged in from elsewhere";
    button.SendMessage(WM_MOUSEMOVE, 0, inside);
    EXPECT_TRUE(button.m_bHover);
    button.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(12, 11));
    EXPECT_TRUE(button.m_bHover) << "held and moved about on it";
    button.SendMessage(WM_MOUSELEAVE);
    EXPECT_FALSE(button.m_bHover);
}

TEST_F(Buttons, DisablingMovesTheFocusOnAndDoubleClicksAreTwoPresses)
{
    ::SetFocus(form.check.m_hWnd);
    ::EnableWindow(form.flat.m_hWnd, FALSE);
    EXPECT_EQ(::GetFocus(), form.GetDlgItem(IDC_TEST_NEXT)) << "even though it did not have the focus";
    ::EnableWindow(form.flat.m_hWnd, TRUE);

    const LPARAM at = MAKELPARAM(5, 5);
    for (UINT msg : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
        ::PostMessageW(form.flat.m_hWnd, msg, msg == WM_LBUTTONUP ? 0 : MK_LBUTTON, at);
    test::PumpMessages();
    EXPECT_EQ(form.clicks, (std::vector<UINT>{IDC_TEST_FLAT, IDC_TEST_FLAT}));
}

TEST_F(Buttons, StylesStayOwnerDrawnAndTheDefaultButtonSaysSo)
{
    EXPECT_EQ(form.flat.GetStyle() & 0x1F, static_cast<DWORD>(BS_OWNERDRAW));
    EXPECT_TRUE(form.check.m_bCheckMode);
    form.flat.SendMessage(BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    EXPECT_EQ(form.flat.GetStyle() & 0x1F, static_cast<DWORD>(BS_OWNERDRAW));
    EXPECT_TRUE(form.flat.SendMessage(WM_GETDLGCODE) & DLGC_DEFPUSHBUTTON);
    EXPECT_FALSE(form.flat.SendMessage(WM_GETDLGCODE) & DLGC_UNDEFPUSHBUTTON);

    form.flat.m_bFlat = FALSE;
    test::Pixels pixels = For(form.flat);
    Paint(form.flat, 0, pixels);
    EXPECT_EQ(pixels.At(0, 0), RGB(0, 0, 0)) << "the default frame";
    EXPECT_EQ(pixels.At(1, 1), ::GetSysColor(COLOR_BTNHIGHLIGHT)) << "inside it the raised frame";

    form.flat.SendMessage(BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
    EXPECT_TRUE(form.flat.SendMessage(WM_GETDLGCODE) & DLGC_UNDEFPUSHBUTTON);
}

TEST_F(Buttons, ATransparentFaceShowsTheParentsPaintingUntilColoursChange)
{
    CButtonMx& button = form.flat;
    ::SetWindowTextW(button.m_hWnd, L"");
    const COLORREF colors[6] = {button.m_colors[0], button.m_colors[1], button.m_colors[2],
                                button.m_colors[3], button.m_colors[4], button.m_colors[5]};
    button.EnableTransparentBackground();
    test::Pixels pixels = For(button);
    Paint(button, 0, pixels);
    EXPECT_EQ(pixels.At(3, 3), kParentColor);

    form.color = RGB(200, 100, 0);
    Paint(button, 0, pixels);
    EXPECT_EQ(pixels.At(3, 3), kParentColor) << "the snapshot is kept";
    button.SendMessage(WM_SYSCOLORCHANGE);
    Paint(button, 0, pixels);
    EXPECT_EQ(pixels.At(3, 3), RGB(200, 100, 0)) << "a new snapshot";
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(button.m_colors[i], colors[i]);
}

TEST_F(Buttons, PaintsHoversAndIconChangesLeakNoHandles)
{
    CButtonMx& button = form.flat;
    button.EnableTransparentBackground();
    test::Pixels pixels = For(button);
    auto round = [&] {
        button.SetStateIcons(MakeIcon(std::vector<DWORD>(16, 0xFF3080C0)), AUTO_GRAY_ICON);
        for (BOOL hover : {FALSE, TRUE}) {
            button.m_bHover = hover;
            Paint(button, hover ? ODS_SELECTED : 0, pixels);
        }
        button.SendMessage(WM_SYSCOLORCHANGE);
    };
    EXPECT_EQ(test::FreeGdiHandlesAfterRounds(round), test::kFreeGdiHandles);
    EXPECT_EQ(test::FreeUserHandlesAfterRounds(round), test::kFreeGdiHandles);
}

TEST_F(Buttons, IconsThatCannotBeShownAreFreedAllTheSame)
{
    // Without an active icon, or with one that cannot be read, the idle icon is freed too.
    EXPECT_EQ(test::FreeUserHandlesAfterRounds([&] {
        form.flat.SetStateIcons(nullptr, MakeIcon(std::vector<DWORD>(16, 0xFF00FF00)));
        HICON idle = MakeIcon(std::vector<DWORD>(16, 0xFF00FF00));
        HICON gone = MakeIcon(std::vector<DWORD>(16, 0xFF0000FF));
        ::DestroyIcon(gone);
        EXPECT_EQ(form.flat.SetStateIcons(gone, idle), 1u);
    }),
              test::kFreeGdiHandles);
    EXPECT_FALSE(form.flat.m_icons[0].icon);
}

TEST_F(Buttons, PaintingShowsTheGrayIdleAndTheColourHoveredIconAndLeavesTheCallersDcAsItFoundIt)
{
    CButtonMx& button = form.flat;
    const std::wstring caption = button.GetWindowText();
    ::SetWindowTextW(button.m_hWnd, L"");  // only the icon's pixels to count
    ASSERT_EQ(button.SetStateIcons(MakeIcon(std::vector<DWORD>(16, 0xFFFF0000)), AUTO_GRAY_ICON), 0u);
    test::Pixels idle = For(button), hovered = For(button);
    Paint(button, 0, idle);
    button.m_bHover = TRUE;
    Paint(button, 0, hovered);
    button.m_bHover = FALSE;
    const RECT all{0, 0, idle.Width(), idle.Height()};
    EXPECT_EQ(idle.Count(all, RGB(76, 76, 76)), 16);
    EXPECT_EQ(idle.Count(all, RGB(255, 0, 0)), 0);
    EXPECT_EQ(hovered.Count(all, RGB(255, 0, 0)), 16);
    EXPECT_EQ(hovered.Count(all, RGB(76, 76, 76)), 0);

    ::SetWindowTextW(button.m_hWnd, caption.c_str());  // the caption's drawing too
    test::Pixels pixels = For(button);
    framework::UniqueFont font(::CreateFontW(-11, 0, 0, 0, FW_BOLD, 0, 0, 0, 0, 0, 0, 0, 0, L"Arial"));
    framework::UniquePen pen(::CreatePen(PS_DOT, 1, RGB(1, 2, 3)));
    framework::SelectScope selectFont(pixels.Dc(), font.get()), selectPen(pixels.Dc(), pen.get());
    ::SetTextColor(pixels.Dc(), RGB(4, 5, 6));
    ::SetBkMode(pixels.Dc(), OPAQUE);
    const test::DcState before = test::ReadDcState(pixels.Dc());
    for (BOOL flat : {TRUE, FALSE}) {
        button.m_bFlat = flat;
        button.m_bTransparent = flat;
        for (UINT state : {0u, UINT{ODS_SELECTED | ODS_FOCUS}, UINT{ODS_DISABLED}}) {
            Paint(button, state, pixels);
            EXPECT_TRUE(test::ReadDcState(pixels.Dc()) == before) << flat << " " << state;
        }
    }
}

TEST_F(Buttons, ALoadedDropDownMeasuresAndDrawsEveryItem)
{
    WatchedButton& button = form.flat;
    ASSERT_TRUE(button.m_popupMenu.LoadMenu(IDM_TEST_FILE));
    const auto* file = dynamic_cast<VelMenu*>(CMenu::FromHandlePermanent(button.m_popupMenu.GetSubMenu(0)));
    ASSERT_NE(file, nullptr);
    ::SetTimer(host.m_hWnd, 1, 300, [](HWND, UINT, UINT_PTR, DWORD) { ::EndMenu(); });
    button.SendMessage(BM_CLICK);
    ::KillTimer(host.m_hWnd, 1);
    for (const auto& record : file->m_Items) {
        const auto data = reinterpret_cast<ULONG_PTR>(record.get());
        EXPECT_EQ(std::count(button.measured.begin(), button.measured.end(), data), 1);
        EXPECT_NE(std::find(button.drawn.begin(), button.drawn.end(), data), button.drawn.end());
    }
}
