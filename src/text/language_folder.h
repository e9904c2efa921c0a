#pragma once
// The Language folder beside the program and the language files in it.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "text/text_platform.h"

namespace text {

// appDir + "Language", without a trailing backslash.
std::u16string LanguageFolder(std::u16string_view appDir);

struct InstalledLanguage {
    std::u16string path;  // full path of the file
    std::u16string name;  // its [Setting] Language value, never empty
};

// The files directly in the Language folder whose names end in ".ini" and that carry a language
// name, in the order the file system lists them. Names are read with a buffer of
// `nameBufferChars` characters.
std::vector<InstalledLanguage> InstalledLanguages(TextPlatform& platform, std::u16string_view appDir,
                                                  std::size_t nameBufferChars);

}  // namespace text
