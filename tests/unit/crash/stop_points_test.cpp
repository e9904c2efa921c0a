// Every flow that writes, stopped after each of its changes to the disk, killed and by a power cut;
// then the next start runs on what is left, and is itself stopped at each of its changes before
// a last start. After every stop and every start the invariants must hold: the emulation file and
// every earlier state are whole; the latest good state the emulator saved is in the emulation
// file, or in the plain state file with its record, or kept aside under a name the user was told
// (or, where the user restores one, in an earlier state); setting.ini and the language files are
// whole; and after a finished start nothing else is left and a further start changes nothing.
// A flow run without a stop must also end as it should.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <optional>
#include <memory>

#include "crash_disk.h"
#include "emulator/earlier_states.h"
#include "emulator/emulator_session.h"
#include "emulator/session_paths.h"
#include "emulator/storage_folder.h"
#include "session_fixture.h"
#include "text/language_files.h"
#include "text/program_paths.h"

namespace crash {
namespace {

using emulator::testing::kChineseFile;
using emulator::testing::kEnglishFile;
using emulator::testing::kFlagFile;
using emulator::testing::kPlainFile;
using emulator::testing::kRecordFile;
using emulator::testing::SampleState;
using emulator::testing::Scrambled;

const std::u16string kFolder = u"D:\\Launcher\\";
const std::u16string kSetting = kFolder + u"setting.ini";
const std::u16string kLanguageFolder = kFolder + u"Language";
const std::u16string kLocalAppData = u"C:\\Users\\Lin Wei\\AppData\\Local";
const std::u16string kUserFolder = kLocalAppData + u"\\PC_Kovrin3.0";
// Where a plain state may be: the system folder, or the user's own where that refuses writes.
const std::u16string kPlainPlaces[] = {kPlainFile, kUserFolder + u"\\winsetup.dess"};
const std::u16string kEarlierStates = kFolder + u"Earlier states";

// The desktop of one run, with its texts and stored language from the text subsystem on the disk.
class RunDesktop : public emulator::testing::FakeDesktop {
public:
    explicit RunDesktop(TextDisk& text) : m_text(text) {}
    std::u16string LanguageText(std::u16string_view key) override { return text::LoadLanguageText(m_text, key); }
    std::u16string StoredLanguage() override { return text::StoredLanguageSetting(m_text); }

private:
    TextDisk& m_text;
};

// One run of the program: its program-wide state starts afresh, as in a new process.
struct Run {
    explicit Run(Disk& disk) : files(disk), platform(disk, kFolder + u"PC_Kovrin3.0.exe"), desktop(platform)
    {
        emulator::g_strTempStateFile.clear();
        emulator::g_strEmulationFile.clear();
        emulator::g_strLaunchedEmulationFile.clear();
        text::ForgetLanguageState();
    }
    // What the program does at start, in its order: texts first, then the session's files.
    void Start()
    {
        text::InitAppPaths(platform);
        text::RemoveLeftoverReplacementFiles(platform);
        text::SelectLanguage(platform, u"");
        session = std::make_unique<emulator::EmulatorSession>(desktop, files);
        emulator::PrepareStorageFolder(desktop, files, true);
        session->ResumeInterruptedSession();
    }

