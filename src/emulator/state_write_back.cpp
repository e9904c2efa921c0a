#include "emulator/state_write_back.h"

#include <optional>

#include "emulator/earlier_states.h"
#include "emulator/session_messages.h"
#include "emulator/session_paths.h"
#include "emulator/session_record.h"

namespace emulator {
namespace {

std::u16string ThreeDigits(int n)
{
    return {static_cast<char16_t>(u'0' + n / 100), static_cast<char16_t>(u'0' + n / 10 % 10),
            static_cast<char16_t>(u'0' + n % 10)};
}

// A name beside the plain state under which it can be kept, free for the emulator's temporary
// file beside it too.
std::optional<std::u16string> FreeKeptAsideName(SessionFiles& files)
{
    for (int n = 1; n < 1000; ++n) {
        std::u16string keptAs = g_strTempStateFile + u".unsaved-" + ThreeDigits(n);
        if (!files.FileExists(keptAs) && !files.FileExists(keptAs + std::u16string(kEmulatorTemporarySuffix)))
            return keptAs;
    }
    return std::nullopt;
}

// What the emulator changed is plainly broken when its save failed, or when it is empty while the
// state it replaces is not. A shorter state may be right: earlier states are there for that.
std::optional<BrokenSave> PlainlyBroken(SessionFiles& files, const EmulatorEnd& end, const std::u16string& target)
{
    if (end.SaveFailed())
        return BrokenSave{BrokenSave::Why::ExitCode, {}, *end.exitCode};
    const auto plain = files.Facts(g_strTempStateFile);
    const auto current = files.Facts(target);
    if (plain && plain->size == 0 && current && current->size > 0)
        return BrokenSave{BrokenSave::Why::Empty};
    return std::nullopt;
}

SaveOutcome KeepBrokenState(SessionFiles& files, Desktop& desktop, const BrokenSave& broken,
                            std::optional<SessionRecord> record, const std::u16string& target)
{
    // Marked before anything else: stopped before the move, the next start must not write it
    // back either, whatever it can still tell of the emulator's end.
    if (!record)
        record = SessionRecord{target};
    if (!record->suspect) {
        record->suspect = true;
        FileError ignored;
        WriteSessionRecord(files, *record, ignored);
    }
    const SessionMessages messages(desktop);
    FileError error{FileError::Kind::Other, 0};
    if (const auto keptAs = FreeKeptAsideName(files)) {
        // Told first, as for a state of unknown origin: stopped after telling, the next start
        // moves it to the same free name and tells again.
        desktop.ShowMessage(messages.BrokenStateKept(broken, target, *keptAs));
        // The emulator's temporary file first: stopped after it, the next start still finds the
        // plain state with its record and moves it too; the other way round it would be left alone.
        const std::u16string temporary = EmulatorTemporaryFile();
        FileError ignored;
        if (files.FileExists(temporary))
            files.RenameFile(temporary, *keptAs + std::u16string(kEmulatorTemporarySuffix), ignored);
        if (files.RenameFile(g_strTempStateFile, *keptAs, error)) {
            DeleteSessionRecord(files);
            return SaveOutcome::KeptAside;
        }
    }
    desktop.ShowMessage(messages.BrokenStateNotMoved(broken, target, g_strTempStateFile, desktop.DescribeFileError(error)));
    return SaveOutcome::NotMoved;
}

SaveResult Unreadable(SessionFiles& files, Desktop& desktop, const CopyResult& failure,
                      std::optional<SessionRecord> record, const std::u16string& target)
{
    const BrokenSave broken{BrokenSave::Why::Unreadable, desktop.DescribeFileError(failure.error)};
    return {KeepBrokenState(files, desktop, broken, std::move(record), target), failure};
}

// Whether the plain file holds what the emulation file holds. Its size and stamp first: when
// either differs, the emulator wrote it, and it is not read twice.
std::optional<SaveResult> UnchangedOrUnreadable(SessionFiles& files, Desktop& desktop,
                                                const std::optional<SessionRecord>& record, const std::u16string& target)
{
    if (!record || !record->saved || !files.FileExists(target))
        return std::nullopt;
    const auto plain = files.Facts(g_strTempStateFile);
    if (!plain || !(*plain == record->saved->facts))
        return std::nullopt;
    CopyResult failure;
    const auto digest = DigestOfFile(files, g_strTempStateFile, failure);
    if (!digest) {
        if (failure.failed == CopyResult::Failed::SourceRead)
            return Unreadable(files, desktop, failure, record, target);
        return SaveResult{SaveOutcome::Failed, failure};
    }
    if (*digest == record->saved->digest)
        return SaveResult{SaveOutcome::Unchanged};
    return std::nullopt;
}

}  // namespace

std::u16string ResolveWriteBackTarget(SessionFiles& files)
{
    if (!g_strLaunchedEmulationFile.empty())
        return g_strLaunchedEmulationFile;
    AdoptRecordedTarget(files);
    return g_strLaunchedEmulationFile;
}

bool AdoptRecordedTarget(SessionFiles& files)
{
    auto recorded = ReadSessionRecord(files);
    if (!recorded)
        return false;
    g_strLaunchedEmulationFile = recorded->target;
    return true;
}

SaveResult SaveStateBack(SessionFiles& files, Desktop& desktop, const EmulatorEnd& end, bool plainStays)
{
    const std::u16string target = ResolveWriteBackTarget(files);
    if (target.empty())
        return {SaveOutcome::Failed, CopyResult{CopyResult::Failed::Target, FileError{FileError::Kind::NotFound, 0}}};
    std::optional<SessionRecord> record = ReadSessionRecord(files);
    if (record && record->target != target)
        record.reset();  // another session's: it tells nothing of this one
    if (record && record->suspect)
        return {KeepBrokenState(files, desktop, BrokenSave{BrokenSave::Why::MarkedEarlier}, record, target)};
    // An emulator that failed without writing anything broke nothing.
    if (auto decided = UnchangedOrUnreadable(files, desktop, record, target))
        return *decided;
    if (const auto broken = PlainlyBroken(files, end, target))
        return {KeepBrokenState(files, desktop, *broken, record, target)};

    const int keep = desktop.EarlierStatesToKeep();
    const std::u16string keepAs = keep > 0 ? NameForEarlierState(files, target) : std::u16string();
    StateDigester written;
    const CopyResult copied = XorFileCopy(files, desktop, g_strTempStateFile, CopyDirection::WriteBack,
                                          CopyOptions{keepAs, plainStays ? &written : nullptr, nullptr});
    if (copied.failed == CopyResult::Failed::SourceRead)
        return Unreadable(files, desktop, copied, record, target);
    if (!copied.Ok())
        return {SaveOutcome::Failed, copied};
    KeepNewestEarlierStates(files, target, keep);
    if (const auto facts = plainStays ? files.Facts(g_strTempStateFile) : std::nullopt) {
        // Without it the next write-back would only write the same state once more.
        FileError ignored;
        WriteSessionRecord(files, SessionRecord{target, StateFingerprint{written.Finish(), *facts}}, ignored);
    }
    return {SaveOutcome::Saved};
}

void DiscardPlainState(SessionFiles& files)
{
    // The emulator's temporary file first and the record last: stopped in between, the next start
    // finds the plain state with its record and does it all again.
    files.RemoveFile(EmulatorTemporaryFile());
    files.RemoveFile(g_strTempStateFile);
    DeleteSessionRecord(files);
}

bool KeepUnknownPlainState(SessionFiles& files, Desktop& desktop)
{
    const SessionMessages messages(desktop);
    FileError error{FileError::Kind::Other, 0};
    if (const auto keptAs = FreeKeptAsideName(files)) {
        // Told first: a program stopped between the move and the message would leave the state
        // where nobody was told to look. Stopped after telling, the next start moves it to the
        // same free name and tells again.
        desktop.ShowMessage(messages.UnknownStateKept(*keptAs));
        if (files.RenameFile(g_strTempStateFile, *keptAs, error))
            return true;
    }
    desktop.ShowMessage(messages.UnknownStateNotMoved(g_strTempStateFile, desktop.DescribeFileError(error)));
    return false;
}

}  // namespace emulator
