// Painted texts in a face the system may lack: the font chosen must still have the glyphs.
#include <gtest/gtest.h>

#include <string>

#include "framework/font_fallback.h"

namespace {

LOGFONTW Wanted(const wchar_t* face)
{
    LOGFONTW font{};
    font.lfHeight = 12;
    font.lfWeight = FW_BOLD;
    wcscpy_s(font.lfFaceName, face);
    return font;
}

class FontFallback : public ::testing::Test {
protected:
    void TearDown() override { ::DeleteDC(dc); }
    LOGFONTW Chosen(const LOGFONTW& wanted, const std::wstring& text)
    {
        framework::UniqueFont font = framework::CreateFontForText(dc, wanted, text);
        EXPECT_TRUE(framework::FontCoversText(dc, font.get(), text));
        LOGFONTW chosen{};
        ::GetObjectW(font.get(), sizeof chosen, &chosen);
        return chosen;
    }
    HDC dc = ::CreateCompatibleDC(nullptr);
};

}  // namespace

TEST_F(FontFallback, ALatinFaceIsToldFromOneWithChineseGlyphs)
{
    const LOGFONTW tahoma = Wanted(L"Tahoma");
    framework::UniqueFont latin(::CreateFontIndirectW(&tahoma));
    EXPECT_TRUE(framework::FontCoversText(dc, latin.get(), L"Kovrin Software"));
    EXPECT_FALSE(framework::FontCoversText(dc, latin.get(), L"科夫林软件有限公司"));
    EXPECT_TRUE(framework::FontCoversText(dc, latin.get(), L"\r\n")) << "control characters are not asked for";
}

TEST_F(FontFallback, AMissingFaceForChineseTextGivesWayToOneThatHasTheGlyphs)
{
    const LOGFONTW chosen = Chosen(Wanted(L"Kovrin No Such Face"), L"科夫林软件有限公司");
    EXPECT_NE(std::wstring(chosen.lfFaceName), L"Kovrin No Such Face");
    EXPECT_EQ(chosen.lfHeight, 12) << "same size";
    EXPECT_EQ(chosen.lfWeight, FW_BOLD) << "same weight";
}

TEST_F(FontFallback, AFaceThatCoversTheTextIsKeptAsAskedFor)
{
    EXPECT_EQ(std::wstring(Chosen(Wanted(L"Kovrin No Such Face"), L"Kovrin Software").lfFaceName),
              L"Kovrin No Such Face")
        << "the system's substitute has Latin glyphs";
    EXPECT_EQ(std::wstring(Chosen(Wanted(L"Tahoma"), L"Kovrin").lfFaceName), L"Tahoma");
}
