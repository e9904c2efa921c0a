#include "text/language_folder.h"

#include "text/case_fold.h"
#include "text/ini_file.h"

namespace text {
namespace {

constexpr std::u16string_view kExtension = u".ini";

// The wildcard also matches a name whose short 8.3 alias ends in .INI, such as "a.inix";
// only real .ini files are language files.
bool HasIniExtension(std::u16string_view name) {
    return name.size() >= kExtension.size() &&
           NamesEqualIgnoringCase(name.substr(name.size() - kExtension.size()), kExtension);
}

}  // namespace

std::u16string LanguageFolder(std::u16string_view appDir) { return std::u16string(appDir) + u"Language"; }

std::vector<InstalledLanguage> InstalledLanguages(TextPlatform& platform, std::u16string_view appDir,
                                                  std::size_t nameBufferChars) {
    std::u16string folder = LanguageFolder(appDir) + u"\\";
    std::vector<InstalledLanguage> languages;
    for (const DirectoryEntry& entry : platform.FindFiles(folder + u"*.ini")) {
        if (entry.isDirectory || entry.name == u"." || entry.name == u".." || !HasIniExtension(entry.name)) continue;
        std::u16string path = folder + entry.name;
        std::u16string name = ReadIniString(platform, path, u"Setting", u"Language", u"", nameBufferChars);
        if (!name.empty()) languages.push_back({std::move(path), std::move(name)});
    }
    return languages;
}

}  // namespace text
