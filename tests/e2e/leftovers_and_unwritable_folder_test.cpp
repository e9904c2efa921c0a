// What a user finds after the program was killed while writing.
#include <gtest/gtest.h>

#include <windows.h>

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

HWND CommandList(HWND frame)
{
    HWND splitter = GetWindow(frame, GW_CHILD);
    for (HWND pane = splitter ? GetWindow(splitter, GW_CHILD) : nullptr; pane; pane = GetWindow(pane, GW_HWNDNEXT)) {
        if (HWND list = GetDlgItem(pane, 1007))
            return list;
    }
    return nullptr;
}

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

}  // namespace
}  // namespace e2e
