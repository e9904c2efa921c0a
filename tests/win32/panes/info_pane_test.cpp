// The info strip: its publisher line, where and how it is painted, and that it follows the language.
#include <gtest/gtest.h>

#include <filesystem>
#include <algorithm>
#include <fstream>
#include <vector>

#include "../widgets/pixels.h"
#include "framework/font_fallback.h"
#include "framework/gdi_handles.h"
#include "pane_fixture.h"
#include "resource.h"
#include "test_support.h"
#include "text/program_paths.h"

namespace {

namespace fs = std::filesystem;

class InfoPane : public test::PaneFixture {};

bool IsWhite(COLORREF color)
{
    return GetRValue(color) > 0xF0 && GetGValue(color) > 0xF0 && GetBValue(color) > 0xF0;
}

// The pane's picture, drawn into a bitmap of its size.
void Paint(CFormViewInfo& pane, const test::Pixels& pixels)
{
    pane.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(pixels.Dc()), PRF_CLIENT);
}

COLORREF StripPixel(int x, int y)
{
    framework::UniqueBitmap strip(static_cast<HBITMAP>(
        ::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_INFO_STRIP), IMAGE_BITMAP, 0, 0,
                     LR_CREATEDIBSECTION)));
    HDC dc = ::CreateCompatibleDC(nullptr);
    HGDIOBJ old = ::SelectObject(dc, strip.get());
    const COLORREF pixel = ::GetPixel(dc, x, y);
    ::SelectObject(dc, old);
    ::DeleteDC(dc);
    return pixel;
}

}  // namespace

TEST_F(InfoPane, ShowsThePublisherLineOfTheCurrentLanguageAndFollowsAChange)
{
    EXPECT_EQ(Info().PublisherLine(), L"Kovrin Software");
    EXPECT_FALSE(::IsWindowVisible(Info().GetDlgItem(IDC_LIST_INFO))) << "the list box only marks the place";
    SwitchLanguage(u"中文");
    EXPECT_EQ(Info().PublisherLine(), L"科夫林软件有限公司");
    SwitchLanguage(u"English");
    EXPECT_EQ(Info().PublisherLine(), L"Kovrin Software");
}

TEST_F(InfoPane, TheLineSitsInTheListBoxRectangleWidenedByOnePixelPerCharacter)
{
    RECT marker{};
    ::GetWindowRect(Info().GetDlgItem(IDC_LIST_INFO), &marker);
    ::MapWindowPoints(nullptr, Info().m_hWnd, reinterpret_cast<POINT*>(&marker), 2);
    const RECT line = Info().PublisherRect();
    EXPECT_EQ(line.left, marker.left);
    EXPECT_EQ(line.top, marker.top);
    EXPECT_EQ(line.bottom, marker.bottom);
    EXPECT_EQ(line.right, marker.right + static_cast<LONG>(Info().PublisherLine().size()));
}

TEST_F(InfoPane, PaintsTheStripAndTheLineInWhiteInsideItsRectangleOnly)
{
    const RECT client = Info().GetClientRect();
    test::Pixels pixels(client.right, client.bottom);
    // The DC is the caller's: the painting gives it back as it was.
    ::SetBkMode(pixels.Dc(), OPAQUE);
    ::SetTextColor(pixels.Dc(), RGB(1, 2, 3));
    const HGDIOBJ font = ::GetCurrentObject(pixels.Dc(), OBJ_FONT);
    const HGDIOBJ brush = ::GetCurrentObject(pixels.Dc(), OBJ_BRUSH);
    Paint(Info(), pixels);
    EXPECT_EQ(::GetBkMode(pixels.Dc()), OPAQUE);
    EXPECT_EQ(::GetTextColor(pixels.Dc()), RGB(1, 2, 3));
    EXPECT_EQ(::GetCurrentObject(pixels.Dc(), OBJ_FONT), font);
    EXPECT_EQ(::GetCurrentObject(pixels.Dc(), OBJ_BRUSH), brush);
    EXPECT_EQ(pixels.At(3, 12), StripPixel(3, 12)) << "the strip's own pixels, from the top left";
    EXPECT_EQ(pixels.At(200, 0), StripPixel(200, 0));
    EXPECT_GT(GetBValue(pixels.At(100, 12)), GetRValue(pixels.At(100, 12))) << "blue";

    const RECT line = Info().PublisherRect();
    int white = 0;
    for (int y = 0; y < pixels.Height(); ++y) {
        for (int x = 0; x < pixels.Width(); ++x) {
            if (!IsWhite(pixels.At(x, y)))
                continue;
            ++white;
            ASSERT_TRUE(::PtInRect(&line, POINT{x, y})) << "white outside the line at (" << x << "," << y << ")";
        }
    }
    EXPECT_GT(white, 40) << "the line is drawn";
}

TEST_F(InfoPane, ALineWiderThanItsRectangleIsCutAtTheRight)
{
    const fs::path file = fs::current_path() / "Language" / "wide_publisher.ini";
    {
        std::ofstream out(file, std::ios::binary);
        out << "[Setting]\r\nLanguage=Wide\r\n[String]\r\nIDS_PCKovrin_CompanyName="
            << "A publisher whose name goes on and on far beyond the strip\r\n";
    }
    SwitchLanguage(u"Wide");
    const RECT client = Info().GetClientRect();
    test::Pixels pixels(client.right, client.bottom);
    Paint(Info(), pixels);
    // The rectangle reaches past the pane, so the pane's edge is the cut.
    const RECT line = Info().PublisherRect();
    const int cut = std::min<int>(line.right, pixels.Width());
    bool reachesTheEdge = false;
    for (int y = 0; y < pixels.Height(); ++y) {
        for (int x = cut; x < pixels.Width(); ++x)
            EXPECT_FALSE(IsWhite(pixels.At(x, y))) << "(" << x << "," << y << ")";
        for (int x = cut - 8; x < cut; ++x)
            reachesTheEdge = reachesTheEdge || IsWhite(pixels.At(x, y));
    }
    EXPECT_TRUE(reachesTheEdge) << "one line, running up to the cut";
    SwitchLanguage(u"English");
    fs::remove(file);
}

TEST_F(InfoPane, TheBuiltinLinesAreBoldTwelvePixelsWithEveryGlyphAndFitTheStrip)
{
    HDC dc = ::GetDC(Info().m_hWnd);
    for (const char16_t* language : {u"English", u"中文"}) {
        SwitchLanguage(language);
        const LOGFONTW font = Info().PublisherFont(dc);
        SCOPED_TRACE(::testing::Message() << "face " << std::string(font.lfFaceName, font.lfFaceName + wcslen(font.lfFaceName)));
        EXPECT_EQ(font.lfHeight, 12);
        EXPECT_EQ(font.lfWeight, FW_BOLD);
        framework::UniqueFont made(::CreateFontIndirectW(&font));
        EXPECT_TRUE(framework::FontCoversText(dc, made.get(), Info().PublisherLine()));
        // The built-in names are chosen to fit the strip whole.
        HGDIOBJ previous = ::SelectObject(dc, made.get());
        SIZE extent{};
        ::GetTextExtentPoint32W(dc, Info().PublisherLine().c_str(), static_cast<int>(Info().PublisherLine().size()),
                                &extent);
        ::SelectObject(dc, previous);
        EXPECT_LE(Info().PublisherRect().left + extent.cx, Info().GetClientRect().right);
    }
    ::ReleaseDC(Info().m_hWnd, dc);
    SwitchLanguage(u"English");
}
