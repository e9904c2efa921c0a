#include "text/language_folder.h"

#include "text/case_fold.h"

namespace text {
namespace {

constexpr std::u16string_view kExtension = u".ini";

// The wildcard also matches a name whose short 8.3 alias ends in .INI, such as "a.inix";
// only real .ini files are language files.
bool HasIniExtension(std::u16string_view name) {
    return name.size() >= kExtension.size() &&
           NamesEqualIgnoringCase(name.substr(name.size() - kExtension.size()), kExtension);
}

std::vector<std::u16string> LanguageFilePaths(TextPlatform& platform, std::u16string_view appDir) {
    std::u16string folder = LanguageFolder(appDir) + u"\\";
    std::vector<std::u16string> paths;
    for (const DirectoryEntry& entry : platform.FindFiles(folder + u"*.ini")) {
        if (entry.isDirectory || entry.name == u"." || entry.name == u".." || !HasIniExtension(entry.name)) continue;
        paths.push_back(folder + entry.name);
    }
    return paths;
}

// Reads the held files again until one carries the name, all have been read, or time is up.
std::optional<std::u16string> RetryHeldFiles(TextPlatform& platform, LanguageFileCache& files,
                                             std::vector<std::u16string>& held, std::u16string_view wanted) {
    for (int retry = 0; retry < kHeldFileRetries && !held.empty(); ++retry) {
        platform.Sleep(kHeldFilePauseMs);
        for (auto path = held.begin(); path != held.end();) {
            LanguageNameRead read = files.Name(platform, *path);
            if (read.state == FileState::Unreadable) {
                ++path;
                continue;
            }
            if (read.state == FileState::Read && read.name == wanted) return *path;
            path = held.erase(path);
        }
    }
    return std::nullopt;
}

}  // namespace

std::u16string LanguageFolder(std::u16string_view appDir) { return std::u16string(appDir) + u"Language"; }

std::vector<InstalledLanguage> InstalledLanguages(TextPlatform& platform, LanguageFileCache& files,
                                                  std::u16string_view appDir) {
    std::vector<InstalledLanguage> languages;
    for (std::u16string& path : LanguageFilePaths(platform, appDir)) {
        LanguageNameRead read = files.Name(platform, path);
        if (!read.name.empty()) languages.push_back({std::move(path), std::move(read.name)});
    }
    return languages;
}

LanguageSearch FindInstalledLanguage(TextPlatform& platform, LanguageFileCache& files, std::u16string_view appDir,
                                     std::u16string_view wanted) {
    if (wanted.empty()) return {};  // no file carries an empty name
    std::vector<std::u16string> held;
    for (std::u16string& path : LanguageFilePaths(platform, appDir)) {
        LanguageNameRead read = files.Name(platform, path);
        if (read.state == FileState::Read && read.name == wanted) return {std::move(path), false};
        if (read.state == FileState::Unreadable) held.push_back(std::move(path));
    }
    if (std::optional<std::u16string> path = RetryHeldFiles(platform, files, held, wanted)) return {path, false};
    return {std::nullopt, !held.empty()};
}

}  // namespace text
