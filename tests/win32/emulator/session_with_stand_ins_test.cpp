// Whole emulator sessions under Wine: the real command pane, its watch timer and the Win32
// desktop, with the stand-ins found through the shell as the real programs would be.
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <memory>

#include "emulator/session_paths.h"
#include "emulator/state_scrambler.h"
#include "host_files.h"
#include "emulator/win32/win32_desktop.h"
#include "emulator/win32/win32_session_files.h"
#include "panes/form_view_menu.h"
#include "stand_ins.h"
#include "test_support.h"
#include "text/language_files.h"
#include "text/program_paths.h"
#include "text/win32/win32_text_platform.h"

namespace {

namespace fs = std::filesystem;
using test_host::ReadBinaryFile;
using test_host::WriteBinaryFile;
using test::EmulatorWindowShown;
using test::PumpUntil;

const fs::path kPlain = L"C:\\WINDOWS\\winsetup.dess";
const fs::path kRecord = L"C:\\WINDOWS\\winsetup.dess.origin";
constexpr DWORD kTwoTicks = 4000 + 1500;  // two watch periods and some slack for a busy machine



std::string Scrambled(std::string bytes)
{
    emulator::ScrambleInPlace({reinterpret_cast<std::byte*>(bytes.data()), bytes.size()}, 0);
    return bytes;
}

class SessionWithStandIns : public ::testing::Test {
protected:
    void SetUp() override
    {
        text::InitAppPaths(text::Win32TextPlatform());
        text::SelectLanguage(text::Win32TextPlatform(), u"English");
        std::error_code ignored;
        fs::remove(kPlain, ignored);
        fs::remove(kRecord, ignored);
        fs::remove(chinese, ignored);
        WriteBinaryFile(english, Scrambled(state));
        ASSERT_TRUE(host.CreateHost(440, 253));
    }

    void TearDown() override { test::EndStandIns(); }

    std::unique_ptr<CFormViewMenu> StartPane()
    {
        auto pane = std::make_unique<CFormViewMenu>();
        pane->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, RECT{0, 0, 440, 253}, &host, 1);
        pane->OnInitialUpdate();
        return pane;
    }

    const std::string state = "device state with the application inside";
    const fs::path english = fs::current_path() / "PPC_ENS.dll";
    const fs::path chinese = fs::current_path() / "PPC_CHS.dll";
    test::StandIns standIns;
    test::HostWindow host;
};

TEST_F(SessionWithStandIns, WholeSessionUnpacksLaunchesWatchesAndWritesBack)
{
    standIns.EmulatorBehaves("exit_after_ms=2500\nsave= and what the device saved\n");
    auto pane = StartPane();
    pane->RunEmulator();

    EXPECT_EQ(ReadBinaryFile(kPlain), state);
    EXPECT_TRUE(pane->IsEmulatorLaunched());
    ASSERT_TRUE(PumpUntil(EmulatorWindowShown, 5000));
    EXPECT_NE(standIns.EmulatorLog().find("arguments=/s C:\\WINDOWS\\winsetup.dess /sharedfolder F:\\\r\n"), std::string::npos);
    EXPECT_NE(standIns.ManagerLog().find("started show=2"), std::string::npos) << "the manager starts minimised";
    EXPECT_EQ(ReadBinaryFile(L"C:\\StorageCard\\SN.dat"), "1");

    ASSERT_TRUE(PumpUntil([] { return !EmulatorWindowShown(); }, 8000));
    EXPECT_TRUE(PumpUntil([&] { return !pane->IsEmulatorLaunched(); }, kTwoTicks));
    EXPECT_EQ(ReadBinaryFile(english), Scrambled(state + " and what the device saved"));
    EXPECT_FALSE(fs::exists(kPlain));
    EXPECT_FALSE(fs::exists(kRecord));
}

TEST_F(SessionWithStandIns, SecondRunBeforeTheWindowShowsGivesTheMessage)
{
    standIns.EmulatorBehaves("window_delay_ms=4000\nexit_after_ms=500\n");
    auto pane = StartPane();
    test::MessageBoxWatcher boxes;
    pane->RunEmulator();
    pane->RunEmulator();
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, L"程序已经在运行");
    EXPECT_EQ(boxes.Boxes()[0].caption, L"PC_Kovrin3.0");
    EXPECT_TRUE(PumpUntil([&] { return !pane->IsEmulatorLaunched(); }, 15000)) << "the slow emulator ends its session";
    EXPECT_EQ(ReadBinaryFile(english), Scrambled(state));
}

TEST_F(SessionWithStandIns, ChineseTitledManagerPreventsItsStartEnglishTitledDoesNot)
{
    standIns.EmulatorBehaves("exit_after_ms=300\n");
    standIns.ManagerBehaves("title=zh\n");
    ASSERT_TRUE(standIns.StartManagerByHand());
    auto pane = StartPane();
    pane->RunEmulator();
    ASSERT_TRUE(PumpUntil([&] { return !pane->IsEmulatorLaunched(); }, 10000));
    EXPECT_EQ(standIns.ManagerStarts(), 1);

    test::EndStandIns();
    standIns.ManagerBehaves("");
    ASSERT_TRUE(standIns.StartManagerByHand());
    pane->RunEmulator();
    ASSERT_TRUE(PumpUntil([&] { return !pane->IsEmulatorLaunched(); }, 10000));
    EXPECT_EQ(standIns.ManagerStarts(), 3) << "the English-titled manager is started again";
}

