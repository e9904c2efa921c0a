#include "language_bench.h"

#include <windows.h>

#include <cstdio>
#include <stdexcept>
#include <string>

#include "text/ini_profile.h"
#include "text/language_files.h"
#include "text/program_paths.h"
#include "text/win32/wide.h"
#include "text/win32/win32_files.h"
#include "text/win32/win32_text_platform.h"
#include "timing.h"

namespace bench {
namespace {

// What the window shows at start: the frame's caption, the command pane, the emulation file,
// the info strip and the title pane.
constexpr const char16_t* kStartupKeys[] = {
    u"IDS_MAIN_TITLE", u"IDS_MENU_RUN", u"IDS_MENU_HELP", u"IDS_MENU_CONFIG", u"IDS_MENU_ABOUT", u"IDS_MENU_EXIT",
    u"IDS_PCKovrin_EmulationFile", u"IDS_PCKovrin_CompanyName", u"IDS_MAIN_TITLE", u"IDC_STATIC_LANG",
    u"IDS_ABOUT_TITLE"};

void WriteWhole(const std::wstring& path, const std::string& bytes)
{
    if (text::win32::ReplaceFileAtomically(path, bytes) != ERROR_SUCCESS)
        throw std::runtime_error("cannot write a benchmark file");
}

// Many small sections of filler, then the texts the window needs, so every lookup that reads
// the file has to get through all of it.
std::string LanguageFileOf(std::size_t size)
{
    std::string file = "[Setting]\r\nLanguage=Big\r\n";
    for (std::size_t n = 0; file.size() + 400 < size; ++n) {
        file += "[Filler" + std::to_string(n) + "]\r\nIDS_TEXT_" + std::to_string(n) + "=some text of the language\r\n";
    }
    file += "[String]\r\n";
    for (const char16_t* key : kStartupKeys) {
        const std::u16string name(key);
        file += std::string(name.begin(), name.end()) + "=a text\r\n";
    }
    file.resize(size, ' ');  // a blank tail keeps the size exact
    return file;
}

void StartTexts(text::TextPlatform& platform)
{
    text::ForgetLanguageState();  // as at a fresh start
    text::RemoveLeftoverReplacementFiles(platform);
    text::SelectLanguage(platform, u"");
    text::ListLanguages(platform, text::g_strAppDir);
    for (const char16_t* key : kStartupKeys)
        text::LoadLanguageText(platform, key);
    text::StoredLanguageSetting(platform);
}

void RereadEachTime(const std::wstring& file)
{
    for (const char16_t* key : kStartupKeys)
        text::GetProfileValue(text::win32::ReadFileBytes(file).value_or(""), u"String", key, u"", 1000);
}

void CompareOneSize(const std::wstring& folder, std::size_t size, int runs)
{
    const std::wstring app = folder + L"\\lang-" + std::to_wstring(size >> 20) + L"MiB\\";
    CreateDirectoryW(app.c_str(), nullptr);
    CreateDirectoryW((app + L"Language").c_str(), nullptr);
    const std::wstring file = app + L"Language\\big.ini";
    WriteWhole(file, LanguageFileOf(size));
    WriteWhole(app + L"setting.ini", "[Setting]\r\nLanguage=Big\r\n");
    text::g_strAppDir = text::AsU16(app);
    text::g_strSettingFile = text::g_strAppDir + u"setting.ini";

    text::TextPlatform& platform = text::Win32TextPlatform();
    StartTexts(platform);
    if (text::g_strLanguageFile != text::AsU16(file) || text::LoadLanguageText(platform, u"IDS_MENU_RUN") != u"a text")
        throw std::runtime_error("the benchmark's language file was not chosen");
    const double oneRead = MedianSeconds(runs, [&] { text::win32::ReadFileBytes(file); });
    const double startup = MedianSeconds(runs, [&] { StartTexts(platform); });
    const double reread = MedianSeconds(runs, [&] { RereadEachTime(file); });
    std::printf("language file %3zu MiB: start-up texts %8.1f ms, one read of the file %7.1f ms, ratio %5.1f; "
                "%zu lookups each reading the file: %8.1f ms, ratio %6.1f\n",
                size >> 20, startup * 1e3, oneRead * 1e3, startup / oneRead, std::size(kStartupKeys), reread * 1e3,
                reread / oneRead);
}

}  // namespace

void CompareStartupTextsWithOneRead(const std::wstring& folder)
{
    CompareOneSize(folder, 1u << 20, 9);
    CompareOneSize(folder, 50u << 20, 3);
    text::ForgetLanguageState();
}

}  // namespace bench
