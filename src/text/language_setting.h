#pragma once
// The language choice in setting.ini as this run holds it. When setting.ini cannot take a
// choice (a folder the user may not write, a file another program holds), the choice is kept
// for this run instead, and the user is told once that settings will not be kept.

#include <string>
#include <string_view>

#include "text/text_platform.h"

namespace text {

// The choice this run keeps, or else [Setting] Language of setting.ini, whole (`defaultName`
// when there is none). A setting.ini that exists but cannot be read is read again briefly.
std::u16string ReadLanguageSetting(TextPlatform& platform, std::u16string_view defaultName);

// Stores `name` for the next start. `runName` is the language this run shows; it differs from
// `name` only while the file of `name` cannot be read, and is what this run then reports.
void StoreLanguageSetting(TextPlatform& platform, std::u16string_view name, std::u16string_view runName);

// A whole number from [Setting] of setting.ini (9999 at most); `defaultValue` when the key is
// missing or its value is not digits alone.
int ReadSettingNumber(TextPlatform& platform, std::u16string_view key, int defaultValue);

// Back to the state of a program that has just started.
void ResetLanguageSetting();

}  // namespace text