TEST_F(SessionWithStandIns, HeldStateFileIsRetriedUntilReleased)
{
    standIns.EmulatorBehaves("exit_after_ms=300\n");
    auto pane = StartPane();
    pane->RunEmulator();
    HANDLE holder = CreateFileW(kPlain.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    PumpUntil([] { return false; }, 5000);
    EXPECT_TRUE(pane->IsEmulatorLaunched()) << "ticks keep trying while another process holds the file";
    EXPECT_TRUE(fs::exists(kPlain));
    CloseHandle(holder);
    EXPECT_TRUE(PumpUntil([&] { return !pane->IsEmulatorLaunched(); }, kTwoTicks));
    EXPECT_FALSE(fs::exists(kPlain));
}

TEST_F(SessionWithStandIns, SlowEmulatorIsNotTakenForEnded)
{
    standIns.EmulatorBehaves("window_delay_ms=5000\nexit_after_ms=1000\nsave= saved late\n");
    auto pane = StartPane();
    pane->RunEmulator();
    ASSERT_TRUE(PumpUntil(EmulatorWindowShown, 9000));
    EXPECT_TRUE(fs::exists(kPlain)) << "the ticks before its window came did not end the session";
    EXPECT_TRUE(PumpUntil([&] { return !pane->IsEmulatorLaunched(); }, 8000));
    EXPECT_EQ(ReadBinaryFile(english), Scrambled(state + " saved late"));
}

TEST_F(SessionWithStandIns, LanguageSwitchSendsTheStateBackToTheLaunchTimeFile)
{
    standIns.EmulatorBehaves("exit_after_ms=60000\n");
    auto pane = StartPane();
    pane->RunEmulator();
    ASSERT_TRUE(PumpUntil(EmulatorWindowShown, 5000));
    WriteBinaryFile(kPlain, "changed in the device");

    emulator::win32::Win32SessionFiles files;
    emulator::win32::Win32Desktop desktop({.waiting = host});
    emulator::EndEmulator(desktop, files, emulator::EndVariant::LanguageSwitch);
    EXPECT_TRUE(PumpUntil([] { return !EmulatorWindowShown(); }, 3000)) << "the emulator is ended";
    EXPECT_EQ(ReadBinaryFile(english), Scrambled("changed in the device"));
    text::SelectLanguage(text::Win32TextPlatform(), u"中文");
    emulator::ReloadEmulationFile(desktop);
    EXPECT_EQ(emulator::g_strEmulationFile, u"PPC_CHS.dll");

    EXPECT_TRUE(PumpUntil([&] { return !pane->IsEmulatorLaunched(); }, kTwoTicks));
    EXPECT_FALSE(fs::exists(kPlain));
    EXPECT_FALSE(fs::exists(chinese));
    EXPECT_EQ(ReadBinaryFile(english), Scrambled("changed in the device"));
}

TEST_F(SessionWithStandIns, CloseEndsEmulatorAndManagerAndKeepsTheState)
{
    emulator::win32::Win32SessionFiles files;
    emulator::win32::Win32Desktop desktop({.waiting = host});
    const auto untouched = fs::last_write_time(english);
    emulator::EndEmulator(desktop, files, emulator::EndVariant::Close);
    EXPECT_EQ(fs::last_write_time(english), untouched) << "without a session nothing is written";

    standIns.EmulatorBehaves("exit_after_ms=60000\n");
    auto pane = StartPane();
    pane->RunEmulator();
    ASSERT_TRUE(PumpUntil(EmulatorWindowShown, 5000));
    ASSERT_TRUE(PumpUntil([] { return FindWindowExW(nullptr, nullptr, nullptr, L"Device Emulator Manager") != nullptr; }, 5000));
    WriteBinaryFile(kPlain, "state at close");
    emulator::EndEmulator(desktop, files, emulator::EndVariant::Close);
    EXPECT_TRUE(PumpUntil([] {
        return !EmulatorWindowShown() && !FindWindowExW(nullptr, nullptr, nullptr, L"Device Emulator Manager");
    }, 3000));
    EXPECT_EQ(ReadBinaryFile(english), Scrambled("state at close"));
    EXPECT_FALSE(fs::exists(kPlain));
    EXPECT_FALSE(fs::exists(kRecord));
}

TEST_F(SessionWithStandIns, NextStartCompletesASessionWhoseLauncherWentAway)
{
    standIns.EmulatorBehaves("exit_after_ms=60000\nsave= after the launcher was gone\n");
    {
        auto pane = StartPane();
        pane->RunEmulator();
        ASSERT_TRUE(PumpUntil(EmulatorWindowShown, 5000));
    }  // the launcher is gone without ending its session; the emulator runs on

    emulator::g_strLaunchedEmulationFile.clear();
    auto pane = StartPane();
    EXPECT_TRUE(pane->IsEmulatorLaunched()) << "the running emulator is watched as this run's session";
    PostMessageW(FindWindowExW(nullptr, nullptr, nullptr, L"Device Emulator"), WM_CLOSE, 0, 0);
    EXPECT_TRUE(PumpUntil([&] { return !pane->IsEmulatorLaunched(); }, 8000));
    EXPECT_EQ(ReadBinaryFile(english), Scrambled(state + " after the launcher was gone"));
    EXPECT_FALSE(fs::exists(kPlain));

    // Launcher and emulator both gone: the next start writes the state back at once.
    {
        auto killed = StartPane();
        killed->RunEmulator();
        ASSERT_TRUE(PumpUntil(EmulatorWindowShown, 5000));
    }
    test::EndStandIns();
    WriteBinaryFile(kPlain, "left behind");
    emulator::g_strLaunchedEmulationFile.clear();
    auto next = StartPane();
    EXPECT_FALSE(next->IsEmulatorLaunched());
    EXPECT_EQ(ReadBinaryFile(english), Scrambled("left behind"));
    EXPECT_FALSE(fs::exists(kPlain));
    EXPECT_FALSE(fs::exists(kRecord));
}

}  // namespace
