// Fuzzes the next start's reading of the session record, which may hold any bytes after a crash,
// with a plain state file left beside it. Input: the record's bytes.
//
// Invariants: nothing crashes or reads past the input; the start ends in one defined outcome,
// told to the user unless the state went back: the state went back, scrambled, into the very
// path the record names (which nothing but a full path of an ordinary file can be), or was left
// out as unchanged only where the record holds its digest, or it was kept aside under a new
// name, or it is still in the plain file; nothing else on disk changed but for the earlier
// state that a write-back keeps of what it replaced.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>

#include "crash_disk.h"
#include "emulator/earlier_states.h"
#include "emulator/emulator_session.h"
#include "emulator/session_paths.h"
#include "emulator/state_digest.h"
#include "emulator/state_scrambler.h"
#include "fake_desktop.h"

namespace {

using emulator::testing::FakeDesktop;

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

const std::u16string kPlainFile = u"C:\\WINDOWS\\winsetup.dess";
const std::u16string kRecordFile = kPlainFile + u".origin";
const std::u16string kKeptFile = kPlainFile + u".unsaved-001";
const std::string kState = "the emulator's state, saved before the crash";

std::string Scrambled(std::string bytes)
{
    emulator::ScrambleInPlace({reinterpret_cast<std::byte*>(bytes.data()), bytes.size()}, 0);
    return bytes;
}

// A record this program writes: a drive letter, a colon and a backslash (or a network path),
// and no character that a file name cannot hold.
bool IsFullFilePath(const std::u16string& path)
{
    const bool drive = path.size() > 3 && path[1] == u':' && path[2] == u'\\';
    const bool network = path.size() > 2 && path[0] == u'\\' && path[1] == u'\\';
    for (char16_t c : path)
        if (c < u' ')
            return false;
    return drive || network;
}

// Whether the record's bytes hold the digest of the plain state, which only a record written
// after an unpack of that very state can.
bool HoldsDigestOfState(const std::string& record)
{
    emulator::StateDigester digester;
    digester.Add(std::as_bytes(std::span(kState.data(), kState.size())));
    std::string wide;
    for (char c : emulator::DigestToHex(digester.Finish())) {
        wide.push_back(c);
        wide.push_back('\0');
    }
    return record.find(wide) != std::string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    emulator::g_strTempStateFile.clear();
    emulator::g_strEmulationFile.clear();
    emulator::g_strLaunchedEmulationFile.clear();

    FakeDesktop desktop;
    crash::Disk files;
    files.PutDirectory(u"C:\\WINDOWS");
    files.PutDirectory(u"D:\\Launcher");
    files.Put(u"D:\\Launcher\\PPC_ENS.dll", Scrambled("english state"));
    files.Put(u"D:\\Launcher\\PPC_CHS.dll", Scrambled("chinese state"));
    files.Put(kPlainFile, kState);
    const std::string record(reinterpret_cast<const char*>(data), size);
    files.Put(kRecordFile, record);
    const auto before = files.entries;

    emulator::EmulatorSession session(desktop, files);
    session.ResumeInterruptedSession();
    if (session.IsLaunched())
        session.OnWatchTick();  // no emulator runs: the watch tries to write back once more

    const std::u16string target = emulator::g_strLaunchedEmulationFile;
    const std::u16string earlier = emulator::EarlierStatesFolder(target);
    const bool wentBack = !files.Has(kPlainFile) && !files.Has(kKeptFile);
    if (wentBack) {
        Require(IsFullFilePath(target) && target != kPlainFile && target != kRecordFile);
        Require(files.Has(target) && !files.Has(kRecordFile) && !session.IsLaunched());
        Require(files.Bytes(target) == Scrambled(kState) || HoldsDigestOfState(record));
    } else if (files.Has(kKeptFile)) {
        Require(!files.Has(kPlainFile) && files.Bytes(kKeptFile) == kState && !desktop.messages.empty());
    } else {
        Require(files.Bytes(kPlainFile) == kState && !desktop.messages.empty());
    }
    // Nothing else changed: the files the outcome names aside, every entry is as it was.
    for (const auto& [path, entry] : files.entries) {
        if (path == kPlainFile || path == kRecordFile || path == kKeptFile || (wentBack && path == target))
            continue;
        auto old = before.find(path);
        if (wentBack && (path == earlier || path.starts_with(earlier + u"\\"))) {
            Require(entry.directory || (before.count(target) && before.at(target).bytes == entry.bytes));
            continue;
        }
        Require(old != before.end() && old->second.bytes == entry.bytes);
    }
    return 0;
}
