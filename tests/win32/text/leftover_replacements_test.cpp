// Removing what killed replacements left, with real processes standing in for their writers.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "text/win32/leftover_replacements.h"

namespace text {
namespace {

namespace fs = std::filesystem;

constexpr DWORD kNoSuchProcess = 4294967292u;  // process ids are multiples of four, never this high

class OtherProcess {
public:
    explicit OtherProcess(DWORD idleMs) {
        wchar_t self[MAX_PATH * 4] = {};
        GetModuleFileNameW(nullptr, self, MAX_PATH * 4);
        std::wstring command = L"\"" + std::wstring(self) + L"\" --idle-ms " + std::to_wstring(idleMs);
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        started_ = CreateProcessW(self, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info_);
    }
    ~OtherProcess() {
        if (!started_) return;
        TerminateProcess(info_.hProcess, 0);
        WaitForSingleObject(info_.hProcess, 5000);
        CloseHandle(info_.hThread);
        CloseHandle(info_.hProcess);
    }
    bool Started() const { return started_; }
    DWORD Id() const { return info_.dwProcessId; }
    // Its id stays taken while this object holds the process handle.
    bool WaitForEnd() const { return WaitForSingleObject(info_.hProcess, 10000) == WAIT_OBJECT_0; }

private:
    PROCESS_INFORMATION info_{};
    bool started_ = false;
};

class LeftoverReplacementsTest : public ::testing::Test {
protected:
    LeftoverReplacementsTest() : folder(fs::current_path() / "leftover-replacements") {
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    ~LeftoverReplacementsTest() override { fs::remove_all(folder); }

    std::wstring Target() const { return (folder / L"PPC_ENS.dll").wstring(); }
    fs::path Leftover(DWORD processId, int attempt = 0) const {
        const std::wstring id = std::to_wstring(processId);
        return folder / (L"PPC_ENS.dll." + id + L"-123456-" + std::to_wstring(attempt) + L".tmp");
    }
    static void Make(const fs::path& path) {
        HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE) << path;
        DWORD written = 0;
        WriteFile(file, "partial", 7, &written, nullptr);
        CloseHandle(file);
    }
    // As if made an hour ago, long before any process now running.
    static void Backdate(const fs::path& path) {
        HANDLE file =
            CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        FILETIME now{};
        GetSystemTimeAsFileTime(&now);
        ULARGE_INTEGER time{{now.dwLowDateTime, now.dwHighDateTime}};
        time.QuadPart -= 3600ull * 10'000'000;
        const FILETIME past{time.LowPart, time.HighPart};
        ASSERT_TRUE(SetFileTime(file, &past, &past, &past));
        CloseHandle(file);
    }
    std::vector<std::wstring> Names() const {
        std::vector<std::wstring> names;
        for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().wstring());
        std::sort(names.begin(), names.end());
        return names;
    }

    fs::path folder;
};

TEST_F(LeftoverReplacementsTest, FilesOfWritersThatEndedGoAndThoseOfRunningOnesStay) {
    OtherProcess ended(0);
    ASSERT_TRUE(ended.Started() && ended.WaitForEnd());
    OtherProcess running(60000);
    ASSERT_TRUE(running.Started());
    OtherProcess reused(60000);  // has an id a writer killed an hour ago may have had
    ASSERT_TRUE(reused.Started());
    Make(Leftover(ended.Id()));
    Make(Leftover(kNoSuchProcess));
    Make(Leftover(running.Id()));
    Make(Leftover(GetCurrentProcessId()));
    Make(Leftover(reused.Id()));
    Backdate(Leftover(reused.Id()));

    EXPECT_EQ(win32::RemoveLeftoverReplacements(Target()), 3);
    EXPECT_FALSE(fs::exists(Leftover(ended.Id())));
    EXPECT_FALSE(fs::exists(Leftover(kNoSuchProcess)));
    EXPECT_FALSE(fs::exists(Leftover(reused.Id())));
    EXPECT_TRUE(fs::exists(Leftover(running.Id())));
    EXPECT_TRUE(fs::exists(Leftover(GetCurrentProcessId())));
}

TEST_F(LeftoverReplacementsTest, AnOpenFileAndLookalikesAreNeverTouched) {
    Make(Leftover(kNoSuchProcess, 1));
    const fs::path held = Leftover(kNoSuchProcess, 1);
    HANDLE holder = CreateFileW(held.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    const std::wstring dead = std::to_wstring(kNoSuchProcess);
    const std::vector<std::wstring> lookalikes{L"PPC_ENS.dll.tmp", L"PPC_ENS.dll.12-3.tmp",
                                               L"PPC_ENS.dll." + dead + L"-1-0.tmp.bak",
                                               L"PPC_ENS.dll.bak." + dead + L"-1-0.tmp",
                                               L"PPC_CHS.dll." + dead + L"-1-0.tmp"};
    for (const std::wstring& name : lookalikes) {
        Make(folder / name);
    }
    fs::create_directory(Leftover(kNoSuchProcess, 2));
    const std::vector<std::wstring> before = Names();

    EXPECT_EQ(win32::RemoveLeftoverReplacements(Target()), 0);
    EXPECT_EQ(Names(), before);
    CloseHandle(holder);
    EXPECT_EQ(win32::RemoveLeftoverReplacements(Target()), 1) << "once it is closed, the file goes";
    EXPECT_FALSE(fs::exists(Leftover(kNoSuchProcess, 1)));
}

}  // namespace
}  // namespace text
