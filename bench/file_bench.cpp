#include "file_bench.h"

#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <stdexcept>
#include <vector>

#include "emulator/session_paths.h"
#include "emulator/win32/win32_session_files.h"
#include "emulator/xor_file_copy.h"
#include "text/win32/wide.h"
#include "timing.h"

namespace bench {

void MakeBenchFile(const std::wstring& path, unsigned long long size)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        throw std::runtime_error("cannot create the benchmark file");
    std::vector<unsigned char> chunk(8u << 20);
    for (unsigned long long written = 0; written < size; written += chunk.size()) {
        for (std::size_t i = 0; i < chunk.size(); ++i)
            chunk[i] = static_cast<unsigned char>((written + i) * 2654435761u >> 11);
        DWORD done = 0;
        WriteFile(file, chunk.data(), static_cast<DWORD>(chunk.size()), &done, nullptr);
    }
    CloseHandle(file);
}

namespace {

void ScrambledCopyOrThrow(const std::wstring& source, const std::wstring& target)
{
    emulator::win32::Win32SessionFiles files;
    if (!emulator::ScrambledCopy(files, text::AsU16(source), text::AsU16(target)).Ok())
        throw std::runtime_error("scrambled copy failed");
}

// The plain copy with the same promise the session makes: on disk before it counts as done.
void CopyAndFlush(const std::wstring& source, const std::wstring& target)
{
    CopyFileW(source.c_str(), target.c_str(), FALSE);
    HANDLE file = CreateFileW(target.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    FlushFileBuffers(file);
    CloseHandle(file);
}

}  // namespace

void CompareSessionCopiesWithPlainCopy(const std::wstring& folder)
{
    const std::wstring emulation = folder + L"\\bench.dll", plain = folder + L"\\bench.dess";
    const std::wstring copy = folder + L"\\bench-copy.dll", writtenBack = folder + L"\\bench-written-back.dll";
    constexpr unsigned long long kSize = 256ull << 20;
    MakeBenchFile(emulation, kSize);

    // Each operation writes a target that does not exist yet, and the four take turns in one
    // loop (in a rotating order), so none inherits a cache or a file the others left warm.
    enum { kCopy, kFlushedCopy, kUnpack, kWriteBack, kKinds };
    std::vector<double> times[kKinds];
    const auto timeFresh = [](const std::wstring& target, auto work) {
        DeleteFileW(target.c_str());
        return SecondsOf(work);
    };
    const int runs = 5;
    for (int run = 0; run < runs; ++run) {
        for (int turn = 0; turn < kKinds; ++turn) {
            switch ((run + turn) % kKinds) {
            case kCopy:
                times[kCopy].push_back(timeFresh(copy, [&] { CopyFileW(emulation.c_str(), copy.c_str(), FALSE); }));
                break;
            case kFlushedCopy:
                times[kFlushedCopy].push_back(timeFresh(copy, [&] { CopyAndFlush(emulation, copy); }));
                break;
            case kUnpack:
                times[kUnpack].push_back(timeFresh(plain, [&] { ScrambledCopyOrThrow(emulation, plain); }));
                break;
            case kWriteBack:
                // From the unpacked state when there is one yet, as a session writes it back.
                if (GetFileAttributesW(plain.c_str()) == INVALID_FILE_ATTRIBUTES)
                    ScrambledCopyOrThrow(emulation, plain);
                times[kWriteBack].push_back(timeFresh(writtenBack, [&] { ScrambledCopyOrThrow(plain, writtenBack); }));
                break;
            }
        }
    }
    const double plainCopy = Median(times[kCopy]), flushedCopy = Median(times[kFlushedCopy]);
    const double unpack = Median(times[kUnpack]), writeBack = Median(times[kWriteBack]);

    std::printf("256 MiB file, medians of %d alternating runs on fresh targets: copy %.3f s, copy flushed to disk "
                "%.3f s, unpack %.3f s, write-back %.3f s\n",
                runs, plainCopy, flushedCopy, unpack, writeBack);
    std::printf("unpack / flushed copy: %.2f, write-back / flushed copy: %.2f (aim: within 1.1)\n",
                unpack / flushedCopy, writeBack / flushedCopy);
    std::printf("unpack / copy without flush: %.2f, write-back / copy without flush: %.2f\n", unpack / plainCopy,
                writeBack / plainCopy);
    for (const auto& path : {emulation, plain, copy, writtenBack})
        DeleteFileW(path.c_str());
}

void MeasureWriteBackPeakMemory(const std::wstring& folder, const std::wstring& self)
{
    const std::wstring plain = folder + L"\\peak.dess", target = folder + L"\\peak.dll";
    constexpr unsigned long long kSize = 1ull << 30;
    MakeBenchFile(plain, kSize);
    for (const wchar_t* mode : {L"--peak-baseline", L"--peak-write-back"}) {
        std::wstring command = L"\"" + self + L"\" " + mode + L" \"" + plain + L"\" \"" + target + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        if (!CreateProcessW(self.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
            throw std::runtime_error("cannot start the memory probe");
        WaitForSingleObject(process.hProcess, INFINITE);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    DeleteFileW(plain.c_str());
    DeleteFileW(target.c_str());
}

int ReportPeakMemory(const std::wstring& plain, const std::wstring& target, bool copy)
{
    if (copy)
        ScrambledCopyOrThrow(plain, target);
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    std::printf("%s: peak working set %.1f MiB, peak private bytes %.1f MiB%s\n",
                copy ? "write-back of a 1024 MiB file" : "baseline (no write-back)",
                counters.PeakWorkingSetSize / 1048576.0, counters.PeakPagefileUsage / 1048576.0,
                copy ? " (aim: a few MiB above the baseline, not the file size)" : "");
    return 0;
}

}  // namespace bench
