#pragma once
// Painted texts ask for a named face, which a system may lack. Without it GDI picks a
// substitute that may have no glyphs for the text (Chinese drawn as boxes), so a font is
// made from the first face, the wanted one or a known fallback, that covers every character.

#include <windows.h>

#include <string_view>

#include "framework/gdi_handles.h"

namespace framework {

// True when the font selected into dc has a glyph for every character of text. Control
// characters and surrogates are not asked for; a font that cannot tell counts as covering.
bool FontCoversText(HDC dc, HFONT font, std::wstring_view text);

// The wanted font when it covers the text, else the same size and weight in the first fallback
// face that does; when none does, the wanted font (the system's choice). dc is only measured.
UniqueFont CreateFontForText(HDC dc, const LOGFONTW& wanted, std::wstring_view text);

}  // namespace framework
