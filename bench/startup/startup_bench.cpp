// Start-up time of the launcher against two references: a program that builds the same tree of
// windows by direct Win32 calls, and a bare window program. All three are started in turn, in a
// fresh program folder each time and in a folder used before, and timed from process creation to
// a shown, fully painted window whose thread waits for input. Prints medians and ratios. With
// --once, starts each program in a new folder and once more in that used folder, and prints the
// process ids, so that the requests each start made to the window server can be counted from a
// server trace.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Program {
    const wchar_t* name;
    std::wstring exe;
    std::wstring fileName;
};

struct WindowSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK FindShownWindow(HWND window, LPARAM parameter)
{
    auto& search = *reinterpret_cast<WindowSearch*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    RECT rect;
    if (owner == search.processId && IsWindowVisible(window) && GetWindowRect(window, &rect) &&
        rect.right - rect.left == 440 && rect.bottom - rect.top == 346) {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK FindUnpaintedChild(HWND child, LPARAM parameter)
{
    if (IsWindowVisible(child) && GetUpdateRect(child, nullptr, FALSE)) {
        *reinterpret_cast<bool*>(parameter) = true;
        return FALSE;
    }
    return TRUE;
}

bool FullyPainted(HWND window)
{
    if (GetUpdateRect(window, nullptr, FALSE))
        return false;
    bool unpainted = false;
    EnumChildWindows(window, FindUnpaintedChild, reinterpret_cast<LPARAM>(&unpainted));
    return !unpainted;
}

constexpr DWORD kSettleMs = 500;

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return double(to.QuadPart - from.QuadPart) / double(frequency.QuadPart);
}

// Milliseconds from CreateProcess to an idle, painted 440 x 346 window; the program is then
// closed as a user would close it. Negative when it never got there.
double TimeStart(const std::wstring& folder, const std::wstring& exe, DWORD* processId = nullptr)
{
    std::wstring commandLine = L"\"" + exe + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                        &startup, &process))
        return -1;
    CloseHandle(process.hThread);
    if (processId)
        *processId = process.dwProcessId;

    double elapsed = -1;
    WindowSearch search{process.dwProcessId, nullptr};
    if (WaitForInputIdle(process.hProcess, 20000) == 0) {
        const DWORD deadline = GetTickCount() + 20000;
        while (GetTickCount() < deadline) {
            search.found = nullptr;
            EnumWindows(FindShownWindow, reinterpret_cast<LPARAM>(&search));
            if (search.found && FullyPainted(search.found)) {
                QueryPerformanceCounter(&end);
                elapsed = Seconds(start, end) * 1000.0;
                break;
            }
            Sleep(1);
        }
    }
    if (search.found)
        PostMessageW(search.found, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, 20000) != WAIT_OBJECT_0)
        TerminateProcess(process.hProcess, 1);
    WaitForSingleObject(process.hProcess, 5000);
    CloseHandle(process.hProcess);
    // The desktop repaints what the closed window covered, and the window server tidies up after
    // the process, for a good while after it ended. The launcher's close waits 200 ms before it
    // ends, the references end at once: without a pause, the start after a reference would share
    // the machine with that work and the start after the launcher would not.
    Sleep(kSettleMs);
    return elapsed;
}