    Disk& files;  // the program folder is the current directory
    TextDisk platform;
    RunDesktop desktop;
    std::unique_ptr<emulator::EmulatorSession> session;
};

// The disk, the emulator's saves and the user, across the program's runs.
struct Machine {
    Machine()
    {
        disk.PutDirectory(u"C:\\WINDOWS");
        disk.PutDirectory(u"D:\\Launcher");
        disk.PutDirectory(kLocalAppData);
        disk.Put(kEnglishFile, Scrambled(latest));
        disk.Put(kChineseFile, Scrambled(SampleState(3001, 2)));
    }
    // The program's run ends (or the machine goes down): the emulator goes with it.
    void EndRun()
    {
        if (run) {
            told.insert(told.end(), run->desktop.messages.begin(), run->desktop.messages.end());
            told.insert(told.end(), run->desktop.fileErrors.begin(), run->desktop.fileErrors.end());
            told.insert(told.end(), run->platform.toldUser.begin(), run->platform.toldUser.end());
        }
        run.reset();
        disk.Restart();
    }
    void Start()
    {
        const bool emulatorStillRuns = emulatorSurvives;
        emulatorSurvives = false;
        EndRun();
        run = std::make_unique<Run>(disk);
        if (emulatorStillRuns)
            run->desktop.Open(u"Device Emulator");
        run->Start();
    }
    void RunEmulator()
    {
        run->session->RunEmulator();
        run->desktop.Open(u"Device Emulator");
    }
    void EmulatorSaves(std::string state)
    {
        latest = std::move(state);
        disk.Put(emulator::g_strTempStateFile, latest);  // the file it was started on
    }
    // Its save goes wrong: what it leaves is no good state, and the last good one stays the latest.
    void EmulatorBreaksSave(const std::string& left) { disk.Put(emulator::g_strTempStateFile, left); }
    std::vector<emulator::EarlierState> EarlierStates() { return emulator::ListEarlierStates(disk, kEnglishFile); }
    void EmulatorQuits()
    {
        run->desktop.Close(u"Device Emulator");
        *run->desktop.emulatorRunning = false;
    }

    std::string latest = SampleState(5003, 1);  // the state the emulator saved last
    Disk disk;
    std::unique_ptr<Run> run;
    std::vector<std::u16string> told;  // everything the user was told, in every run
    bool emulatorSurvives = false;     // the emulator outlives this run of the program, once
};

struct Flow {
    std::string name;
    std::function<void(Machine&)> setup;   // not stopped
    std::function<void(Machine&)> action;  // stopped after each of its changes
    bool startsWithUnknownPlainState = false;
    bool systemFolderRefuses = false;  // this user may not write C:\WINDOWS
    // How the flow, run without a stop, must end; empty when it did.
    std::function<std::string(Machine&)> outcome = [](Machine&) { return std::string(); };
    bool keepsBrokenSave = false;            // the emulator's broken save may be kept aside
    bool latestMayBeEarlierState = false;    // the user restores an earlier state
};

bool WasTold(const Machine& machine, const std::u16string& path)
{
    for (const auto& text : machine.told)
        if (text.find(path) != std::u16string::npos)
            return true;
    return false;
}

// Where the latest state is; empty when it is nowhere it may be.
std::string WhereTheStateIs(const Machine& machine, const Flow& flow)
{
    const Disk& disk = machine.disk;
    if (const auto* bytes = disk.Find(kEnglishFile); bytes && *bytes == Scrambled(machine.latest))
        return "emulation file";
    for (const std::u16string& place : kPlainPlaces) {
        const auto* plain = disk.Find(place);
        const auto* record = disk.Find(place + u".origin");
        if (plain && *plain == machine.latest && (flow.startsWithUnknownPlainState || (record && record->size() > 2)))
            return "plain state";
        for (const auto& [path, file] : disk.entries)
            if (path.starts_with(place + u".unsaved-") && file.bytes == machine.latest && WasTold(machine, path))
                return "kept aside";
    }
    for (const auto& [path, file] : disk.entries)
        if (flow.latestMayBeEarlierState && path.starts_with(kEarlierStates + u"\\") && file.bytes == Scrambled(machine.latest))
            return "earlier state";
    return {};
}

// A file kept aside that the user was told of, with the emulator's temporary file beside it.
bool KeptAsideAndTold(const Machine& machine, const std::u16string& path)
{
    const auto at = path.find(u"winsetup.dess.unsaved-");
    if (at == std::u16string::npos)
        return false;
    const std::u16string told = path.ends_with(u".tmp") ? path.substr(0, path.size() - 4) : path;
    return WasTold(machine, told);
}

// Whether every file the program replaces whole holds one of its whole contents.
std::string TornFile(const Disk& disk)
{
    for (const auto& [path, file] : disk.entries) {
        auto whole = disk.wholeContents.find(path);
        if (!file.directory && whole != disk.wholeContents.end() && !whole->second.count(file.bytes))
            return std::string(path.begin(), path.end());
    }
    return {};
}

// After a finished start: the program's files, nothing else; a state kept aside only where there
// was one of unknown origin, and under the name the user was told.
std::string StrayFile(const Machine& machine, const Flow& flow)
{
    static const std::set<std::u16string> expected{
        u"C:\\WINDOWS", u"D:\\Launcher", kEnglishFile, kChineseFile, kSetting, kLanguageFolder,
        kLanguageFolder + u"\\PC_Kovrin_CH.ini", kLanguageFolder + u"\\PC_Kovrin_EN.ini", u"C:\\StorageCard", kFlagFile,
        kLocalAppData, kUserFolder};
    for (const auto& [path, file] : machine.disk.entries) {
        const bool keptAside = (flow.startsWithUnknownPlainState || flow.keepsBrokenSave) && KeptAsideAndTold(machine, path);
        const bool earlier = path == kEarlierStates || (path.starts_with(kEarlierStates + u"\\") && !file.directory);
        if (!expected.count(path) && !keptAside && !earlier)
            return std::string(path.begin(), path.end());
    }
    const auto* flag = machine.disk.Find(kFlagFile);
    if (!flag || (*flag != "0" && *flag != "1"))
        return "SN.dat torn";
    return {};
}

std::map<std::u16string, std::string> Contents(const Disk& disk)
{
    std::map<std::u16string, std::string> contents;
    for (const auto& [path, file] : disk.entries)
        contents[path] = file.bytes;
    return contents;
}

struct Tally {
    int points = 0, restartPoints = 0, checked = 0;
    std::vector<std::string> failures;
};

class Enumeration {
public:
    Enumeration(const Flow& flow, Tally& tally) : m_flow(flow), m_tally(tally) {}

