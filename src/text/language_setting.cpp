#include "text/language_setting.h"

#include <algorithm>
#include <cstdint>
#include <optional>

#include "text/ini_file.h"
#include "text/ini_profile.h"
#include "text/language_files.h"
#include "text/language_folder.h"
#include "text/program_paths.h"
#include "text/program_texts.h"

namespace text {
namespace {

constexpr std::u16string_view kSettingSection = u"Setting";
constexpr std::u16string_view kLanguageKey = u"Language";

struct SettingState {
    std::optional<std::u16string> runChoice;  // set while setting.ini does not hold this run's language
    bool userTold = false;
};

SettingState& State() {
    static SettingState state;
    return state;
}

std::optional<Bytes> ReadSettingFile(TextPlatform& platform) {
    for (int retry = 0;; ++retry) {
        if (std::optional<Bytes> bytes = platform.ReadWholeFile(g_strSettingFile)) return bytes;
        std::optional<FileStamp> stamp = platform.StampOf(g_strSettingFile);
        if (!stamp || stamp->size > kMaxTextFileBytes || retry == kHeldFileRetries) return std::nullopt;
        platform.Sleep(kHeldFilePauseMs);
    }
}

bool SettingHolds(TextPlatform& platform, std::u16string_view name) {
    std::optional<Bytes> bytes = platform.ReadWholeFile(g_strSettingFile);
    if (!bytes) return false;
    constexpr std::u16string_view kNoValue(u"\0", 1);  // no value read from a file holds a NUL
    return GetProfileValue(*bytes, kSettingSection, kLanguageKey, kNoValue, SIZE_MAX) == name;
}

std::u16string SettingsNotKeptMessage(TextPlatform& platform, std::u16string_view reason) {
    return FormatText(LoadLanguageText(platform, u"IDS_PCKovrin_SettingsNotKept"), {g_strSettingFile, reason});
}

}  // namespace

std::u16string ReadLanguageSetting(TextPlatform& platform, std::u16string_view defaultName) {
    if (State().runChoice) return *State().runChoice;
    std::optional<Bytes> bytes = ReadSettingFile(platform);
    return GetProfileValue(bytes ? std::string_view(*bytes) : std::string_view(), kSettingSection, kLanguageKey,
                           defaultName, SIZE_MAX);
}

int ReadSettingNumber(TextPlatform& platform, std::u16string_view key, int defaultValue) {
    std::optional<Bytes> bytes = ReadSettingFile(platform);
    const std::u16string value =
        GetProfileValue(bytes ? std::string_view(*bytes) : std::string_view(), kSettingSection, key, u"", SIZE_MAX);
    constexpr int kLargest = 9999;
    if (value.empty() || value.find_first_not_of(u"0123456789") != std::u16string::npos) return defaultValue;
    int number = 0;
    for (char16_t c : value) number = std::min(kLargest, number * 10 + (c - u'0'));
    return number;
}

void StoreLanguageSetting(TextPlatform& platform, std::u16string_view name, std::u16string_view runName) {
    SettingState& state = State();
    WriteResult written = WriteIniString(platform, g_strSettingFile, kSettingSection, kLanguageKey, name);
    // A file that cannot be written but already holds the name keeps the choice all the same.
    const bool kept = written || SettingHolds(platform, name);
    if (kept && runName == name) {
        state.runChoice.reset();
    } else {
        state.runChoice = std::u16string(runName);
    }
    // Told after the run's choice is known, so that the message is in the language now chosen.
    if (!kept && !state.userTold) {
        state.userTold = true;
        platform.TellUser(SettingsNotKeptMessage(platform, written.reason));
    }
}

void ResetLanguageSetting() { State() = SettingState(); }

}  // namespace text
