// Fuzzes choosing a language over a folder of several language files and a setting.ini, all of
// any bytes, on an in-memory platform: the start-up's choice, then a listing and a text lookup.
//
// Invariants: nothing crashes or reads past the input; the current file is the first file in
// listing order whose language name is the wanted one, else a built-in file; setting.ini then
// holds the language shown (or it could not be written and the user was told once); every listed
// name is the non-empty name of a file, cut to 99 units; a text is at most 999 units.

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "fake_text_platform.h"
#include "text/case_fold.h"
#include "text/ini_profile.h"
#include "text/language_file_content.h"
#include "text/language_files.h"
#include "text/program_paths.h"
#include "text/text_encoding.h"

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

const std::u16string kFolder = u"C:\\App\\Language\\";
// Names the wildcard lists, a built-in file's among them, and one that only its 8.3 alias matches.
const std::u16string kFileNames[] = {u"PC_Kovrin_EN.ini", u"de.ini", u"FR.INI", u"x.inix", u"PC_Kovrin_CH.ini"};

// Built once: the fake reads the built-in files from the source tree, which would cost more
// than the input itself.
const text::testing::FakeTextPlatform& FreshPlatform() {
    static const text::testing::FakeTextPlatform platform;
    return platform;
}

bool IsLanguageFileName(std::u16string_view name) {
    return name.size() >= 4 && text::NamesEqualIgnoringCase(name.substr(name.size() - 4), u".ini");
}

std::u16string StoredSetting(std::string_view settingBytes, std::u16string_view defaultName) {
    return text::GetProfileValue(settingBytes, u"Setting", u"Language", defaultName, SIZE_MAX);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    text::ForgetLanguageState();
    text::testing::FakeTextPlatform platform = FreshPlatform();
    platform.langId = input.ConsumeBool() ? 0x0804 : 0x0409;
    platform.reverseListing = input.ConsumeBool();
    const bool failWrites = input.ConsumeBool();
    text::InitAppPaths(platform);
    platform.AddFolder(u"C:\\App\\Language");

    struct File {
        std::u16string path;
        std::u16string name;  // its language name, as a reader of the file sees it
    };
    std::vector<File> files;  // in the order the folder lists them
    const int count = input.ConsumeIntegralInRange(0, 4);
    for (int i = 0; i < count; ++i) {
        const std::u16string& fileName = kFileNames[input.ConsumeIntegralInRange<std::size_t>(0, 4)];
        if (platform.HasFile(kFolder + fileName)) continue;
        const std::string bytes = input.ConsumeRandomLengthString(2048);
        platform.AddFile(kFolder + fileName, bytes);
        if (IsLanguageFileName(fileName)) files.push_back({kFolder + fileName, text::LanguageFileContent(bytes).Name()});
    }
    if (platform.reverseListing) std::reverse(files.begin(), files.end());
    std::string setting;
    if (input.ConsumeBool()) {
        setting = input.ConsumeRandomLengthString(512);
        platform.AddFile(u"C:\\App\\setting.ini", setting);
    }
    // The choice: the stored setting, a file's own name, or any text.
    std::u16string choice;
    const int pick = input.ConsumeIntegralInRange(0, 5);
    if (pick > 0 && pick <= static_cast<int>(files.size())) choice = files[pick - 1].name;
    if (pick == 5) choice = text::DecodeFile(input.ConsumeRandomLengthString(64));
    const std::u16string key = text::DecodeFile(input.ConsumeRemainingBytesAsString());
    platform.failWrites = failWrites;

    const std::u16string defaultName = text::DefaultLanguageName(platform.langId);
    const std::u16string wanted = choice.empty() ? StoredSetting(setting, defaultName) : choice;
    const File* expected = nullptr;
    for (const File& file : files) {
        if (!wanted.empty() && file.name == wanted) {
            expected = &file;
            break;
        }
    }

    text::SelectLanguage(platform, choice);

    std::u16string shown;
    if (expected) {
        Require(text::g_strLanguageFile == expected->path);
        shown = wanted;
    } else {
        const bool chinese = text::g_strLanguageFile == kFolder + u"PC_Kovrin_CH.ini";
        Require(chinese || text::g_strLanguageFile == kFolder + u"PC_Kovrin_EN.ini");
        shown = chinese ? u"中文" : u"English";
    }
    Require(text::StoredLanguageSetting(platform) == shown);
    if (!failWrites) {
        Require(StoredSetting(platform.FileContent(u"C:\\App\\setting.ini"), u"") == shown);
        Require(platform.toldUser.empty());
    }
    Require(platform.toldUser.size() <= 1);

    const text::LanguageListing listing = text::ListLanguages(platform, text::g_strAppDir);
    for (const std::u16string& name : listing.names) Require(!name.empty() && name.size() <= 99);
    Require(listing.storedSetting == shown);
    Require(text::LoadLanguageText(platform, key).size() <= 999);
    return 0;
}
