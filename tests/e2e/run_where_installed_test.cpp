// Run as a user of today's Windows meets it: without the right to write the system folder, with
// the emulator installed where the shell does not look for it by name, or not installed at all.
#include <gtest/gtest.h>

#include <windows.h>
#include <knownfolders.h>
#include <shlobj.h>

#include <filesystem>
#include <memory>
#include <thread>

#include "support/file_type_registration.h"
#include "support/host_paths.h"
#include "support/launcher_process.h"
#include "support/program_folder.h"
#include "support/remote_list_view.h"
#include "support/session_state.h"

namespace e2e {
namespace {

namespace fs = std::filesystem;

int Count(const std::string& text, const std::string& word)
{
    int count = 0;
    for (auto at = text.find(word); at != std::string::npos; at = text.find(word, at + 1))
        ++count;
    return count;
}

fs::path UserStateFolder()
{
    PWSTR local = nullptr;
    SHGetKnownFolderPath(FOLDERID_LocalAppData, 0, nullptr, &local);
    fs::path folder = fs::path(local) / L"PC_Kovrin3.0";
    CoTaskMemFree(local);
    return folder;
}

class RunFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        EndStrayLaunchers();
        fs::remove_all(UserStateFolder());
        folder.Write(L"PPC_ENS.dll", Scrambled("starts=1\n"));
    }
    void TearDown() override
    {
        launcher.reset();
        test_host::EndProcessesNamed({L"DeviceEmulator.exe", L"Device Emulator Manager.exe"});
    }

    // Starts the program and clicks Run (the first command) as a user would.
    void StartAndRun()
    {
        launcher.reset();  // one copy at a time: a second would only say that one runs
        launcher = std::make_unique<LauncherProcess>(folder.Exe());
        HWND frame = launcher->WaitForMainWindow();
        ASSERT_TRUE(frame);
        HWND list = nullptr;
        ASSERT_TRUE(WaitUntil([&] { return (list = CommandList(frame)) && ListItemCount(list) == 5; }));
        const RECT icon = ListItemScreenRect(list, 0, LVIR_ICON);
        POINT middle{(icon.left + icon.right) / 2, (icon.top + icon.bottom) / 2};
        ScreenToClient(list, &middle);
        PostMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(middle.x, middle.y));
        PostMessageW(list, WM_LBUTTONUP, 0, MAKELPARAM(middle.x, middle.y));
    }
    // Puts the stand-in emulator into a folder of its own, as an installation would.
    fs::path InstallEmulatorAt(const fs::path& place, const std::string& control)
    {
        fs::create_directories(place);
        fs::copy_file(fs::path(StandInsDir()) / L"DeviceEmulator.exe", place / L"DeviceEmulator.exe");
        WriteBinaryFile(place / L"DeviceEmulator.control", control);
        return place / L"DeviceEmulator.exe";
    }
    static std::string LogOf(const fs::path& program)
    {
        const fs::path log = fs::path(program).replace_extension(L".log");
        return fs::exists(log) ? ReadBinaryFile(log) : std::string();
    }
    bool EmulatorLogged(const fs::path& program, const std::string& line)
    {
        return WaitUntil([&] { return LogOf(program).find(line) != std::string::npos; }, 15s);
    }

    ProgramFolder folder{CurrentTestName()};
    std::unique_ptr<LauncherProcess> launcher;
};

// C:\WINDOWS refuses the session's files, as it does a user without administrator rights. Wine
// itself cannot start with a read-only C:\WINDOWS, so the refusal is made at the record's name:
// a folder there cannot be replaced by a file (access denied), just as a file there cannot be made.
class UnwritableSystemFolder : public RunFixture {
protected:
    void SetUp() override
    {
        RunFixture::SetUp();
        RemoveSessionFiles();
        ASSERT_TRUE(CreateDirectoryW(kRecord.c_str(), nullptr));
    }
    void TearDown() override
    {
        RunFixture::TearDown();
        RemoveDirectoryW(kRecord.c_str());
    }
};

