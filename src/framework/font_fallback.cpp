#include "framework/font_fallback.h"

#include <cwchar>
#include <vector>

namespace framework {
namespace {

// Faces with Chinese glyphs, in the order they are tried: those of Windows first (present on
// Chinese systems, and on others with the supplemental fonts), then common free ones.
constexpr const wchar_t* kFallbackFaces[] = {
    L"NSimSun",        L"SimSun",        L"Microsoft YaHei UI", L"Microsoft YaHei",   L"SimHei",
    L"DengXian",       L"Microsoft JhengHei", L"MingLiU",       L"MS Gothic",         L"Malgun Gothic",
    L"Arial Unicode MS", L"Noto Sans CJK SC", L"Source Han Sans SC", L"Droid Sans Fallback",
    // Last: at small sizes without smoothing some of its glyphs lose strokes.
    L"WenQuanYi Zen Hei",
};

bool IsAskedFor(wchar_t ch)
{
    return ch >= 0x20 && (ch < 0xD800 || ch > 0xDFFF);
}

}  // namespace

bool FontCoversText(HDC dc, HFONT font, std::wstring_view text)
{
    std::vector<wchar_t> asked;
    asked.reserve(text.size());
    for (wchar_t ch : text) {
        if (IsAskedFor(ch))
            asked.push_back(ch);
    }
    if (asked.empty())
        return true;
    std::vector<WORD> glyphs(asked.size());
    SelectScope select(dc, font);
    const DWORD converted = ::GetGlyphIndicesW(dc, asked.data(), static_cast<int>(asked.size()), glyphs.data(),
                                               GGI_MARK_NONEXISTING_GLYPHS);
    if (converted == GDI_ERROR)
        return true;
    for (WORD glyph : glyphs) {
        if (glyph == 0xFFFF)
            return false;
    }
    return true;
}

UniqueFont CreateFontForText(HDC dc, const LOGFONTW& wanted, std::wstring_view text)
{
    UniqueFont font(::CreateFontIndirectW(&wanted));
    if (!font || FontCoversText(dc, font.get(), text))
        return font;
    for (const wchar_t* face : kFallbackFaces) {
        LOGFONTW fallback = wanted;
        fallback.lfCharSet = DEFAULT_CHARSET;
        std::wcsncpy(fallback.lfFaceName, face, LF_FACESIZE - 1);
        fallback.lfFaceName[LF_FACESIZE - 1] = L'\0';
        UniqueFont candidate(::CreateFontIndirectW(&fallback));
        if (candidate && FontCoversText(dc, candidate.get(), text))
            return candidate;
    }
    return font;
}

}  // namespace framework
