#include "text/language_setting.h"

#include <cstdint>
#include <optional>

#include "text/ini_file.h"
#include "text/ini_profile.h"
#include "text/language_folder.h"
#include "text/program_paths.h"

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

std::u16string SettingsNotKeptMessage(std::u16string_view runName, std::u16string_view reason) {
    const std::u16string file = g_strSettingFile;
    if (runName == u"中文") {
        return u"无法把设置保存到\n" + file + u"\n（" + std::u16string(reason) +
               u"）。\n\n所选的语言在本次运行中有效，但下次启动时不会保留。";
    }
    return u"The settings cannot be saved in\n" + file + u"\n(" + std::u16string(reason) +
           u").\n\nThe language you choose is used until the program ends, but it will not be kept for the next start.";
}

}  // namespace

std::u16string ReadLanguageSetting(TextPlatform& platform, std::u16string_view defaultName) {
    if (State().runChoice) return *State().runChoice;
    std::optional<Bytes> bytes = ReadSettingFile(platform);
    return GetProfileValue(bytes ? std::string_view(*bytes) : std::string_view(), kSettingSection, kLanguageKey,
                           defaultName, SIZE_MAX);
}

void StoreLanguageSetting(TextPlatform& platform, std::u16string_view name, std::u16string_view runName) {
    SettingState& state = State();
    WriteResult written = WriteIniString(platform, g_strSettingFile, kSettingSection, kLanguageKey, name);
    // A file that cannot be written but already holds the name keeps the choice all the same.
    const bool kept = written || SettingHolds(platform, name);
    if (!kept && !state.userTold) {
        state.userTold = true;
        platform.TellUser(SettingsNotKeptMessage(runName, written.reason));
    }
    if (kept && runName == name) {
        state.runChoice.reset();
    } else {
        state.runChoice = std::u16string(runName);
    }
}

void ResetLanguageSetting() { State() = SettingState(); }

}  // namespace text
