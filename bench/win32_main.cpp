// Speed and memory of the emulator session's file work and of the language texts at start-up,
// all measured in one run against their references. Run through scripts/bench.
#include <windows.h>

#include <cstdio>
#include <string>

#include "file_bench.h"
#include "language_bench.h"
#include "scramble_bench.h"
#include "write_back_bench.h"

int wmain(int argc, wchar_t** argv)
{
    wchar_t self[MAX_PATH * 4] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH * 4);
    if (argc == 4 && std::wstring(argv[1]).rfind(L"--peak-", 0) == 0)
        return bench::ReportPeakMemory(argv[2], argv[3], std::wstring(argv[1]) == L"--peak-write-back");
    if (argc == 3 && std::wstring(argv[1]) == L"--texts") {
        bench::CompareStartupTextsWithOneRead(argv[2]);
        return 0;
    }
    if (argc == 3 && std::wstring(argv[1]) == L"--write-back") {
        bench::CompareWriteBackKeepingEarlierStates(argv[2]);
        return 0;
    }
    if (argc != 2) {
        std::fprintf(stderr, "usage: kovrin_bench [--texts | --write-back] <folder for large temporary files>\n");
        return 2;
    }
    bench::CompareScrambleWithMemcpy();
    bench::CompareSessionCopiesWithPlainCopy(argv[1]);
    bench::CompareWriteBackKeepingEarlierStates(argv[1]);
    bench::CompareStartupTextsWithOneRead(argv[1]);
    std::fflush(stdout);
    bench::MeasureWriteBackPeakMemory(argv[1], self);
    return 0;
}