    // The flow runs whole: how many changes it makes. It must end as it should.
    int CountFlow()
    {
        Machine machine;
        Setup(machine);
        const int before = machine.disk.Changes();
        m_flow.action(machine);
        const int changes = machine.disk.Changes() - before;
        machine.EndRun();
        if (auto wrong = m_flow.outcome(machine); !wrong.empty())
            Fail(m_flow.name + ", run whole", wrong);
        return changes;
    }

    // Stops the flow after change k; the next start is stopped after change j (0: not stopped).
    // Returns how many changes that next start made.
    int StopAndStartAgain(int k, StopKind kind, int j, StopKind restartKind)
    {
        const std::string where = m_flow.name + ", stopped after change " + std::to_string(k) + Kind(kind) +
                                  (j ? ", its next start after change " + std::to_string(j) + Kind(restartKind) : "");
        Machine machine;
        Setup(machine);
        Stop(machine, k, kind, [&] { m_flow.action(machine); });
        if (!machine.disk.HasStopped()) {
            Fail(where, "no stop came");
            return 0;
        }
        machine.EndRun();
        CheckStopped(machine, where + ": what was left");
        const int before = machine.disk.Changes();
        Stop(machine, j, restartKind, [&] { machine.Start(); });
        const int restartChanges = machine.disk.Changes() - before;
        if (j) {
            machine.EndRun();
            CheckStopped(machine, where + ": what the stopped start left");
            machine.Start();
        }
        CheckFinished(machine, where);
        ++m_tally.checked;
        return restartChanges;
    }

private:
    void Setup(Machine& machine)
    {
        if (m_flow.systemFolderRefuses)
            machine.disk.readOnlyFolders.insert(u"C:\\WINDOWS");
        m_flow.setup(machine);
    }

