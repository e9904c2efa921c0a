#include "text/language_files.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

#include "text/ini_file.h"
#include "text/ini_profile.h"
#include "text/language_folder.h"
#include "text/language_setting.h"
#include "text/language_state.h"
#include "text/program_paths.h"
#include "text/program_texts.h"

namespace text {
namespace {

constexpr std::size_t kValueBufferChars = 1000;
// Listed names are cut to 99 characters; the language selectors rely on that limit.
constexpr std::size_t kListedNameBufferChars = 100;
constexpr std::u16string_view kChineseFileName = u"\\PC_Kovrin_CH.ini";
constexpr std::u16string_view kEnglishFileName = u"\\PC_Kovrin_EN.ini";
constexpr std::uint16_t kPrimaryLanguageMask = 0x3FF;
constexpr std::uint16_t kPrimaryLanguageChinese = 0x04;

std::u16string ReplaceEscapedLineBreaks(std::u16string text) {
    for (std::size_t pos = text.find(u"\\n"); pos != std::u16string::npos; pos = text.find(u"\\n", pos + 1)) {
        text.replace(pos, 2, u"\n");
    }
    return text;
}

std::u16string BuiltinPath(std::u16string_view fileName) {
    return LanguageFolder(g_strAppDir) + std::u16string(fileName);
}

struct BuiltinLanguage {
    int resourceId;
    std::u16string_view name;
    std::u16string_view fileName;
};
constexpr BuiltinLanguage kBuiltins[] = {{kChineseLanguageResource, kChineseLanguageName, kChineseFileName},
                                         {kEnglishLanguageResource, kEnglishLanguageName, kEnglishFileName}};

bool WriteBuiltinFile(TextPlatform& platform, const BuiltinLanguage& builtin) {
    std::optional<Bytes> content = platform.LoadOwnerData(builtin.resourceId);
    bool written = content && platform.ReplaceFileContent(BuiltinPath(builtin.fileName), *content);
    NoteBuiltinFileWritten(builtin.resourceId, written);
    return written;
}

// Writes both built-in files and makes one current: the default language's, unless `wanted` is
// the other built-in language and its file could not be written (a folder the program may not
// write lists no files, and the program's own copy is all there is to choose). Returns the
// language shown.
std::u16string RestoreBuiltinFiles(TextPlatform& platform, std::u16string_view defaultName,
                                   std::u16string_view wanted) {
    platform.MakeDirectory(LanguageFolder(g_strAppDir));  // an existing folder is fine
    bool written[std::size(kBuiltins)];
    for (std::size_t i = 0; i < std::size(kBuiltins); ++i) written[i] = WriteBuiltinFile(platform, kBuiltins[i]);
    std::size_t chosen = defaultName == kChineseLanguageName ? 0 : 1;
    for (std::size_t i = 0; i < std::size(kBuiltins); ++i) {
        if (kBuiltins[i].name == wanted && !written[i]) chosen = i;
    }
    const BuiltinLanguage& builtin = kBuiltins[chosen];
    UseBuiltinLanguageFile(BuiltinPath(builtin.fileName), builtin.resourceId, written[chosen]);
    return std::u16string(builtin.name);
}

}  // namespace

std::u16string DefaultLanguageName(std::uint16_t langId) {
    bool chinese = (langId & kPrimaryLanguageMask) == kPrimaryLanguageChinese;
    return std::u16string(chinese ? kChineseLanguageName : kEnglishLanguageName);
}

void SelectLanguage(TextPlatform& platform, std::u16string_view name) {
    std::u16string defaultName = DefaultLanguageName(platform.SystemDefaultLangId());
    std::u16string wanted = name.empty() ? ReadLanguageSetting(platform, defaultName) : std::u16string(name);
    LanguageSearch search = FindInstalledLanguage(platform, LanguageFiles(), g_strAppDir, wanted);
    std::u16string shown = wanted;
    if (search.path) {
        UseInstalledLanguageFile(std::move(*search.path));
    } else {
        shown = RestoreBuiltinFiles(platform, defaultName, wanted);
    }
    LanguageFiles().KeepContentOnlyOf(g_strLanguageFile);
    // A file that may carry the wanted name but could not be read leaves the choice for the next start.
    StoreLanguageSetting(platform, search.unreadableCandidate ? wanted : shown, shown);
}

std::u16string LoadLanguageText(TextPlatform& platform, std::u16string_view key) {
    std::shared_ptr<const LanguageFileContent> content = CurrentLanguageContent(platform);
    std::optional<std::u16string_view> text = content ? content->Text(key) : std::nullopt;
    if (!text && OwnText(key, false)) {
        // A text of the program's own that this file does not translate.
        return std::u16string(*OwnText(key, StoredLanguageSetting(platform) == kChineseLanguageName));
    }
    return ReplaceEscapedLineBreaks(CutToBuffer(text.value_or(kMissingText), kValueBufferChars));
}

LanguageListing ListLanguages(TextPlatform& platform, std::u16string_view appDir) {
    LanguageListing listing;
    for (InstalledLanguage& language : InstalledLanguages(platform, LanguageFiles(), appDir)) {
        listing.names.push_back(CutToBuffer(language.name, kListedNameBufferChars));
    }
    for (const BuiltinLanguage& builtin : kBuiltins) {
        if (BuiltinFileUnwritten(builtin.resourceId) &&
            std::find(listing.names.begin(), listing.names.end(), builtin.name) == listing.names.end()) {
            listing.names.emplace_back(builtin.name);
        }
    }
    LanguageFiles().KeepContentOnlyOf(g_strLanguageFile);
    listing.storedSetting = appDir == g_strAppDir
                                ? StoredLanguageSetting(platform)
                                : ReadIniString(platform, std::u16string(appDir) + u"setting.ini", u"Setting",
                                                u"Language", kEnglishLanguageName, SIZE_MAX);
    return listing;
}

std::u16string StoredLanguageSetting(TextPlatform& platform) {
    return ReadLanguageSetting(platform, kEnglishLanguageName);
}

bool ExtractBuiltinLanguageFile(TextPlatform& platform, int resourceId, std::u16string_view path) {
    std::optional<Bytes> content = platform.LoadOwnerData(resourceId);
    if (!content) return false;
    platform.ReplaceFileContent(path, *content);  // a failed write is not reported
    return true;
}

void RemoveLeftoverReplacementFiles(TextPlatform& platform) {
    platform.RemoveLeftoverReplacements(g_strSettingFile);
    for (const BuiltinLanguage& builtin : kBuiltins) platform.RemoveLeftoverReplacements(BuiltinPath(builtin.fileName));
}

void ForgetLanguageState() {
    ResetLanguageState();
    ResetLanguageSetting();
    g_strLanguageFile.clear();
}

}  // namespace text
