#include "emulator/emulator_session.h"

#include <vector>

#include "emulator/session_leftovers.h"
#include "emulator/session_messages.h"
#include "emulator/session_paths.h"
#include "emulator/session_record.h"
#include "emulator/state_digest.h"
#include "emulator/state_write_back.h"
#include "emulator/storage_folder.h"

namespace emulator {
namespace {

// Whether the folder of the plain state file refuses this user's writes: tried with a new file
// beside its record, which goes again at once.
bool PlaceRefusesWrites(SessionFiles& files)
{
    FileError error;
    return !files.CreateReplacement(SessionRecordPath(), error) && MayNotWriteThere(error);
}

// The write-back where nothing holds the plain state any more: once it has gone where it belongs
// (or was the emulation file's already), it goes.
SaveResult SaveAndDiscard(SessionFiles& files, Desktop& desktop, const EmulatorEnd& end)
{
    const SaveResult result = SaveStateBack(files, desktop, end, false);
    if (result.Done())
        DiscardPlainState(files);
    return result;
}

}  // namespace

EmulatorSession::EmulatorSession(Desktop& desktop, SessionFiles& files) : m_desktop(desktop), m_files(files)
{
    g_strTempStateFile = kTempStateFile;
    ReloadEmulationFile(desktop);
}

void EmulatorSession::RunEmulator()
{
    const WindowId emulator = m_desktop.FindWindowByTitle(kEmulatorTitle);
    const WindowId managerChinese = m_desktop.FindWindowByTitle(kManagerTitleChinese);
    const WindowId managerEnglish = m_desktop.FindWindowByTitle(kManagerTitleEnglish);

    if ((managerChinese || managerEnglish) && emulator)
        m_desktop.ShowMessage(kAlreadyRunning);
    if (!managerChinese)
        m_desktop.ShellOpen(kManagerProgram, u"", ShowCommand::Minimized);
    if (emulator)
        return;
    if (m_bEmulatorLaunched) {
        m_desktop.ShowMessage(kAlreadyRunning);
        return;
    }
    if (!Unpack())
        return;
    Launch();
}

bool EmulatorSession::Unpack()
{
    // The target is fixed now, as an absolute path: the record must still be right for a later
    // start in another current directory.
    const std::u16string target = m_files.FullPath(g_strEmulationFile);
    const std::vector<std::u16string> places = PlainStatePlaces(m_files);
    for (std::size_t i = 0; i < places.size(); ++i) {
        const UnpackOutcome outcome = UnpackInto(places[i], target, i + 1 < places.size());
        if (outcome != UnpackOutcome::PlaceNotWritable)
            return outcome == UnpackOutcome::Done;
    }
    return false;
}

EmulatorSession::UnpackOutcome EmulatorSession::UnpackInto(const std::u16string& plain, const std::u16string& target,
                                                           bool otherPlaceLeft)
{
    g_strTempStateFile = plain;
    if (plain != kTempStateFile)
        m_files.MakeDirectory(FolderOf(plain));
    // A plain file left by an interrupted session must go back before a new unpack replaces it;
    // one this user may not remove is left for whoever may, and never written back again.
    if (m_files.FileExists(plain)) {
        if (otherPlaceLeft && PlaceRefusesWrites(m_files))
            return UnpackOutcome::PlaceNotWritable;
        if (!RecoverLeftoverState())
            return UnpackOutcome::Stopped;
    }
    FileError error;
    if (!WriteSessionRecord(m_files, SessionRecord{target}, error)) {
        if (otherPlaceLeft && MayNotWriteThere(error))
            return UnpackOutcome::PlaceNotWritable;
        m_desktop.ShowFileError(SessionRecordPath(), error);
        return UnpackOutcome::Stopped;
    }
    StateDigester unpacked;
    const CopyResult copied = ScrambledCopy(m_files, g_strEmulationFile, plain, CopyOptions{{}, nullptr, &unpacked});
    if (!copied.Ok()) {
        DeleteSessionRecord(m_files);
        if (otherPlaceLeft && copied.failed == CopyResult::Failed::Target && MayNotWriteThere(copied.error))
            return UnpackOutcome::PlaceNotWritable;
        ReportUnpackFailure(m_desktop, copied, g_strEmulationFile, plain);
        return UnpackOutcome::Stopped;
    }
    // What the emulation file holds, so that a session that changes nothing writes nothing back.
    // Without it every write-back writes.
    if (const auto facts = m_files.Facts(plain))
        WriteSessionRecord(m_files, SessionRecord{target, StateFingerprint{unpacked.Finish(), *facts}}, error);
    g_strLaunchedEmulationFile = target;
    return UnpackOutcome::Done;
}

ShellResult EmulatorSession::StartEmulator(const std::u16string& parameters)
{
    ShellResult shell = m_desktop.ShellOpen(kEmulatorProgram, parameters, ShowCommand::Normal);
    if (shell.started)
        return shell;
    // Installed where the shell does not look for it by name: its installation registered it
    // to open state files.
    const std::u16string registered = m_desktop.ProgramRegisteredFor(kStateFileExtension);
    if (registered.empty())
        return shell;
    return m_desktop.ShellOpen(registered, parameters, ShowCommand::Normal);
}

void EmulatorSession::Launch()
{
    ShellResult shell = StartEmulator(EmulatorParameters(g_strTempStateFile));
    if (!shell.started) {
        // Nothing ran on the plain state, so it is the emulation file's content unchanged.
        DiscardPlainState(m_files);
        m_desktop.ShowMessage(SessionMessages(m_desktop).EmulatorNotFound(m_desktop.LanguageText(u"IDS_MENU_RUN")));
        return;
    }
    m_emulator = std::move(shell.process);
    // Without its process the window is the only sign of life, and a slow emulator shows it late.
    m_windowMayStillAppear = !m_emulator;
    m_ticksWithoutWindow = 0;
    m_failureReported = false;
    m_desktop.StartWatchTimer();
    // Marked before the storage folder, so a failure there cannot lose track of a running session.
    m_bEmulatorLaunched = 1;
    PrepareStorageFolder(m_desktop, m_files, false);
}

bool EmulatorSession::RecoverLeftoverState()
{
    if (!AdoptRecordedTarget(m_files))
        return KeepUnknownPlainState(m_files, m_desktop);
    const SaveResult result = SaveAndDiscard(m_files, m_desktop, EmulatorEnd{});
    if (result.outcome != SaveOutcome::Failed)
        return result.outcome != SaveOutcome::NotMoved;
    const SessionMessages messages(m_desktop);
    m_desktop.ShowMessage(messages.EarlierStateNotSaved(g_strLaunchedEmulationFile, g_strTempStateFile,
                                                        m_desktop.DescribeFileError(result.failure.error)));
    return false;
}

bool EmulatorSession::EmulatorMayStillUseState()
{
    if (m_desktop.FindWindowByTitle(kEmulatorTitle)) {
        m_windowMayStillAppear = false;
        return true;
    }
    // Its window may be gone while the process still saves the state, or not there yet.
    if (m_emulator && m_emulator->IsRunning())
        return true;
    return m_windowMayStillAppear && ++m_ticksWithoutWindow < kWindowGraceTicks;
}

void EmulatorSession::OnWatchTick()
{
    if (m_inTick || !m_bEmulatorLaunched)
        return;
    m_inTick = true;
    if (!EmulatorMayStillUseState())
        SaveAtSessionEnd();
    m_inTick = false;
}

void EmulatorSession::SaveAtSessionEnd()
{
    if (!m_files.FileExists(g_strTempStateFile)) {
        // Already gone where it belongs (a language switch kept a broken save aside).
        DeleteSessionRecord(m_files);
        EndSession();
        return;
    }
    const SaveResult result =
        SaveAndDiscard(m_files, m_desktop, EmulatorEnd{m_emulator ? m_emulator->ExitCode() : std::nullopt});
    if (result.outcome != SaveOutcome::Failed) {
        EndSession();
    } else if (result.failure.failed != CopyResult::Failed::SourceOpen && !m_failureReported) {
        // Held by another process is expected and retried quietly; anything else the user must know.
        m_failureReported = true;
        const SessionMessages messages(m_desktop);
        m_desktop.ShowMessage(messages.StateNotSavedRetrying(g_strLaunchedEmulationFile, g_strTempStateFile,
                                                             m_desktop.DescribeFileError(result.failure.error)));
    }
}

void EmulatorSession::EndSession()
{
    m_bEmulatorLaunched = 0;
    m_desktop.StopWatchTimer();
    m_emulator.reset();
}

void EmulatorSession::ResumeInterruptedSession()
{
    const std::vector<std::u16string> places = PlainStatePlaces(m_files);
    std::u16string home;
    for (std::size_t i = 0; i < places.size(); ++i) {
        g_strTempStateFile = places[i];
        // What another user left where this one may not write stays for that user.
        if (i + 1 < places.size() && m_files.FileExists(places[i]) && PlaceRefusesWrites(m_files))
            continue;
        if (home.empty())
            home = places[i];
        if (ResumeAt())
            return;
    }
    // Until a Run chooses, the plain state is looked for where this user's session would put it.
    g_strTempStateFile = home.empty() ? places.front() : home;
}

bool EmulatorSession::ResumeAt()
{
    RemoveSessionLeftovers(m_files);
    if (!m_files.FileExists(g_strTempStateFile)) {
        DeleteSessionRecord(m_files);  // left when a run ended between the two deletions
        return false;
    }
    if (!AdoptRecordedTarget(m_files)) {
        KeepUnknownPlainState(m_files, m_desktop);
        return false;
    }
    if (!m_desktop.FindWindowByTitle(kEmulatorTitle) &&
        SaveAndDiscard(m_files, m_desktop, EmulatorEnd{}).outcome != SaveOutcome::Failed) {
        return false;
    }
    // Its emulator still runs, or the state cannot go back yet: watch it as this run's session.
    m_windowMayStillAppear = false;
    m_ticksWithoutWindow = 0;
    m_failureReported = false;
    m_desktop.StartWatchTimer();
    m_bEmulatorLaunched = 1;
    return true;
}

void EndEmulator(Desktop& desktop, SessionFiles& files, EndVariant variant)
{
    WindowId windows[] = {desktop.FindWindowByTitle(kEmulatorTitle), desktop.FindWindowByTitle(kManagerTitleChinese),
                          desktop.FindWindowByTitle(kManagerTitleEnglish)};
    const bool hadState = files.FileExists(g_strTempStateFile);
    EmulatorEnd emulatorEnd;
    // Ended by force, the emulator would lose what the user did since it last saved.
    if (hadState && windows[0]) {
        const ProgramEnd closed = desktop.CloseAndWaitForEnd(windows[0], kEmulatorCloseWaitMs);
        if (closed.ended) {
            windows[0] = 0;
            emulatorEnd.exitCode = closed.exitCode;
        }
    }
    const bool plainStays = variant == EndVariant::LanguageSwitch;
    SaveResult result;
    if (hadState)
        result = SaveStateBack(files, desktop, emulatorEnd, plainStays);

    bool ended = false;
    for (WindowId window : windows) {
        if (window) {
            desktop.TerminateWindowProcess(window);
            ended = true;
        }
    }
    if (plainStays)
        return;  // the next watch tick writes back once more and ends the session

    desktop.Sleep(200);
    // A plain file of unknown origin stays as it is; the next start keeps it aside and says so.
    if (!hadState || g_strLaunchedEmulationFile.empty())
        return;
    // The emulator may have held its state file open until it was ended.
    if (result.outcome == SaveOutcome::Failed && result.failure.failed == CopyResult::Failed::SourceOpen && ended)
        result = SaveStateBack(files, desktop, emulatorEnd, false);
    if (result.Done())
        DiscardPlainState(files);
    if (result.outcome != SaveOutcome::Failed)
        return;
    const SessionMessages messages(desktop);
    desktop.ShowMessage(messages.StateKeptForNextStart(g_strLaunchedEmulationFile, g_strTempStateFile,
                                                       desktop.DescribeFileError(result.failure.error)));
}

}  // namespace emulator
