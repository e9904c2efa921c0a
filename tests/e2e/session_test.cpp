// The emulator session as the real program meets it at start and at close: a session that an
// earlier run left unfinished, an emulator still running, and a state that cannot be saved.
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>

#include "support/desktop_input.h"
#include "support/host_paths.h"
#include "support/launcher_process.h"
#include "support/program_folder.h"
#include "support/session_state.h"

namespace e2e {
namespace {

namespace fs = std::filesystem;

// What a launcher that was killed during its session leaves: the plain state and, beside it,
// the record of the emulation file it came from.
void LeaveUnfinishedSession(const fs::path& emulationFile, const std::string& plainState)
{
    WriteBinaryFile(kPlain, plainState);
    WriteBinaryFile(kRecord, Utf16LeWithBom(emulationFile.wstring()));
}

class Session : public ::testing::Test {
protected:
    void SetUp() override
    {
        EndStrayLaunchers();
        RemoveSessionFiles();
        folder.Write(L"PPC_ENS.dll", Scrambled("state as last saved"));
    }
    void TearDown() override
    {
        if (emulator.hProcess) {
            TerminateProcess(emulator.hProcess, 1);
            // Gone before the next test starts its programs.
            WaitForSingleObject(emulator.hProcess, 5000);
            CloseHandle(emulator.hProcess);
            CloseHandle(emulator.hThread);
        }
    }

    bool EmulatorRunning() const { return emulator.hProcess && WaitForSingleObject(emulator.hProcess, 0) == WAIT_TIMEOUT; }
    void StartStandInEmulator()
    {
        const fs::path program = fs::path(StandInsDir()) / L"DeviceEmulator.exe";
        std::wstring command = L"\"" + program.wstring() + L"\" /s C:\\WINDOWS\\winsetup.dess /sharedfolder F:\\";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        ASSERT_TRUE(CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &emulator));
        ASSERT_TRUE(WaitUntil(DeviceShown, 5s));
    }

    ProgramFolder folder{CurrentTestName()};
    PROCESS_INFORMATION emulator{};
};

TEST_F(Session, CloseWithoutASessionTouchesNoState)
{
    const auto saved = fs::last_write_time(folder.File(L"PPC_ENS.dll"));
    LauncherProcess launcher(folder.Exe());
    HWND frame = launcher.WaitForMainWindow();
    ASSERT_TRUE(frame);
    PressAltF4(frame);
    ASSERT_EQ(launcher.WaitForExit(), std::optional<DWORD>(0));
    EXPECT_EQ(fs::last_write_time(folder.File(L"PPC_ENS.dll")), saved);
    EXPECT_FALSE(fs::exists(kPlain));
}

TEST_F(Session, StartCompletesASessionAnEarlierRunLeftUnfinished)
{
    LeaveUnfinishedSession(folder.File(L"PPC_ENS.dll"), "saved by the device before the crash");
    LauncherProcess launcher(folder.Exe());
    ASSERT_TRUE(launcher.WaitForMainWindow());
    EXPECT_EQ(folder.Read(L"PPC_ENS.dll"), Scrambled("saved by the device before the crash"));
    EXPECT_FALSE(fs::exists(kPlain));
    EXPECT_FALSE(fs::exists(kRecord));
}

TEST_F(Session, CloseEndsAnEmulatorLeftRunningAndSavesItsState)
{
    LeaveUnfinishedSession(folder.File(L"PPC_ENS.dll"), "state of the running device");
    StartStandInEmulator();
    LauncherProcess launcher(folder.Exe());
    HWND frame = launcher.WaitForMainWindow();
    ASSERT_TRUE(frame);
    EXPECT_TRUE(fs::exists(kPlain)) << "its emulator still uses the state";

    PressAltF4(frame);
    ASSERT_EQ(launcher.WaitForExit(), std::optional<DWORD>(0));
    EXPECT_EQ(WaitForSingleObject(emulator.hProcess, 3000), WAIT_OBJECT_0) << "the emulator is ended";
    EXPECT_EQ(folder.Read(L"PPC_ENS.dll"), Scrambled("state of the running device"));
    EXPECT_FALSE(fs::exists(kPlain));
}

TEST_F(Session, StateThatCannotBeSavedAtCloseIsKeptAndTheUserToldWhere)
{
    const fs::path unreachable = folder.File(L"no such folder\\PPC_ENS.dll");
    LeaveUnfinishedSession(unreachable, "must not be lost");
    LauncherProcess launcher(folder.Exe());
    HWND frame = launcher.WaitForMainWindow();
    ASSERT_TRUE(frame);
    PostMessageW(frame, WM_CLOSE, 0, 0);

    auto box = launcher.WaitForMessageBox();
    ASSERT_TRUE(box);
    EXPECT_EQ(box->caption, L"PC_Kovrin3.0");
    EXPECT_NE(box->text.find(unreachable.wstring()), std::wstring::npos);
    EXPECT_NE(box->text.find(kPlain.wstring()), std::wstring::npos);
    PressMessageBoxButton(*box);
    ASSERT_TRUE(launcher.WaitForExit());
    EXPECT_EQ(ReadBinaryFile(kPlain), "must not be lost");
    EXPECT_TRUE(fs::exists(kRecord)) << "the next start still knows where it belongs";
    fs::remove(kPlain);
    fs::remove(kRecord);
}

}  // namespace
}  // namespace e2e