std::wstring PlaceIn(const std::wstring& folder, const Program& program)
{
    CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring exe = folder + L"\\" + program.fileName;
    CopyFileW(program.exe.c_str(), exe.c_str(), FALSE);
    return exe;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

std::wstring FileNameOf(const std::wstring& path)
{
    const auto slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

constexpr int kPrograms = 3;

// The ratio of two programs' starts taken in the same rounds, round by round: a stretch in which
// the machine was slower for all of them then cancels out.
double MedianRatio(const std::vector<double>& of, const std::vector<double>& to)
{
    std::vector<double> ratios;
    for (size_t round = 0; round < of.size() && round < to.size(); ++round)
        ratios.push_back(of[round] / to[round]);
    return Median(ratios);
}

double Fastest(const std::vector<double>& values)
{
    return values.empty() ? 0 : *std::min_element(values.begin(), values.end());
}

// Medians, and the fastest start of each: under Wine some starts wait tens of milliseconds more
// for the window server or the X server, whichever program it is, and the fastest start is the
// one that did not.
void PrintRatios(const char* kind, const std::vector<double> (&times)[kPrograms])
{
    std::printf("  %s: launcher %6.1f ms, window tree %6.1f ms (ratio %.2f, aim at most 1.05), bare window %6.1f ms "
                "(ratio %.2f)\n",
                kind, Median(times[0]), Median(times[1]), MedianRatio(times[0], times[1]), Median(times[2]),
                MedianRatio(times[0], times[2]));
    std::printf("  %s  fastest: launcher %6.1f ms, window tree %6.1f ms (ratio %.2f), bare window %6.1f ms (ratio %.2f)\n",
                kind, Fastest(times[0]), Fastest(times[1]), Fastest(times[0]) / Fastest(times[1]), Fastest(times[2]),
                Fastest(times[0]) / Fastest(times[2]));
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    const bool once = argc > 1 && std::wstring(argv[1]) == L"--once";
    if (once) {
        ++argv;
        --argc;
    }
    if (argc < 5) {
        std::fprintf(stderr, "usage: kovrin_startup_bench [--once] <launcher.exe> <window_tree.exe> <bare_window.exe> "
                             "<work folder> [rounds]\n");
        return 2;
    }
    const Program programs[kPrograms] = {{L"launcher", argv[1], FileNameOf(argv[1])},
                                         {L"window tree", argv[2], FileNameOf(argv[2])},
                                         {L"bare window", argv[3], FileNameOf(argv[3])}};
    const std::wstring work = argv[4];
    const int rounds = argc > 5 ? std::max(1, _wtoi(argv[5])) : 10;
    CreateDirectoryW(work.c_str(), nullptr);

    // The first window of a fresh window server starts the desktop process, and the program that
    // asks for it waits for it: a start of the bare window, counted for none, pays for that.
    if (once)
        TimeStart(work + L"\\warm-up", PlaceIn(work + L"\\warm-up", programs[2]));
    std::wstring usedExe[kPrograms];
    for (int p = 0; p < kPrograms; ++p) {
        const std::wstring folder = work + L"\\used-" + std::to_wstring(p);
        usedExe[p] = PlaceIn(folder, programs[p]);
        DWORD processId = 0;
        TimeStart(folder, usedExe[p], &processId);  // makes the folder a used one
        if (once) {
            std::printf("%ls, first start %lu\n", programs[p].name, processId);
            TimeStart(folder, usedExe[p], &processId);
            std::printf("%ls, used folder %lu\n", programs[p].name, processId);
        }
    }
    if (once)
        return 0;

    std::vector<double> fresh[kPrograms], used[kPrograms];
    int failures = 0;
    for (int round = 0; round < rounds; ++round) {
        // Who goes first changes every round, so none profits from another's warm caches.
        for (int turn = 0; turn < kPrograms; ++turn) {
            const int p = (round + turn) % kPrograms;
            const std::wstring folder = work + L"\\fresh-" + std::to_wstring(round) + L"-" + std::to_wstring(p);
            const double freshTime = TimeStart(folder, PlaceIn(folder, programs[p]));
            const double usedTime = TimeStart(work + L"\\used-" + std::to_wstring(p), usedExe[p]);
            if (freshTime < 0 || usedTime < 0) {
                ++failures;
            } else {
                fresh[p].push_back(freshTime);
                used[p].push_back(usedTime);
            }
        }
    }
    if (failures) {
        std::printf("%d starts never reached a painted, idle window\n", failures);
        return 1;
    }
    std::printf("start-up to a painted, idle window, medians of %d alternating rounds (ratios: medians of the "
                "rounds' ratios):\n",
                rounds);
    PrintRatios("fresh folder", fresh);
    PrintRatios("used folder ", used);
    return 0;
}
