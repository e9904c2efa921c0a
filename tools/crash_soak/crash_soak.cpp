// Kills the real launcher at random moments of its start, Run, the session, the write-back, the
// language switch and the exit, with the stand-in emulator beside it, and checks after every next
// start what a user finds: both emulation files whole, the device's latest start count in the file
// it came from, every earlier state kept beside them whole, no plain state, record or
// half-written file left, setting.ini and the language files whole. Usage: crash_soak [KILLS] [SEED] [SECONDS]: stops early, and says so, when SECONDS
// have passed. Prints the kills by phase and every failure; exits 1 when there was one.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "host_files.h"
#include "support/host_paths.h"
#include "support/launcher_process.h"
#include "support/program_folder.h"
#include "support/remote_list_view.h"
#include "support/session_state.h"

namespace e2e {
namespace {

namespace fs = std::filesystem;

enum Phase { Start, Run, Session, WriteBack, LanguageSwitch, Exit, kPhases };
const char* const kPhaseNames[kPhases] = {"start", "run", "session", "write-back", "language switch", "exit"};
const wchar_t* const kStandIns[] = {L"DeviceEmulator.exe", L"Device Emulator Manager.exe"};
const wchar_t* const kEmulationFiles[] = {L"PPC_ENS.dll", L"PPC_CHS.dll"};
constexpr int kComboId = 1001;
// Large enough that unpack and write-back take a while, so that kills land inside them.
const std::string kPadding(8u << 20, 'd');

std::string DeviceState(long starts) { return "starts=" + std::to_string(starts) + "\r\n" + kPadding; }

// The start count of a whole device state; -1 for anything else.
long StartsIn(const std::string& scrambled)
{
    const std::string bytes = Scrambled(scrambled);
    const auto end = bytes.find("\r\n");
    if (bytes.compare(0, 7, "starts=") != 0 || end == std::string::npos || bytes.compare(end + 2, std::string::npos, kPadding) != 0)
        return -1;
    return std::strtol(bytes.c_str() + 7, nullptr, 10);
}

bool Exists(const fs::path& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

class Soak {
public:
    explicit Soak(unsigned seed) : m_random(seed)
    {
        for (const wchar_t* program : kStandIns)
            fs::copy_file(fs::path(StandInsDir()) / program, m_folder.File(program));
        for (const wchar_t* file : kEmulationFiles)
            m_folder.Write(file, Scrambled(DeviceState(0)));
        StartLauncher(false);
    }
    ~Soak() { test_host::EndProcessesNamed({kStandIns[0], kStandIns[1]}); }

    // True when the launcher was still running when the kill came.
    bool KillOnce(int round)
    {
        const Phase phase = static_cast<Phase>(round % kPhases);
        const bool killed = phase == Start ? StartLauncher(true) : KillDuring(phase);
        ++(killed ? m_kills[phase] : m_endedFirst[phase]);
        m_launcher.reset();  // ended as by the task manager, if it still ran
        test_host::EndProcessesNamed({kStandIns[0], kStandIns[1]});
        StartLauncher(false);
        Check(std::string(kPhaseNames[phase]) + " kill " + std::to_string(round + 1));
        return killed;
    }

    int Report() const
    {
        int total = 0;
        for (int phase = 0; phase < kPhases; ++phase) {
            std::printf("  %-16s %5d killed, %3d ended before the kill came\n", kPhaseNames[phase], m_kills[phase],
                        m_endedFirst[phase]);
            total += m_kills[phase];
        }
        std::printf("kills: %d, failures: %zu, at most %d earlier states of one file\n", total, m_failures.size(),
                    m_earlierStatesSeen);
        for (const std::string& failure : m_failures)
            std::printf("FAILED: %s\n", failure.c_str());
        return m_failures.empty() ? 0 : 1;
    }

private:
    std::chrono::milliseconds Random(int maxMs) { return std::chrono::milliseconds(m_random() % (maxMs + 1)); }

    // A start; with `kill`, ended at a random moment of it. True when it was still running then.
    bool StartLauncher(bool kill)
    {
        m_launcher = std::make_unique<LauncherProcess>(m_folder.Exe());
        if (kill) {
            std::this_thread::sleep_for(Random(600));
            return !m_launcher->WaitForExit(0ms);
        }
        m_frame = m_launcher->WaitForMainWindow();
        return m_frame != nullptr;
    }

    void ClickRun()
    {
        HWND list = nullptr;
        WaitUntil([&] { return (list = CommandList(m_frame)) && ListItemCount(list) == 5; });
        const RECT run = ListItemScreenRect(list, 0, LVIR_ICON);
        POINT point{(run.left + run.right) / 2, (run.top + run.bottom) / 2};
        ScreenToClient(list, &point);
        PostMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
        PostMessageW(list, WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
    }

    void SwitchLanguage()
    {
        HWND combo = nullptr;
        EnumChildWindows(m_frame, [](HWND child, LPARAM found) -> BOOL {
            if (GetDlgCtrlID(child) != kComboId)
                return TRUE;
            *reinterpret_cast<HWND*>(found) = child;
            return FALSE;
        }, reinterpret_cast<LPARAM>(&combo));
        if (!combo)
            return;
        const LRESULT current = SendMessageW(combo, CB_GETCURSEL, 0, 0);
        SendMessageW(combo, CB_SETCURSEL, current == 0 ? 1 : 0, 0);
        PostMessageW(GetParent(combo), WM_COMMAND, MAKEWPARAM(kComboId, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
    }

    // Brings the launcher into the phase and kills it at a random moment of it.
    bool KillDuring(Phase phase)
    {
        m_folder.Write(L"DeviceEmulator.control", phase == WriteBack ? "exit_after_ms=200\n" : "");
        ClickRun();
        if (phase == Run) {
            std::this_thread::sleep_for(Random(700));
        } else {
            WaitUntil(DeviceShown);
            if (phase == Session) {
                std::this_thread::sleep_for(Random(1500));
            } else if (phase == WriteBack) {
                // The watch tick comes within two seconds of the window going; then the write-back.
                WaitUntil([] { return !DeviceShown(); });
                // Closely watched: the write-back itself takes a few tens of milliseconds.
                const auto deadline = std::chrono::steady_clock::now() + 2500ms;
                while (Exists(fs::path(kPlain)) && !HasReplacementBeside() && std::chrono::steady_clock::now() < deadline)
                    std::this_thread::sleep_for(2ms);
                std::this_thread::sleep_for(Random(80));
            } else {
                if (phase == LanguageSwitch)
                    SwitchLanguage();
                else
                    PostMessageW(m_frame, WM_CLOSE, 0, 0);
                std::this_thread::sleep_for(Random(300));
            }
        }
        return !m_launcher->WaitForExit(0ms);
    }

    bool HasReplacementBeside() const
    {
        for (const auto& entry : fs::directory_iterator(m_folder.Path()))
            if (entry.path().extension() == L".tmp")
                return true;
        return false;
    }

    void Fail(const std::string& where, const std::string& what) { m_failures.push_back(where + ": " + what); }

    void Check(const std::string& where)
    {
        if (!m_frame)
            return Fail(where, "the next start showed no window");
        if (auto box = m_launcher->WaitForMessageBox(0ms)) {
            Fail(where, "the next start said: " + std::string(box->text.begin(), box->text.end()));
            PressMessageBoxButton(*box);
        }
        if (!WaitUntil([] { return !Exists(fs::path(kPlain)) && !Exists(fs::path(kRecord)); }))
            Fail(where, "the plain state or its record is still there");
        CheckStates(where);
        CheckEarlierStates(where);
        CheckFolder(where, m_folder.Path());
        CheckFolder(where, fs::path(kPlain).parent_path());
        const std::string setting = m_folder.Read(L"setting.ini");
        if (setting.find("Language=English\r\n") == std::string::npos &&
            setting.find("Language=" + Cp936(L"中文") + "\r\n") == std::string::npos &&
            setting.find("Language=\xE4\xB8\xAD\xE6\x96\x87\r\n") == std::string::npos)
            Fail(where, "setting.ini holds no whole language line");
        for (const wchar_t* name : {L"PC_Kovrin_CH.ini", L"PC_Kovrin_EN.ini"})
            if (m_folder.Read(std::wstring(L"Language\\") + name) != BuiltinLanguageFile(name))
                Fail(where, "a built-in language file is not whole");
    }

    // Each emulation file holds a whole state; only the one Run used may have changed, by the one
    // start the device counted (it may have been ended before it logged that start).
    void CheckStates(const std::string& where)
    {
        const bool deviceLogged = StartsLogged() != m_loggedBefore;
        for (int i = 0; i < 2; ++i) {
            const long starts = StartsIn(m_folder.Read(kEmulationFiles[i]));
            const bool counted = starts == m_starts[i] + 1 && i == m_used;
            if (starts < 0)
                Fail(where, "an emulation file is not whole");
            else if (deviceLogged && i == m_used ? !counted : starts != m_starts[i] && !counted)
                Fail(where, "an emulation file holds " + std::to_string(starts) + " starts, not " +
                                std::to_string(m_starts[i]) + (i == m_used ? " or one more" : ""));
            m_starts[i] = starts;
        }
        m_loggedBefore = StartsLogged();
        m_used = m_folder.Read(L"setting.ini").find("Language=English") != std::string::npos ? 0 : 1;
    }

    // Each earlier state is a whole state of its emulation file, older than the file's own; at
    // most one more than the three kept (a kill after a write-back, before the oldest went).
    void CheckEarlierStates(const std::string& where)
    {
        const fs::path folder = m_folder.File(L"Earlier states");
        if (!Exists(folder))
            return;
        int kept[2] = {0, 0};
        for (const auto& entry : fs::directory_iterator(folder)) {
            const std::wstring name = entry.path().filename().wstring();
            const int file = name.starts_with(L"PPC_ENS ") ? 0 : name.starts_with(L"PPC_CHS ") ? 1 : -1;
            const long starts = file < 0 ? -1 : StartsIn(test_host::ReadBinaryFile(entry.path()));
            if (starts < 0 || starts > m_starts[file])
                Fail(where, "an earlier state is not whole: " + std::string(name.begin(), name.end()));
            else
                ++kept[file];
        }
        for (int file = 0; file < 2; ++file)
            if (kept[file] > 4)
                Fail(where, "more earlier states than kept: " + std::to_string(kept[file]));
        m_earlierStatesSeen = std::max({m_earlierStatesSeen, kept[0], kept[1]});
    }

    // How many starts the stand-in has logged, each after saving its count in the state.
    long StartsLogged() const { return EmulatorLogCount(m_folder.Path(), "started "); }

    void CheckFolder(const std::string& where, const fs::path& folder)
    {
        for (const auto& entry : fs::directory_iterator(folder)) {
            const std::wstring name = entry.path().filename().wstring();
            if (entry.path().extension() == L".tmp" || name.find(L"winsetup.dess.") == 0)
                Fail(where, "left beside the files: " + std::string(name.begin(), name.end()));
        }
    }

    ProgramFolder m_folder{L"CrashSoak"};
    std::mt19937 m_random;
    std::unique_ptr<LauncherProcess> m_launcher;
    HWND m_frame = nullptr;
    long m_starts[2] = {0, 0};
    int m_used = 0;  // the emulation file the next Run unpacks: the language's
    long m_loggedBefore = 0;
    int m_kills[kPhases] = {}, m_endedFirst[kPhases] = {};
    int m_earlierStatesSeen = 0;
    std::vector<std::string> m_failures;
};

}  // namespace
}  // namespace e2e

int main(int argc, char** argv)
{
    const int kills = argc > 1 ? std::atoi(argv[1]) : 1000;
    const unsigned seed = argc > 2 ? static_cast<unsigned>(std::atoi(argv[2])) : 20261210u;
    const auto budget = std::chrono::seconds(argc > 3 ? std::atoi(argv[3]) : 24 * 3600);
    e2e::EndStrayLaunchers();
    e2e::RemoveSessionFiles();
    const auto started = std::chrono::steady_clock::now();
    e2e::Soak soak(seed);
    // Rounds go on until the kills asked for were made: a round whose launcher had already ended
    // (an exit that finished first) is checked all the same but is no kill.
    int round = 0, killed = 0;
    for (; killed < kills && std::chrono::steady_clock::now() - started < budget; ++round)
        killed += soak.KillOnce(round) ? 1 : 0;
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - started);
    std::printf("crash soak: %d kills of %d in %d rounds, %lld s (seed %u)%s\n", killed, kills, round,
                static_cast<long long>(seconds.count()), seed, killed < kills ? ", stopped by the time limit" : "");
    return soak.Report() || killed < kills ? 1 : 0;
}
