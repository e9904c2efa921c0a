#pragma once
// The Language folder beside the program and the language files in it.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "text/language_file_cache.h"
#include "text/text_platform.h"

namespace text {

// appDir + "Language", without a trailing backslash.
std::u16string LanguageFolder(std::u16string_view appDir);

struct InstalledLanguage {
    std::u16string path;  // full path of the file
    std::u16string name;  // its [Setting] Language value, whole, never empty
};

// The files directly in the Language folder whose names end in ".ini" and that carry a language
// name, in the order the file system lists them.
std::vector<InstalledLanguage> InstalledLanguages(TextPlatform& platform, LanguageFileCache& files,
                                                  std::u16string_view appDir);

struct LanguageSearch {
    std::optional<std::u16string> path;  // the first file in listing order carrying the name
    bool unreadableCandidate = false;    // no file matched, but one could not be read at all
};

// Pauses between the reads of a file that another program holds, and how many there are: a
// virus scanner or an editor lets go within a moment, and the user's choice must not be
// forgotten because of it.
inline constexpr unsigned kHeldFilePauseMs = 100;
inline constexpr int kHeldFileRetries = 10;

// The installed file carrying `wanted`. Files that exist but cannot be read are read again,
// briefly, before the search gives up on them.
LanguageSearch FindInstalledLanguage(TextPlatform& platform, LanguageFileCache& files, std::u16string_view appDir,
                                     std::u16string_view wanted);

}  // namespace text
