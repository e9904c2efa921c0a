#pragma once
// The texts the title and info panes paint on their pictures: white, bold, in a face named by
// the pane, placed over a hidden control that marks the spot.

#include <windows.h>

#include <cstddef>
#include <string>

namespace panes {

// A bold font of `height` pixels in `face`, otherwise the system's defaults.
LOGFONTW BoldFont(int height, const wchar_t* face);

// White text in rect; a face the system lacks is replaced by one that has every glyph.
void DrawWhiteText(HDC dc, const std::wstring& text, RECT rect, const LOGFONTW& wanted, UINT format);

// The marker control's rectangle in pane client coordinates, widened by one pixel per
// character of the text drawn there; empty when there is no marker.
RECT MarkerRect(HWND pane, HWND marker, std::size_t characters);

}  // namespace panes
