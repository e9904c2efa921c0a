#pragma once
// Between the subsystem's UTF-16 strings and the wide strings of the Windows API, which hold
// the same code units.

#include <string>
#include <string_view>

namespace text {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows wide strings are UTF-16");

inline std::wstring AsWide(std::u16string_view text) { return std::wstring(text.begin(), text.end()); }
inline std::u16string AsU16(std::wstring_view text) { return std::u16string(text.begin(), text.end()); }

// The text of `key` in the current language file (LoadLanguageText on the Windows platform).
std::wstring LanguageText(std::wstring_view key);

}  // namespace text
