#pragma once
// Language files: choosing the current one, looking up its texts, listing the installed ones.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "text/text_platform.h"

namespace text {

inline constexpr int kChineseLanguageResource = 130;
inline constexpr int kEnglishLanguageResource = 324;
inline constexpr std::u16string_view kChineseLanguageName = u"中文";
inline constexpr std::u16string_view kEnglishLanguageName = u"English";
inline constexpr std::u16string_view kMissingText = u"String Not found";

// "中文" when the primary language of langId is Chinese, "English" otherwise.
std::u16string DefaultLanguageName(std::uint16_t langId);

// Makes the language file named `name` current (empty: the stored setting), writing out the
// built-in files when no installed file carries that name, and stores the result in setting.ini.
// Names of any length are compared and stored whole. A built-in file that cannot be written
// or read gives its texts from the program's own copy; a choice setting.ini cannot take is kept
// for this run, and the user is told once.
void SelectLanguage(TextPlatform& platform, std::u16string_view name);

// The text of `key` in the current language; "String Not found" when the file or the key is
// missing. The file is read once and again only when it changed on disk. Backslash-n pairs
// become line feeds; texts are cut to 999 characters.
std::u16string LoadLanguageText(TextPlatform& platform, std::u16string_view key);

struct LanguageListing {
    // One entry per language file that carries a name, in listing order; then the built-in
    // languages whose files could not be written, which the program's own copies stand for.
    std::vector<std::u16string> names;
    std::u16string storedSetting;       // the language stored in setting.ini ("English" when none)
};
LanguageListing ListLanguages(TextPlatform& platform, std::u16string_view appDir);

// The language setting as this run holds it: setting.ini's, or the choice it could not take
// ("English" when there is none).
std::u16string StoredLanguageSetting(TextPlatform& platform);

// Writes one built-in language file byte for byte. True when the resource was found, also when
// the file itself could not be written.
bool ExtractBuiltinLanguageFile(TextPlatform& platform, int resourceId, std::u16string_view path);

// At start: what earlier runs that were killed while writing setting.ini or a built-in language
// file left beside it.
void RemoveLeftoverReplacementFiles(TextPlatform& platform);

// Back to the state of a program that has just started: nothing read, nothing chosen.
void ForgetLanguageState();

}  // namespace text