    static std::string Kind(StopKind kind) { return kind == StopKind::Kill ? " (killed)" : " (power cut)"; }

    static void Stop(Machine& machine, int after, StopKind kind, const std::function<void()>& steps)
    {
        machine.disk.StopAfter(after, kind);
        try {
            steps();
        } catch (const Stopped&) {
        }
    }

    void Fail(const std::string& where, const std::string& what) { m_tally.failures.push_back(where + ": " + what); }

    void CheckStopped(const Machine& machine, const std::string& where)
    {
        if (auto torn = TornFile(machine.disk); !torn.empty())
            Fail(where, "torn " + torn);
        if (WhereTheStateIs(machine, m_flow).empty())
            Fail(where, "the latest state is lost");
    }

    void CheckFinished(Machine& machine, const std::string& where)
    {
        machine.EndRun();  // what it told the user is known from here on
        CheckStopped(machine, where + ", after the next start");
        if (auto stray = StrayFile(machine, m_flow); !stray.empty())
            Fail(where, "left after the next start: " + stray);
        const auto before = Contents(machine.disk);
        const std::size_t toldBefore = machine.told.size();
        machine.Start();
        machine.EndRun();
        if (Contents(machine.disk) != before || machine.told.size() != toldBefore)
            Fail(where, "a second start changed the disk or told the user something");
    }

