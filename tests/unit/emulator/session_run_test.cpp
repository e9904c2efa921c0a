// The Run command and the watch tick: each row of the session's state table.
#include <gtest/gtest.h>

#include "session_fixture.h"

namespace emulator::testing {
namespace {

class RunEmulatorTest : public SessionFixture {};

TEST_F(RunEmulatorTest, FromIdleUnpacksRecordsAndLaunches)
{
    session.RunEmulator();

    ASSERT_EQ(desktop.shellCalls.size(), 2u);
    EXPECT_EQ(desktop.shellCalls[0].file, u"Device Emulator Manager.exe");
    EXPECT_EQ(desktop.shellCalls[0].parameters, u"");
    EXPECT_EQ(desktop.shellCalls[0].show, ShowCommand::Minimized);
    EXPECT_EQ(desktop.shellCalls[1].file, u"DeviceEmulator.exe");
    EXPECT_EQ(desktop.shellCalls[1].parameters, u"/s C:\\WINDOWS\\winsetup.dess /sharedfolder F:\\");
    EXPECT_EQ(desktop.shellCalls[1].show, ShowCommand::Normal);

    EXPECT_EQ(files.Bytes(kPlainFile), englishState);
    EXPECT_EQ(g_strLaunchedEmulationFile, kEnglishFile) << "the relative name is fixed as a full path";
    ASSERT_TRUE(files.Has(kRecordFile));
    EXPECT_TRUE(desktop.timerRunning);
    EXPECT_TRUE(session.IsLaunched());
    ASSERT_TRUE(files.Has(kFlagFile));
    EXPECT_EQ(files.Bytes(kFlagFile), "1");
    EXPECT_TRUE(files.entries[kFlagFile].hidden);
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(RunEmulatorTest, RunningEmulatorAndManagerGiveTheMessageAndNoSecondStart)
{
    desktop.Open(u"Device Emulator");
    desktop.Open(u"Device Emulator Manager");
    session.RunEmulator();
    EXPECT_EQ(desktop.messages, std::vector<std::u16string>{u"程序已经在运行"});
    EXPECT_EQ(desktop.ShellCallsTo(u"DeviceEmulator.exe"), 0);
    EXPECT_EQ(desktop.ShellCallsTo(u"Device Emulator Manager.exe"), 1) << "only the Chinese title stops it";
    EXPECT_FALSE(files.Has(kPlainFile));
}

TEST_F(RunEmulatorTest, ManagerRulesFollowItsTitle)
{
    desktop.Open(u"设备仿真器管理器");
    desktop.Open(u"Device Emulator");
    session.RunEmulator();
    EXPECT_EQ(desktop.ShellCallsTo(u"Device Emulator Manager.exe"), 0);

    desktop.windows.clear();
    desktop.Open(u"Device Emulator");
    desktop.messages.clear();
    session.RunEmulator();
    EXPECT_EQ(desktop.ShellCallsTo(u"Device Emulator Manager.exe"), 1) << "emulator without manager: manager started";
    EXPECT_TRUE(desktop.messages.empty());
    EXPECT_EQ(desktop.ShellCallsTo(u"DeviceEmulator.exe"), 0);

    desktop.windows.clear();
    desktop.Open(u"Device Emulator Manager");
    session.RunEmulator();
    EXPECT_EQ(desktop.ShellCallsTo(u"Device Emulator Manager.exe"), 2) << "an English-titled manager does not stop it";
    EXPECT_EQ(desktop.ShellCallsTo(u"DeviceEmulator.exe"), 1);
}

TEST_F(RunEmulatorTest, SecondRunBeforeTheWindowAppearsGivesTheMessage)
{
    session.RunEmulator();
    session.RunEmulator();
    EXPECT_EQ(desktop.messages, std::vector<std::u16string>{u"程序已经在运行"});
    EXPECT_EQ(desktop.ShellCallsTo(u"DeviceEmulator.exe"), 1);
}

TEST_F(RunEmulatorTest, MissingEmulationFileStartsNothingAndLeavesNoRecord)
{
    files.entries.erase(kEnglishFile);
    session.RunEmulator();
    EXPECT_EQ(desktop.messages, std::vector<std::u16string>{u"Please make sure the file exists"});
    EXPECT_EQ(desktop.ShellCallsTo(u"DeviceEmulator.exe"), 0);
    EXPECT_FALSE(desktop.timerRunning);
    EXPECT_FALSE(session.IsLaunched());
    EXPECT_FALSE(files.Has(kRecordFile));
    EXPECT_FALSE(files.Has(kPlainFile));
}

TEST_F(RunEmulatorTest, StorageFolderFailureDoesNotLoseTrackOfTheSession)
{
    files.Put(u"C:\\StorageCard", "a file where the folder should be");
    session.RunEmulator();
    EXPECT_EQ(desktop.fileErrors, std::vector<std::u16string>{kFlagFile});
    EXPECT_TRUE(session.IsLaunched());
    EXPECT_TRUE(desktop.timerRunning);
}

class WatchTickTest : public SessionFixture {};

TEST_F(WatchTickTest, SessionEndsOnceTheEmulatorIsGoneAndItsStateIsBack)
{
    Launch();
    session.OnWatchTick();
    EXPECT_TRUE(session.IsLaunched()) << "window present: nothing happens";

    const std::string saved = SampleState(20011, 9);
    EmulatorSaves(saved);
    EmulatorQuits();
    desktop.texts[u"IDS_PCKovrin_EmulationFile"] = u"PPC_CHS.dll";
    ReloadEmulationFile(desktop);  // a language change since the launch does not move the target
    session.OnWatchTick();

    EXPECT_FALSE(session.IsLaunched());
    EXPECT_FALSE(desktop.timerRunning);
    EXPECT_EQ(files.Bytes(kEnglishFile), Scrambled(saved));
    EXPECT_FALSE(files.Has(kChineseFile));
    EXPECT_FALSE(files.Has(kPlainFile));
    EXPECT_FALSE(files.Has(kRecordFile));
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(WatchTickTest, HeldStateFileIsRetriedQuietly)
{
    Launch();
    EmulatorQuits();
    files.held.insert(kPlainFile);
    for (int i = 0; i < 5; ++i)
        session.OnWatchTick();
    EXPECT_TRUE(session.IsLaunched());
    EXPECT_TRUE(desktop.messages.empty());

    files.held.clear();
    session.OnWatchTick();
    EXPECT_FALSE(session.IsLaunched());
    EXPECT_FALSE(files.Has(kPlainFile));
}

TEST_F(WatchTickTest, TargetThatCannotBeWrittenIsToldOnceAndRetried)
{
    Launch();
    EmulatorSaves("changed");
    EmulatorQuits();
    files.readOnlyTargets.insert(kEnglishFile);
    for (int i = 0; i < 4; ++i)
        session.OnWatchTick();
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_NE(desktop.messages[0].find(kEnglishFile), std::u16string::npos);
    EXPECT_NE(desktop.messages[0].find(kPlainFile), std::u16string::npos);
    EXPECT_EQ(files.Bytes(kPlainFile), "changed");

    files.readOnlyTargets.clear();
    session.OnWatchTick();
    EXPECT_FALSE(session.IsLaunched());
    EXPECT_EQ(files.Bytes(kEnglishFile), Scrambled("changed"));
}

TEST_F(WatchTickTest, TickDuringItsOwnMessageBoxDoesNothing)
{
    Launch();
    EmulatorSaves("changed");
    EmulatorQuits();
    files.readOnlyTargets.insert(kEnglishFile);
    int nested = 0;
    desktop.duringMessageBox = [&] {
        ++nested;
        session.OnWatchTick();
    };
    session.OnWatchTick();
    EXPECT_EQ(nested, 1);
    EXPECT_EQ(desktop.messages.size(), 1u);
}

TEST_F(RunEmulatorTest, EmulatorTheShellCannotFindIsStartedThroughItsRegistrationElseTheUserIsTold)
{
    desktop.emulatorStarts = false;
    desktop.registeredForStateFiles = u"C:\\Program Files (x86)\\Device Emulator\\DeviceEmulator.exe";
    session.RunEmulator();
    ASSERT_EQ(desktop.ShellCallsTo(desktop.registeredForStateFiles), 1);
    EXPECT_EQ(desktop.shellCalls.back().parameters, u"/s C:\\WINDOWS\\winsetup.dess /sharedfolder F:\\");
    EXPECT_TRUE(session.IsLaunched());
    EXPECT_TRUE(files.Has(kPlainFile));
    EXPECT_TRUE(desktop.messages.empty());

    *desktop.emulatorRunning = false;
    session.OnWatchTick();
    ASSERT_FALSE(session.IsLaunched());
    desktop.registeredForStateFiles.clear();
    desktop.timerStarts = 0;
    session.RunEmulator();
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_NE(desktop.messages[0].find(u"DeviceEmulator.exe"), std::u16string::npos);
    EXPECT_NE(desktop.messages[0].find(u"Microsoft Device Emulator"), std::u16string::npos);
    EXPECT_FALSE(session.IsLaunched());
    EXPECT_EQ(desktop.timerStarts, 0);
    EXPECT_FALSE(files.Has(kPlainFile));
    EXPECT_FALSE(files.Has(kRecordFile));
    EXPECT_EQ(files.Bytes(kEnglishFile), Scrambled(englishState));
}

// A user who may not write the system folder: the plain state, its record and the storage
// folder go to the user's own folder, and everything after follows them there.
TEST_F(RunEmulatorTest, SessionOfAUserWhoMayNotWriteTheSystemFolderLivesInTheUsersFolder)
{
    const std::u16string folder = u"C:\\Users\\Lin Wei\\AppData\\Local\\PC_Kovrin3.0";
    const std::u16string plain = folder + u"\\winsetup.dess";
    files.PutDirectory(files.localAppData);
    files.readOnlyFolders = {u"C:\\WINDOWS", u"C:\\StorageCard"};
    files.Put(kPlainFile, "an administrator's session, not this user's");
    files.Put(kRecordFile, "\xFF\xFE");

    Launch();
    EXPECT_EQ(desktop.shellCalls.back().parameters, u"/s \"" + plain + u"\" /sharedfolder F:\\");
    EXPECT_EQ(files.Bytes(plain), englishState);
    EXPECT_TRUE(files.Has(plain + u".origin"));
    EXPECT_EQ(files.Bytes(folder + u"\\StorageCard\\SN.dat"), "1");
    EXPECT_TRUE(desktop.messages.empty() && desktop.fileErrors.empty());

    // The launcher dies mid-session; the emulator saves and quits; the next start finds the state.
    files.Put(plain, "saved in the user's folder");
    EmulatorQuits();
    const ::emulator::testing::FreshSessionPaths restart;
    EmulatorSession next(desktop, files);
    next.ResumeInterruptedSession();
    EXPECT_EQ(files.Bytes(kEnglishFile), Scrambled("saved in the user's folder"));
    EXPECT_FALSE(files.Has(plain) || files.Has(plain + u".origin"));
    EXPECT_EQ(files.Bytes(kPlainFile), "an administrator's session, not this user's") << "left for whoever may remove it";
    EXPECT_TRUE(desktop.messages.empty());

    // A failure that another place would meet too is told, as before.
    files.readOnlyFolders.clear();
    files.entries.erase(kPlainFile);
    files.diskFullAfter[kPlainFile] = 10;
    next.RunEmulator();
    EXPECT_EQ(desktop.fileErrors, std::vector<std::u16string>{kPlainFile});
    EXPECT_FALSE(next.IsLaunched());
}

TEST_F(WatchTickTest, SlowEmulatorWithKnownProcessIsWaitedFor)
{
    session.RunEmulator();
    for (int i = 0; i < 40; ++i)
        session.OnWatchTick();
    EXPECT_TRUE(session.IsLaunched()) << "its process runs although no window shows yet";
    desktop.Open(u"Device Emulator");
    session.OnWatchTick();
    desktop.Close(u"Device Emulator");
    EmulatorSaves("saved while closing");
    session.OnWatchTick();
    EXPECT_TRUE(session.IsLaunched()) << "window gone, process still saving";
    *desktop.emulatorRunning = false;
    session.OnWatchTick();
    EXPECT_FALSE(session.IsLaunched());
    EXPECT_EQ(files.Bytes(kEnglishFile), Scrambled("saved while closing"));
}

TEST_F(WatchTickTest, SlowEmulatorWithUnknownProcessGetsAGracePeriod)
{
    desktop.emulatorProcessKnown = false;
    session.RunEmulator();
    for (int i = 1; i < EmulatorSession::kWindowGraceTicks; ++i)
        session.OnWatchTick();
    EXPECT_TRUE(session.IsLaunched());
    EXPECT_TRUE(files.Has(kPlainFile));

    desktop.Open(u"Device Emulator");  // it shows up late
    session.OnWatchTick();
    EmulatorSaves("late save");
    desktop.Close(u"Device Emulator");
    session.OnWatchTick();
    EXPECT_FALSE(session.IsLaunched()) << "once its window has been seen, its going away ends the session";
    EXPECT_EQ(files.Bytes(kEnglishFile), Scrambled("late save"));
}

TEST_F(WatchTickTest, UnknownProcessWithoutAWindowEndsAfterTheGracePeriod)
{
    desktop.emulatorProcessKnown = false;
    session.RunEmulator();
    for (int i = 0; i < EmulatorSession::kWindowGraceTicks; ++i)
        session.OnWatchTick();
    EXPECT_FALSE(session.IsLaunched());
    EXPECT_FALSE(files.Has(kPlainFile));
}

}  // namespace
}  // namespace emulator::testing
