#pragma once
// Case-insensitive comparison of section and key names.
//
// Simple case folding (one code unit to one code unit) for Basic Latin, Latin-1, Latin
// Extended-A, Greek, Cyrillic and fullwidth Latin letters; every other code unit, surrogates
// included, compares exactly. Names in the files are ASCII in practice; the wider set keeps
// names that users type in their own script working the way the system's functions do.

#include <string_view>

namespace text {

char16_t FoldCase(char16_t unit);

bool NamesEqualIgnoringCase(std::u16string_view a, std::u16string_view b);

}  // namespace text
