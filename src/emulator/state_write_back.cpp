#include "emulator/state_write_back.h"

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
    g_strLaunchedEmulationFile = *recorded;
    return true;
}

CopyResult WriteBackState(SessionFiles& files, Desktop& desktop)
{
    if (ResolveWriteBackTarget(files).empty())
        return CopyResult{CopyResult::Failed::Target, FileError{FileError::Kind::NotFound, 0}};
    return XorFileCopy(files, desktop, g_strTempStateFile, CopyDirection::WriteBack);
}

void DiscardPlainState(SessionFiles& files)
{
    files.RemoveFile(g_strTempStateFile);
    DeleteSessionRecord(files);
}

bool KeepUnknownPlainState(SessionFiles& files, Desktop& desktop)
{
    const SessionMessages messages(desktop);
    FileError error;
    for (int n = 1; n < 1000; ++n) {
        const std::u16string keptAs = g_strTempStateFile + u".unsaved-" + ThreeDigits(n);
        if (files.FileExists(keptAs))
            continue;
        // Told first: a program stopped between the move and the message would leave the state
        // where nobody was told to look. Stopped after telling, the next start moves it to the
        // same free name and tells again.
        desktop.ShowMessage(messages.UnknownStateKept(keptAs));
        if (files.RenameFile(g_strTempStateFile, keptAs, error))
            return true;
        break;
    }
    desktop.ShowMessage(messages.UnknownStateNotMoved(g_strTempStateFile, desktop.DescribeFileError(error)));
    return false;
}

}  // namespace emulator