    const Flow& m_flow;
    Tally& m_tally;
};

void StartedAndRunning(Machine& machine)
{
    machine.Start();
    machine.RunEmulator();
    machine.EmulatorSaves(SampleState(5101, 3));
}

// The emulator ran and quit, as the watch tick finds it: having left `left` in its state file
// (nothing: it wrote nothing), with its exit code.
void RanAndLeft(Machine& machine, std::optional<std::string> left, std::uint32_t exitCode = 0)
{
    machine.Start();
    machine.RunEmulator();
    if (left)
        machine.EmulatorBreaksSave(*left);
    *machine.run->desktop.emulatorExitCode = exitCode;
    machine.EmulatorQuits();
}

std::string Unless(bool ok, const char* what) { return ok ? std::string() : std::string(what); }

// The emulation file as the machine was made: never written since.
bool EmulationFileUntouched(const Machine& machine) { return machine.disk.entries.at(kEnglishFile).version == 1; }

const std::u16string kKeptAside = kPlainFile + u".unsaved-001";
const std::string kTornSave = SampleState(5501, 7).substr(0, 2000);

// A broken save as the tick finds it: the emulation file untouched, what the emulator left (and
// its temporary file, when it left one) kept aside and told.
Flow BrokenSave(std::string name, std::function<void(Machine&)> setup, std::string left, std::string temporary = {})
{
    Flow flow{std::move(name), std::move(setup), [](Machine& m) { m.run->session->OnWatchTick(); }};
    flow.keepsBrokenSave = true;
    flow.outcome = [left, temporary](Machine& m) {
        return Unless(EmulationFileUntouched(m) && m.disk.Find(kKeptAside) && m.disk.Bytes(kKeptAside) == left &&
                          (temporary.empty() || m.disk.Bytes(kKeptAside + u".tmp") == temporary) && WasTold(m, kKeptAside) &&
                          WasTold(m, kEnglishFile),
                      "the broken save was not kept aside and told");
    };
    return flow;
}

// The flows of this program's earlier states and of the emulator's broken saves.
std::vector<Flow> EarlierStateFlows()
{
    auto tick = [](Machine& m) { m.run->session->OnWatchTick(); };
    std::vector<Flow> flows;
    flows.push_back({"write-back keeping three earlier states, the oldest removed", [](Machine& m) {
                         m.Start();
                         m.disk.PutDirectory(kEarlierStates);
                         for (char16_t n : {u'1', u'2', u'3'})
                             m.disk.Put(kEarlierStates + u"\\PPC_ENS 2026-12-10 08.00.0" + n + u".dll", Scrambled(SampleState(4000 + n, 1)));
                         m.RunEmulator();
                         m.EmulatorSaves(SampleState(5101, 3));
                         m.EmulatorQuits();
                     }, tick});
    flows.back().outcome = [](Machine& m) {
        const auto states = m.EarlierStates();
        return Unless(states.size() == 3 && m.disk.Bytes(states[0].path) == Scrambled(SampleState(5003, 1)) &&
                          states[2].written.second == 2,
                      "not the newest three earlier states, the replaced one first");
    };

    for (const std::uint32_t exitCode : {0u, 1u}) {
        // An emulator that changed nothing broke nothing, whatever its exit code.
        flows.push_back({exitCode ? "session that changed nothing, its emulator failing" : "session that changed nothing",
                         [exitCode](Machine& m) { RanAndLeft(m, std::nullopt, exitCode); }, tick});
        flows.back().outcome = [](Machine& m) {
            return Unless(EmulationFileUntouched(m) && m.EarlierStates().empty() && !m.disk.Has(kPlainFile) && m.told.empty(),
                          "an unchanged state was written back, or the user told");
        };
    }
    flows.push_back(BrokenSave("broken save: an empty file", [](Machine& m) { RanAndLeft(m, ""); }, ""));
    flows.push_back(BrokenSave("broken save: failed, its temporary file left", [](Machine& m) {
        RanAndLeft(m, kTornSave, 1);
        m.disk.Put(kPlainFile + u".tmp", SampleState(5501, 7));
    }, kTornSave, SampleState(5501, 7)));
    // Stopped before its first change marks the save as failed, the next start cannot know and
    // writes it back: the good state is then the newest earlier state.
    flows.back().latestMayBeEarlierState = true;
    flows.push_back(BrokenSave("broken save: cannot be read to its end", [](Machine& m) {
        RanAndLeft(m, kTornSave);
        m.disk.readErrorAfter[kPlainFile] = 1000;
    }, kTornSave));

    flows.push_back({"restore of an earlier state", [](Machine& m) {
                         m.Start();
                         m.disk.PutDirectory(kEarlierStates);
                         m.disk.Put(kEarlierStates + u"\\PPC_ENS 2026-12-10 08.00.00.dll", Scrambled(SampleState(4444, 9)));
                         m.latest = SampleState(4444, 9);  // the state the user goes back to
                     },
                     [](Machine& m) {
                         emulator::FileError error;
                         emulator::RestoreEarlierState(m.disk, kEnglishFile, m.EarlierStates().front(), error);
                     }});
    flows.back().latestMayBeEarlierState = true;
    flows.back().outcome = [](Machine& m) {
        const auto states = m.EarlierStates();
        return Unless(m.disk.Bytes(kEnglishFile) == Scrambled(SampleState(4444, 9)) && states.size() == 1 &&
                          m.disk.Bytes(states[0].path) == Scrambled(SampleState(5003, 1)),
                      "the earlier state is not back, or the replaced one not kept");
    };
    return flows;
}

// Asked to close, the emulator saves what the user did and ends, as it does when closed normally.
void SavesWhenAskedToClose(Machine& machine, std::string state)
{
    machine.run->desktop.onAskedToClose = [&machine, state](unsigned) {
        machine.EmulatorSaves(state);
        machine.EmulatorQuits();
        return true;
    };
}

std::vector<Flow> Flows()
{
    auto start = [](Machine& m) { m.Start(); };
    std::vector<Flow> flows{
        {"first start", [](Machine&) {}, start},
        {"start restoring the built-in files",
         [](Machine& m) {
             m.Start();
             m.disk.Put(kSetting, "[Setting]\r\nLanguage=Klingon\r\n");
             m.disk.Put(kLanguageFolder + u"\\PC_Kovrin_EN.ini", "[Setting]\r\nLanguage=English\r\n; edited\r\n");
             m.disk.Put(kLanguageFolder + u"\\PC_Kovrin_CH.ini", "[Setting]\r\nLanguage=Old\r\n");
         },
         start},
        {"run", start, [](Machine& m) { m.RunEmulator(); }},
        {"watch tick",
         [](Machine& m) {
             StartedAndRunning(m);
             m.EmulatorQuits();
         },
         [](Machine& m) { m.run->session->OnWatchTick(); }},
        {"language switch", StartedAndRunning,
         [](Machine& m) {
             SavesWhenAskedToClose(m, SampleState(5203, 5));
             emulator::EndEmulator(m.run->desktop, m.run->files, emulator::EndVariant::LanguageSwitch);
             text::SelectLanguage(m.run->platform, u"中文");
             emulator::ReloadEmulationFile(m.run->desktop);
             m.run->session->OnWatchTick();
         },
         false, false,
         // The tick after the switch finds the state already back: no second earlier state.
         [](Machine& m) { return Unless(m.EarlierStates().size() == 1, "not one earlier state"); }},
        {"close", StartedAndRunning,
         [](Machine& m) {
             SavesWhenAskedToClose(m, SampleState(5303, 6));
             emulator::EndEmulator(m.run->desktop, m.run->files, emulator::EndVariant::Close);
         }},
        {"recovery at start, leftovers removed",
         [](Machine& m) {
             StartedAndRunning(m);
             // A killed write-back of that run left its beginning beside the emulation file.
             m.disk.Put(m.disk.NewReplacementName(kEnglishFile), "partial");
         },
         start},
        {"start while the emulator still runs, then its end",
         [](Machine& m) {
             StartedAndRunning(m);
             m.emulatorSurvives = true;
         },
         [](Machine& m) {
             m.Start();
             m.EmulatorSaves(SampleState(6007, 5));
             m.EmulatorQuits();
             m.run->session->OnWatchTick();
         }},
        {"unknown plain state kept aside",
         [](Machine& m) {
             m.Start();
             m.EmulatorSaves(SampleState(777, 4));
         },
         start, true},
    };
    // Every flow of a session again, for a user who may not write the system folder.
    for (std::size_t i = 2, count = flows.size() - 1; i < count; ++i) {
        flows.push_back(flows[i]);
        flows.back().name += " (user's folder)";
        flows.back().systemFolderRefuses = true;
    }
    for (Flow& flow : EarlierStateFlows())
        flows.push_back(std::move(flow));
    return flows;
}

TEST(StopPoints, EveryFlowSurvivesAStopAfterEachOfItsChanges)
{
    std::printf("stop points: %-72s %6s %8s %14s %8s\n", "flow", "steps", "checked", "restart steps", "checked");
    for (const Flow& flow : Flows()) {
        Tally tally;
        Enumeration enumeration(flow, tally);
        tally.points = enumeration.CountFlow();
        int checkedFlow = 0;
        for (int k = 1; k <= tally.points; ++k) {
            for (StopKind kind : {StopKind::Kill, StopKind::PowerCut}) {
                const int restart = enumeration.StopAndStartAgain(k, kind, 0, kind);
                ++checkedFlow;
                tally.restartPoints += restart;
                for (int j = 1; j <= restart; ++j)
                    for (StopKind restartKind : {StopKind::Kill, StopKind::PowerCut})
                        enumeration.StopAndStartAgain(k, kind, j, restartKind);
            }
        }
        std::printf("stop points: %-72s %6d %8d %14d %8d\n", flow.name.c_str(), tally.points, checkedFlow, tally.restartPoints,
                    tally.checked - checkedFlow);
        EXPECT_GT(tally.points, 0) << flow.name;
        EXPECT_TRUE(tally.failures.empty()) << tally.failures.size() << " failures in " << flow.name << ", the first: "
                                            << tally.failures.front() << "; the last: " << tally.failures.back();
    }
}

}  // namespace
}  // namespace crash
