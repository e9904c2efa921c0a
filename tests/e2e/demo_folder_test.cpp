// The demo program folder the build sets up, as a newcomer meets it: Run shows the stand-in
// device, and the start count the device keeps in its state comes back in the next session.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <filesystem>
#include <string>

#include "host_files.h"
#include "support/desktop_input.h"
#include "support/host_paths.h"
#include "support/launcher_process.h"
#include "support/program_folder.h"
#include "support/remote_list_view.h"
#include "support/session_state.h"

namespace e2e {
namespace {

namespace fs = std::filesystem;

class DemoFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        EndStrayLaunchers();
        RemoveSessionFiles();
        // A copy, so the build's own demo keeps its count.
        const fs::path demo = HostToWindowsPath(KOVRIN_DEMO_DIR);
        for (const wchar_t* file : {L"DeviceEmulator.exe", L"Device Emulator Manager.exe", L"PPC_ENS.dll"})
            fs::copy_file(demo / file, folder.File(file));
        // The device closes by itself, as a user would close it.
        folder.Write(L"DeviceEmulator.control", "exit_after_ms=3000\n");
    }
    void TearDown() override { test_host::EndProcessesNamed({L"DeviceEmulator.exe", L"Device Emulator Manager.exe"}); }

    std::string EmulatorLog() const { return folder.Exists(L"DeviceEmulator.log") ? folder.Read(L"DeviceEmulator.log") : ""; }

    ProgramFolder folder{CurrentTestName()};
};

TEST_F(DemoFolder, EachSessionShowsTheDeviceOneStartFurther)
{
    for (int session = 1; session <= 2; ++session) {
        LauncherProcess launcher(folder.Exe());
        HWND frame = launcher.WaitForMainWindow();
        ASSERT_TRUE(frame);
        HWND list = nullptr;
        ASSERT_TRUE(WaitUntil([&] { return (list = CommandList(frame)) && ListItemCount(list) == 5; }));
        BringToFront(frame);
        const RECT run = ListItemScreenRect(list, 0, LVIR_ICON);
        ClickAt(POINT{(run.left + run.right) / 2, (run.top + run.bottom) / 2});

        const std::string shown = "started " + std::to_string(session) + " times";
        ASSERT_TRUE(WaitUntil([&] { return EmulatorLog().find(shown) != std::string::npos; })) << EmulatorLog();
        if (HWND device = DeviceWindow(); device && session == 2)
            SaveScreenshot(ScreenRect(device), std::string(KOVRIN_E2E_ARTIFACTS_DIR) + "/demo-device.png");
        ASSERT_TRUE(WaitUntil([] { return !fs::exists(kPlain); }, 15s)) << "the state was not written back";
        PressAltF4(frame);
        ASSERT_EQ(launcher.WaitForExit(), std::optional<DWORD>(0));
    }
    EXPECT_NE(Scrambled(folder.Read(L"PPC_ENS.dll")).find("\nstarts=2\r\n"), std::string::npos);
}

}  // namespace
}  // namespace e2e
