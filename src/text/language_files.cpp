#include "text/language_files.h"

#include "text/ini_file.h"
#include "text/language_folder.h"
#include "text/program_paths.h"

namespace text {
namespace {

constexpr std::size_t kValueBufferChars = 1000;
// Listed names are cut to 99 characters; the language selectors rely on that limit.
constexpr std::size_t kListedNameBufferChars = 100;
constexpr std::u16string_view kSettingSection = u"Setting";
constexpr std::u16string_view kLanguageKey = u"Language";
constexpr std::u16string_view kStringSection = u"String";
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

// Writes both built-in files and returns the path of the one for `defaultName`.
std::u16string RestoreBuiltinFiles(TextPlatform& platform, std::u16string_view defaultName) {
    std::u16string folder = LanguageFolder(g_strAppDir);
    platform.MakeDirectory(folder);  // an existing folder is fine
    std::u16string chinese = folder + std::u16string(kChineseFileName);
    std::u16string english = folder + std::u16string(kEnglishFileName);
    ExtractBuiltinLanguageFile(platform, kChineseLanguageResource, chinese);
    ExtractBuiltinLanguageFile(platform, kEnglishLanguageResource, english);
    return defaultName == kChineseLanguageName ? chinese : english;
}

}  // namespace

std::u16string DefaultLanguageName(std::uint16_t langId) {
    bool chinese = (langId & kPrimaryLanguageMask) == kPrimaryLanguageChinese;
    return std::u16string(chinese ? kChineseLanguageName : kEnglishLanguageName);
}

void SelectLanguage(TextPlatform& platform, std::u16string_view name) {
    std::u16string defaultName = DefaultLanguageName(platform.SystemDefaultLangId());
    std::u16string wanted(name);
    if (wanted.empty()) {
        wanted = ReadIniString(platform, g_strSettingFile, kSettingSection, kLanguageKey, defaultName,
                                   kValueBufferChars);
    }
    bool found = false;
    for (const InstalledLanguage& language : InstalledLanguages(platform, g_strAppDir, kValueBufferChars)) {
        if (language.name == wanted) {
            g_strLanguageFile = language.path;
            found = true;
            break;
        }
    }
    if (!found) {
        g_strLanguageFile = RestoreBuiltinFiles(platform, defaultName);
        wanted = defaultName;
    }
    WriteIniString(platform, g_strSettingFile, kSettingSection, kLanguageKey, wanted);
}

std::u16string LoadLanguageText(TextPlatform& platform, std::u16string_view key) {
    return ReplaceEscapedLineBreaks(
        ReadIniString(platform, g_strLanguageFile, kStringSection, key, kMissingText, kValueBufferChars));
}

LanguageListing ListLanguages(TextPlatform& platform, std::u16string_view appDir) {
    LanguageListing listing;
    for (InstalledLanguage& language : InstalledLanguages(platform, appDir, kListedNameBufferChars)) {
        listing.names.push_back(std::move(language.name));
    }
    listing.storedSetting = ReadIniString(platform, std::u16string(appDir) + u"setting.ini", kSettingSection,
                                              kLanguageKey, kEnglishLanguageName, kValueBufferChars);
    return listing;
}

bool ExtractBuiltinLanguageFile(TextPlatform& platform, int resourceId, std::u16string_view path) {
    std::optional<Bytes> content = platform.LoadOwnerData(resourceId);
    if (!content) return false;
    platform.ReplaceFileContent(path, *content);  // a failed write is not reported
    return true;
}

void RemoveLeftoverReplacementFiles(TextPlatform& platform) {
    platform.RemoveLeftoverReplacements(g_strSettingFile);
    platform.RemoveLeftoverReplacements(LanguageFolder(g_strAppDir) + std::u16string(kChineseFileName));
    platform.RemoveLeftoverReplacements(LanguageFolder(g_strAppDir) + std::u16string(kEnglishFileName));
}

}  // namespace text
