#pragma once
// The program's own texts: what it shows beyond the keys of the built-in language files (its
// messages about the device state, the earlier states dialog). Each has a key that a language
// file may carry to translate it; a file that lacks the key gets the program's English text, or
// its Chinese one when the stored language is the Chinese built-in one. Texts may hold %1 … %9,
// which FormatText fills in.

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace text {

// The program's own text for `key`; nothing for a key that is not one of them.
std::optional<std::u16string_view> OwnText(std::u16string_view key, bool chinese);

// `pattern` with %1 … %9 replaced by the arguments, in one pass: an argument's own "%2" stays.
// A placeholder without an argument stays as it is.
std::u16string FormatText(std::u16string_view pattern, std::initializer_list<std::u16string_view> arguments);

}  // namespace text
