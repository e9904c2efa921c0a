// Ending a session by force (language switch, close) and completing one that was cut short.
#include <gtest/gtest.h>

#include "emulator/session_record.h"
#include "emulator/storage_folder.h"
#include "session_fixture.h"

namespace emulator::testing {
namespace {

class EndEmulatorTest : public SessionFixture {};

TEST_F(EndEmulatorTest, LanguageSwitchWritesBackEndsProgramsAndLeavesTheSessionToTheTick)
{
    Launch();
    desktop.Open(u"Device Emulator Manager");
    EmulatorSaves("before the switch");
    EndEmulator(desktop, files, EndVariant::LanguageSwitch);

    EXPECT_EQ(desktop.terminated.size(), 2u);
    EXPECT_EQ(files.Bytes(kEnglishFile), Scrambled("before the switch"));
    EXPECT_TRUE(files.Has(kPlainFile));
    EXPECT_TRUE(session.IsLaunched());
    EXPECT_EQ(desktop.sleptMilliseconds, 0u);

    desktop.texts[u"IDS_PCKovrin_EmulationFile"] = u"PPC_CHS.dll";
    ReloadEmulationFile(desktop);
    session.OnWatchTick();
    EXPECT_FALSE(session.IsLaunched());
    EXPECT_FALSE(files.Has(kPlainFile));
    EXPECT_FALSE(files.Has(kChineseFile)) << "the state goes back where it came from";
}

TEST_F(EndEmulatorTest, WithoutASessionOnlyFoundWindowsAreEndedAndNothingIsWaitedFor)
{
    desktop.Open(u"设备仿真器管理器");
    desktop.Open(u"Device Emulator");
    const auto before = files.entries;
    EndEmulator(desktop, files, EndVariant::LanguageSwitch);
    EXPECT_EQ(desktop.terminated.size(), 2u);
    EXPECT_TRUE(desktop.askedToClose.empty());
    EXPECT_EQ(files.entries.size(), before.size());
    EXPECT_EQ(files.replacementsCommitted, 0);
}

// The emulator saves what the user did when it is closed normally: it is asked first, and what
// it saved is what goes back; one that holds on past the wait is ended with the state as it was.
TEST_F(EndEmulatorTest, RunningEmulatorIsAskedToCloseBeforeTheStateGoesBackAndItIsEnded)
{
    Launch();
    EmulatorSaves("as it was");
    desktop.onAskedToClose = [](unsigned) { return false; };
    EndEmulator(desktop, files, EndVariant::LanguageSwitch);
    EXPECT_EQ(desktop.askedToClose.size(), 1u);
    EXPECT_EQ(desktop.terminated.size(), 1u);
    EXPECT_EQ(files.Bytes(kEnglishFile), Scrambled("as it was"));
    session.OnWatchTick();
    ASSERT_FALSE(session.IsLaunched());

    Launch();
    desktop.Open(u"Device Emulator Manager");
    desktop.terminated.clear();
    unsigned given = 0;
    desktop.onAskedToClose = [&](unsigned milliseconds) {
        given = milliseconds;
        EmulatorSaves("saved as it closed");
        EmulatorQuits();
        return true;
    };
    EndEmulator(desktop, files, EndVariant::Close);
    EXPECT_EQ(given, kEmulatorCloseWaitMs);
    EXPECT_EQ(files.Bytes(kEnglishFile), Scrambled("saved as it closed"));
    EXPECT_EQ(desktop.terminated.size(), 1u) << "only the manager is ended by force";
    EXPECT_FALSE(files.Has(kPlainFile) || files.Has(kRecordFile));
}

TEST_F(EndEmulatorTest, CloseWritesBackThenRemovesThePlainFile)
{
    Launch();
    EmulatorSaves("at close");
    EndEmulator(desktop, files, EndVariant::Close);
    EXPECT_EQ(files.Bytes(kEnglishFile), Scrambled("at close"));
    EXPECT_FALSE(files.Has(kPlainFile));
    EXPECT_FALSE(files.Has(kRecordFile));
    EXPECT_EQ(desktop.terminated.size(), 1u);
    EXPECT_EQ(desktop.sleptMilliseconds, 200u);
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(EndEmulatorTest, CloseRetriesWhenTheEmulatorHeldItsStateUntilEnded)
{
    Launch();
    EmulatorSaves("held to the end");
    files.held.insert(kPlainFile);
    desktop.onTerminate = [&](const std::u16string&) { files.held.clear(); };
    EndEmulator(desktop, files, EndVariant::Close);
    EXPECT_EQ(files.Bytes(kEnglishFile), Scrambled("held to the end"));
    EXPECT_FALSE(files.Has(kPlainFile));
}

TEST_F(EndEmulatorTest, CloseKeepsTheStateAndSaysWhereWhenItCannotGoBack)
{
    Launch();
    EmulatorSaves("precious");
    files.readOnlyTargets.insert(kEnglishFile);
    EndEmulator(desktop, files, EndVariant::Close);
    EXPECT_EQ(files.Bytes(kPlainFile), "precious");
    EXPECT_TRUE(files.Has(kRecordFile));
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_NE(desktop.messages[0].find(kEnglishFile), std::u16string::npos);
    EXPECT_NE(desktop.messages[0].find(kPlainFile), std::u16string::npos);
}

TEST_F(EndEmulatorTest, OwnMessagesFollowTheChosenLanguage)
{
    desktop.storedLanguage = u"中文";
    Launch();
    EmulatorSaves("changed");
    files.readOnlyTargets.insert(kEnglishFile);
    EndEmulator(desktop, files, EndVariant::Close);
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_NE(desktop.messages[0].find(u"设备状态"), std::u16string::npos);
}

class RecoveryTest : public SessionFixture {
protected:
    // What a run that was killed during its session leaves behind.
    void LeaveInterruptedSession(const std::u16string& origin, const std::string& state)
    {
        g_strTempStateFile = kPlainFile;
        FileError error;
        ASSERT_TRUE(WriteSessionRecord(files, SessionRecord{origin}, error));
        files.Put(kPlainFile, state);
        g_strLaunchedEmulationFile.clear();
    }
};

TEST_F(RecoveryTest, NextStartCompletesAnInterruptedSession)
{
    files.Put(kChineseFile, "old chinese state");
    LeaveInterruptedSession(kChineseFile, "saved before the crash");
    session.ResumeInterruptedSession();
    EXPECT_EQ(files.Bytes(kChineseFile), Scrambled("saved before the crash"));
    EXPECT_FALSE(files.Has(kPlainFile));
    EXPECT_FALSE(files.Has(kRecordFile));
    EXPECT_FALSE(session.IsLaunched());
}

TEST_F(RecoveryTest, EmulatorStillRunningFromTheEarlierRunIsWatchedAsOurs)
{
    LeaveInterruptedSession(kChineseFile, "in use");
    desktop.Open(u"Device Emulator");
    session.ResumeInterruptedSession();
    EXPECT_TRUE(session.IsLaunched());
    EXPECT_TRUE(desktop.timerRunning);
    EXPECT_FALSE(files.Has(kChineseFile));

    EmulatorSaves("saved at its end");
    EmulatorQuits();
    session.OnWatchTick();
    EXPECT_FALSE(session.IsLaunched());
    EXPECT_EQ(files.Bytes(kChineseFile), Scrambled("saved at its end"));
}

TEST_F(RecoveryTest, RunNeverUnpacksOverAStateThatHasNotGoneBack)
{
    LeaveInterruptedSession(kChineseFile, "earlier state");
    files.readOnlyTargets.insert(kChineseFile);
    session.RunEmulator();
    EXPECT_EQ(files.Bytes(kPlainFile), "earlier state");
    EXPECT_EQ(desktop.ShellCallsTo(u"DeviceEmulator.exe"), 0);
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_NE(desktop.messages[0].find(kChineseFile), std::u16string::npos);

    files.readOnlyTargets.clear();
    desktop.messages.clear();
    session.RunEmulator();
    EXPECT_EQ(files.Bytes(kChineseFile), Scrambled("earlier state")) << "the earlier state went home first";
    EXPECT_EQ(files.Bytes(kPlainFile), englishState);
    EXPECT_EQ(g_strLaunchedEmulationFile, kEnglishFile);
    EXPECT_TRUE(session.IsLaunched());
}

TEST_F(RecoveryTest, PlainFileOfUnknownOriginIsKeptAsideAndNamed)
{
    g_strTempStateFile = kPlainFile;
    files.Put(kPlainFile, "whose is this");
    session.ResumeInterruptedSession();
    const std::u16string keptAs = kPlainFile + u".unsaved-001";
    ASSERT_TRUE(files.Has(keptAs));
    EXPECT_EQ(files.Bytes(keptAs), "whose is this");
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_NE(desktop.messages[0].find(keptAs), std::u16string::npos);

    files.Put(kPlainFile, "another one");
    session.RunEmulator();
    EXPECT_EQ(files.Bytes(kPlainFile + u".unsaved-002"), "another one");
    EXPECT_EQ(files.Bytes(kPlainFile), englishState);
}

TEST_F(RecoveryTest, StartRemovesWhatKilledWritesLeftBesideTheSessionsFiles)
{
    LeaveInterruptedSession(kChineseFile, "still in use");
    desktop.Open(u"Device Emulator");  // no write-back now: only the start's own clean-up runs
    files.runningProcesses = {88};
    const std::u16string ended[] = {kPlainFile + u".77-1-0.tmp", kRecordFile + u".77-2-0.tmp",
                                    kEnglishFile + u".77-3-0.tmp", kChineseFile + u".77-4-1.tmp"};
    const std::u16string kept[] = {kChineseFile + u".88-4-0.tmp", kPlainFile + u".unsaved-001",
                                   kChineseFile + u".bak", u"D:\\Launcher\\other.dll.77-1-0.tmp"};
    for (const auto& path : ended)
        files.Put(path, "partial");
    for (const auto& path : kept)
        files.Put(path, "keep");
    session.ResumeInterruptedSession();
    for (const auto& path : ended)
        EXPECT_FALSE(files.Has(path)) << std::string(path.begin(), path.end());
    for (const auto& path : kept)
        EXPECT_TRUE(files.Has(path)) << std::string(path.begin(), path.end());
    EXPECT_EQ(files.Bytes(kPlainFile), "still in use");
    EXPECT_TRUE(session.IsLaunched());
}

TEST_F(RecoveryTest, StaleRecordWithoutAPlainFileIsRemoved)
{
    LeaveInterruptedSession(kChineseFile, "x");
    files.entries.erase(kPlainFile);
    session.ResumeInterruptedSession();
    EXPECT_FALSE(files.Has(kRecordFile));
    EXPECT_FALSE(session.IsLaunched());
}

// A record torn by a crash must not send the state where nobody finds it, nor into the session's
// own files that are deleted next: its state is kept aside instead, and the user told.
TEST_F(RecoveryTest, RecordNamingNoFileOfOursKeepsTheStateAside)
{
    const std::u16string records[] = {u"PPC_ENS.dll", std::u16string(u"D:\\Launcher\\PPC_ENS.dll\0x", 25),
                                      u"c:\\windows\\WINSETUP.DESS", kRecordFile};
    for (const std::u16string& record : records) {
        files.entries.erase(kPlainFile + u".unsaved-001");
        LeaveInterruptedSession(record, "saved before the crash");
        session.ResumeInterruptedSession();
        EXPECT_EQ(files.Bytes(kPlainFile + u".unsaved-001"), "saved before the crash");
        EXPECT_EQ(files.Bytes(kEnglishFile), Scrambled(englishState));
        EXPECT_FALSE(files.Has(kPlainFile));
    }
    EXPECT_EQ(desktop.messages.size(), std::size(records));
}

TEST(SessionRecord, KeepsAnyPathAndWhatTheStateWasExactly)
{
    crash::Disk files;
    files.PutDirectory(u"C:\\WINDOWS");
    g_strTempStateFile = kPlainFile;
    SessionRecord record{u"E:\\Ünïcode 文件夹\\😀\\PPC_ENS.dll"};
    record.saved = StateFingerprint{{0x01, 0xfe, 0x80}, FileFacts{1ull << 40, 0xFFFFFFFFFFFFFFFFull, {}}};
    for (bool suspect : {false, true}) {
        record.suspect = suspect;
        FileError error;
        ASSERT_TRUE(WriteSessionRecord(files, record, error));
        const auto read = ReadSessionRecord(files);
        ASSERT_TRUE(read && read->saved);
        EXPECT_EQ(read->target, record.target);
        EXPECT_EQ(read->saved->digest, record.saved->digest);
        EXPECT_EQ(read->saved->facts, record.saved->facts);
        EXPECT_EQ(read->suspect, suspect);
    }
    files.Put(kRecordFile, "garbage");
    EXPECT_EQ(ReadSessionRecord(files), std::nullopt);
}

class StorageFolderTest : public SessionFixture {};

TEST_F(StorageFolderTest, FlagFileHoldsTheLanguageByteAlone)
{
    EXPECT_EQ(LanguageFlag(u"中文"), '0');
    EXPECT_EQ(LanguageFlag(u"English"), '1');
    EXPECT_EQ(LanguageFlag(u"english"), '1');
    EXPECT_EQ(LanguageFlag(u"Français"), '1');

    desktop.storedLanguage = u"中文";
    ASSERT_TRUE(PrepareStorageFolder(desktop, files, true));
    EXPECT_TRUE(files.DirectoryExists(u"C:\\StorageCard"));
    EXPECT_EQ(files.Bytes(kFlagFile), "0");
    EXPECT_TRUE(files.entries[kFlagFile].hidden);

    files.entries[kFlagFile].bytes = "a longer earlier content";
    desktop.storedLanguage = u"English";
    ASSERT_TRUE(PrepareStorageFolder(desktop, files, false));
    EXPECT_EQ(files.Bytes(kFlagFile), "1") << "the language byte is the last byte";
}

}  // namespace
}  // namespace emulator::testing
