#include "support/launcher_fixture.h"

#include <filesystem>

#include "host_files.h"
#include "support/desktop_input.h"
#include "support/host_paths.h"
#include "support/session_state.h"

namespace e2e {

namespace {
constexpr const wchar_t* kStandIns[] = {L"DeviceEmulator.exe", L"Device Emulator Manager.exe"};
}

void LauncherFixture::SetUp()
{
    EndStrayLaunchers();
    RemoveSessionFiles();
    for (const wchar_t* program : kStandIns)
        std::filesystem::copy_file(std::filesystem::path(StandInsDir()) / program, folder.File(program));
}

void LauncherFixture::TearDown()
{
    launcher.reset();
    test_host::EndProcessesNamed({kStandIns[0], kStandIns[1]});
}

void LauncherFixture::StartAndWaitUntil(const std::function<bool()>& ready)
{
    launcher = std::make_unique<LauncherProcess>(folder.Exe());
    frame = launcher->WaitForMainWindow();
    ASSERT_TRUE(frame);
    ASSERT_TRUE(WaitUntil(ready));
    BringToFront(frame);
}

}  // namespace e2e
