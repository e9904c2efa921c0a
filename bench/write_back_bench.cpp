#include "write_back_bench.h"

#include <windows.h>

#include <cstdio>
#include <stdexcept>
#include <vector>

#include "emulator/earlier_states.h"
#include "emulator/session_paths.h"
#include "emulator/session_record.h"
#include "emulator/state_write_back.h"
#include "emulator/win32/win32_session_files.h"
#include "emulator/xor_file_copy.h"
#include "file_bench.h"
#include "text/win32/wide.h"
#include "timing.h"

namespace bench {
namespace {

using text::AsU16;

// The session's desktop without a user: nothing runs, nothing is told.
class QuietDesktop : public emulator::Desktop {
public:
    emulator::WindowId FindWindowByTitle(std::u16string_view) override { return 0; }
    emulator::ShellResult ShellOpen(std::u16string_view, std::u16string_view, emulator::ShowCommand) override { return {}; }
    std::u16string ProgramRegisteredFor(std::u16string_view) override { return {}; }
    void TerminateWindowProcess(emulator::WindowId) override {}
    emulator::ProgramEnd CloseAndWaitForEnd(emulator::WindowId, unsigned) override { return {}; }
    void StartWatchTimer() override {}
    void StopWatchTimer() override {}
    void Sleep(unsigned) override {}
    void ShowMessage(std::u16string_view) override { throw std::runtime_error("the write-back told the user something"); }
    void ShowFileError(std::u16string_view, const emulator::FileError&) override {}
    std::u16string DescribeFileError(const emulator::FileError&) override { return {}; }
    std::u16string LanguageText(std::u16string_view) override { return {}; }
    std::u16string StoredLanguage() override { return u"English"; }
    int EarlierStatesToKeep() override { return emulator::kDefaultEarlierStatesKept; }
};

// The session record of the plain state as the emulation file holds it, or without a fingerprint.
void WriteRecord(emulator::SessionFiles& files, const std::u16string& target, bool unchanged)
{
    emulator::SessionRecord record(target);
    if (unchanged) {
        emulator::CopyResult failure;
        record.saved = emulator::StateFingerprint{*emulator::DigestOfFile(files, emulator::g_strTempStateFile, failure),
                                                  *files.Facts(emulator::g_strTempStateFile)};
    }
    emulator::FileError error;
    if (!emulator::WriteSessionRecord(files, record, error))
        throw std::runtime_error("cannot write the session record");
}

emulator::SaveOutcome SaveBack(emulator::SessionFiles& files, emulator::Desktop& desktop)
{
    return emulator::SaveStateBack(files, desktop, emulator::EmulatorEnd{}, false).outcome;
}

}  // namespace

void CompareWriteBackKeepingEarlierStates(const std::wstring& folder)
{
    const std::wstring states = folder + L"\\write-back";
    CreateDirectoryW(states.c_str(), nullptr);
    const std::u16string emulation = AsU16(states + L"\\PPC_ENS.dll"), plain = AsU16(states + L"\\winsetup.dess");
    constexpr unsigned long long kSize = 256ull << 20;
    MakeBenchFile(text::AsWide(plain), kSize);
    emulator::win32::Win32SessionFiles files;
    QuietDesktop desktop;
    emulator::g_strTempStateFile = plain;
    emulator::g_strLaunchedEmulationFile = emulation;
    if (!emulator::ScrambledCopy(files, plain, emulation).Ok())
        throw std::runtime_error("cannot make the emulation file");
    // As a user's folder is after a few sessions: the three earlier states kept, so that each
    // write-back also removes the oldest, as the write-back before them removed the file it replaced.
    for (int i = 0; i < emulator::kDefaultEarlierStatesKept; ++i) {
        WriteRecord(files, emulation, false);
        Sleep(1100);  // each of its own second
        SaveBack(files, desktop);
    }

    enum { kBefore, kKeeping, kUnchanged, kKinds };
    std::vector<double> times[kKinds];
    const int runs = 7;
    for (int run = 0; run < runs; ++run) {
        for (int turn = 0; turn < kKinds; ++turn) {
            const int kind = (run + turn) % kKinds;
            if (kind == kBefore) {
                times[kind].push_back(SecondsOf([&] {
                    if (!emulator::ScrambledCopy(files, plain, emulation).Ok())
                        throw std::runtime_error("write-back failed");
                }));
                continue;
            }
            WriteRecord(files, emulation, kind == kUnchanged);
            const auto expected = kind == kUnchanged ? emulator::SaveOutcome::Unchanged : emulator::SaveOutcome::Saved;
            Sleep(1100);  // an earlier state of a second of its own
            times[kind].push_back(SecondsOf([&] {
                if (SaveBack(files, desktop) != expected)
                    throw std::runtime_error("the write-back did not do what was measured");
            }));
        }
    }
    const double before = Median(times[kBefore]), keeping = Median(times[kKeeping]), unchanged = Median(times[kUnchanged]);
    std::printf("256 MiB state, medians of %d alternating runs: write-back before earlier states %.3f s, keeping one "
                "(three kept, the oldest removed) %.3f s, end of a session that changed nothing %.3f s\n",
                runs, before, keeping, unchanged);
    std::printf("write-back keeping an earlier state / before: %.3f (aim: at most 1.02)\n", keeping / before);
    std::printf("end of an unchanged session / a changed one: %.3f\n", unchanged / keeping);
    for (const auto& state : emulator::ListEarlierStates(files, emulation))
        DeleteFileW(text::AsWide(state.path).c_str());
    for (const std::wstring& path : {text::AsWide(emulation), text::AsWide(plain), text::AsWide(emulator::SessionRecordPath())})
        DeleteFileW(path.c_str());
    RemoveDirectoryW(text::AsWide(emulator::EarlierStatesFolder(emulation)).c_str());
    RemoveDirectoryW(states.c_str());
}

}  // namespace bench
