// What a user finds after the program was killed while writing, and what a user sees who starts
// it from a folder it may not write (the folder is prepared by the test runner; see
// support/unwritable_folder.sh).
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "support/desktop_input.h"
#include "support/host_paths.h"
#include "support/launcher_process.h"
#include "support/program_folder.h"
#include "support/remote_list_view.h"
#include "support/session_state.h"

namespace e2e {
namespace {

namespace fs = std::filesystem;

const std::vector<std::wstring> kEnglishCommands{L"Star", L"Help", L"Config", L"About", L"Exit"};

// The command texts as the user reads them, once all five are there.
std::vector<std::wstring> CommandTexts(HWND frame)
{
    HWND list = nullptr;
    if (!WaitUntil([&] { return (list = CommandList(frame)) && ListItemCount(list) == 5; }))
        return {};
    std::vector<std::wstring> texts;
    for (int item = 0; item < 5; ++item)
        texts.push_back(ListItemText(list, item));
    return texts;
}

std::wstring SystemText(DWORD error)
{
    wchar_t text[512] = {};
    FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0, text, 512, nullptr);
    std::wstring reason = text;
    while (!reason.empty() && (reason.back() == L'\n' || reason.back() == L'\r' || reason.back() == L' '))
        reason.pop_back();
    return reason;
}

std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

std::wstring ReplacementOf(const fs::path& target, DWORD processId, int attempt)
{
    return target.wstring() + L"." + std::to_wstring(processId) + L"-4242-" + std::to_wstring(attempt) + L".tmp";
}

TEST(Leftovers, WhatKilledWritesLeftIsGoneAfterTheNextStart)
{
    EndStrayLaunchers();
    RemoveSessionFiles();
    ProgramFolder folder(CurrentTestName());
    DWORD killed = 0;
    {
        LauncherProcess first(folder.Exe());
        ASSERT_TRUE(first.WaitForMainWindow());
        killed = first.Id();
    }  // killed here, as by the task manager
    const fs::path emulationFile = folder.File(L"PPC_ENS.dll");
    const std::vector<fs::path> partial{ReplacementOf(emulationFile, killed, 0),
                                        ReplacementOf(folder.File(L"setting.ini"), killed, 0),
                                        ReplacementOf(folder.File(L"Language\\PC_Kovrin_EN.ini"), killed, 1),
                                        ReplacementOf(kPlain, killed, 0), ReplacementOf(kRecord, killed, 0)};
    for (const fs::path& path : partial)
        WriteBinaryFile(path, std::string(1 << 20, 'p'));
    // A writer that still runs (this driver), and files that only look alike.
    const std::vector<fs::path> kept{ReplacementOf(emulationFile, GetCurrentProcessId(), 0),
                                     folder.File(L"PPC_ENS.dll.old.tmp"),
                                     ReplacementOf(folder.File(L"notes.txt"), killed, 0)};
    for (const fs::path& path : kept)
        WriteBinaryFile(path, "not the program's to remove");

    LauncherProcess second(folder.Exe());
    HWND frame = second.WaitForMainWindow();
    ASSERT_TRUE(frame);
    EXPECT_EQ(CommandTexts(frame), kEnglishCommands);
    for (const fs::path& path : partial)
        EXPECT_FALSE(fs::exists(path)) << path.string();
    for (const fs::path& path : kept)
        EXPECT_TRUE(fs::exists(path)) << path.string();
    fs::remove(kept[0]);
}

TEST(UnwritableFolder, TheWindowReadsAsItShouldAndTheUserIsToldOnce)
{
    EndStrayLaunchers();
    RemoveSessionFiles();
    const fs::path folder = HostToWindowsPath(KOVRIN_E2E_UNWRITABLE_DIR);
    ASSERT_TRUE(fs::exists(folder / L"PC_Kovrin3.0.exe"))
        << "run through ctest, whose fixture prepares " << folder.string();
    HANDLE probe = CreateFileW((folder / L"probe").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    ASSERT_EQ(probe, INVALID_HANDLE_VALUE) << "the folder must refuse new files";
    const DWORD refusal = GetLastError();

    LauncherProcess launcher(folder / L"PC_Kovrin3.0.exe");
    auto box = launcher.WaitForMessageBox();
    ASSERT_TRUE(box);
    EXPECT_EQ(box->caption, L"PC_Kovrin3.0");
    const std::wstring setting = (folder / L"setting.ini").wstring();
    EXPECT_NE(box->text.find(setting), std::wstring::npos) << Narrow(box->text);
    EXPECT_NE(box->text.find(SystemText(refusal)), std::wstring::npos) << "the system's reason: " << Narrow(box->text);
    EXPECT_NE(box->text.find(L"will not be kept"), std::wstring::npos) << Narrow(box->text);
    PressMessageBoxButton(*box);

    HWND frame = launcher.WaitForMainWindow();
    ASSERT_TRUE(frame);
    EXPECT_EQ(WindowTitle(frame), L"Kovrin3.0_PC");
    EXPECT_EQ(CommandTexts(frame), kEnglishCommands);
    EXPECT_FALSE(launcher.WaitForMessageBox(500ms)) << "told once";
    std::vector<std::wstring> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().wstring());
    EXPECT_EQ(names, std::vector<std::wstring>{L"PC_Kovrin3.0.exe"});

    PostMessageW(frame, WM_CLOSE, 0, 0);
    EXPECT_EQ(launcher.WaitForExit(), std::optional<DWORD>(0));
}

}  // namespace
}  // namespace e2e