TEST_F(UnwritableSystemFolder, RunUsesTheUsersFolderAndAKilledSessionIsCompletedAtTheNextStart)
{
    const fs::path emulator = InstallEmulatorAt(folder.Path(), "exit_after_ms=1500\nsave=saved\n");
    const fs::path plain = UserStateFolder() / L"winsetup.dess";
    ASSERT_NO_FATAL_FAILURE(StartAndRun());
    ASSERT_TRUE(EmulatorLogged(emulator, "ended")) << LogOf(emulator);
    EXPECT_NE(LogOf(emulator).find("arguments=/s " + plain.string() + " /sharedfolder F:\\"), std::string::npos);
    EXPECT_NE(LogOf(emulator).find("started 2 times"), std::string::npos) << "the emulator saw the state";
    ASSERT_TRUE(WaitUntil([&] { return !fs::exists(plain); }, 10s)) << "written back and removed";
    EXPECT_EQ(folder.Read(L"PPC_ENS.dll"), Scrambled("starts=2\nsaved"));
    EXPECT_FALSE(fs::exists(kPlain) || fs::exists(fs::path(plain) += L".origin"));
    EXPECT_TRUE(fs::is_directory(kRecord)) << "nothing was written in its place";
    EXPECT_FALSE(launcher->WaitForMessageBox(300ms));

    // Killed mid-session: the emulator goes on, saves as it ends, and the next start carries it back.
    WriteBinaryFile(folder.Path() / L"DeviceEmulator.control", "save=, then killed\n");
    ASSERT_NO_FATAL_FAILURE(StartAndRun());
    ASSERT_TRUE(WaitUntil(DeviceShown, 10s));
    launcher.reset();
    PostMessageW(DeviceWindow(), WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return Count(LogOf(emulator), "ended") == 2; }, 10s)) << LogOf(emulator);
    LauncherProcess next(folder.Exe());
    ASSERT_TRUE(next.WaitForMainWindow());
    EXPECT_TRUE(WaitUntil([&] { return folder.Read(L"PPC_ENS.dll") == Scrambled("starts=3\nsaved, then killed"); }));
    EXPECT_FALSE(fs::exists(plain) || fs::exists(fs::path(plain) += L".origin"));
}

using EmulatorLookup = RunFixture;

TEST_F(EmulatorLookup, NoneAnywhereIsToldAndOneTheShellCannotFindByNameIsStartedThroughItsStateFileType)
{
    ASSERT_NO_FATAL_FAILURE(StartAndRun());
    const auto box = launcher->WaitForMessageBox();
    ASSERT_TRUE(box);
    EXPECT_EQ(box->caption, L"PC_Kovrin3.0");
    EXPECT_NE(box->text.find(L"DeviceEmulator.exe was not found"), std::wstring::npos) << box->text;
    EXPECT_NE(box->text.find(L"Install the Microsoft Device Emulator"), std::wstring::npos);
    EXPECT_FALSE(fs::exists(kPlain) || fs::exists(kRecord));
    PressMessageBoxButton(*box);
    std::this_thread::sleep_for(2500ms);
    EXPECT_FALSE(launcher->WaitForMessageBox(100ms)) << "no session runs on";
    EXPECT_FALSE(fs::exists(kPlain) || fs::exists(kRecord) || fs::exists(UserStateFolder() / L"winsetup.dess"));
    EXPECT_EQ(folder.Read(L"PPC_ENS.dll"), Scrambled("starts=1\n"));

    const fs::path emulator = InstallEmulatorAt(folder.File(L"Device Emulator\\bin"), "exit_after_ms=1000\nsave=saved\n");
    // The state file's type registered on the system, opened by the emulator.
    const FileTypeRegistration registration(L".dess", L"KovrinTest.DeviceState",
                                            L"\"" + emulator.wstring() + L"\" /s \"%1\"");
    ASSERT_TRUE(registration.Registered());
    ASSERT_NO_FATAL_FAILURE(StartAndRun());
    ASSERT_TRUE(EmulatorLogged(emulator, "ended")) << "not started through the registration";
    EXPECT_NE(LogOf(emulator).find("arguments=/s C:\\WINDOWS\\winsetup.dess /sharedfolder F:\\"), std::string::npos);
    EXPECT_TRUE(WaitUntil([&] { return folder.Read(L"PPC_ENS.dll") == Scrambled("starts=2\nsaved"); }));
}

}  // namespace
}  // namespace e2e
