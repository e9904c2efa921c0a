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
namespace {

void MakeFile(const std::wstring& path, unsigned long long size)
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
    const std::wstring copy = folder + L"\\bench-copy.dll";
    constexpr unsigned long long kSize = 256ull << 20;
    MakeFile(emulation, kSize);

    const int runs = 5;
    const double plainCopy = MedianSeconds(runs, [&] { CopyFileW(emulation.c_str(), copy.c_str(), FALSE); });
    const double flushedCopy = MedianSeconds(runs, [&] { CopyAndFlush(emulation, copy); });
    const double unpack = MedianSeconds(runs, [&] { ScrambledCopyOrThrow(emulation, plain); });
    const double writeBack = MedianSeconds(runs, [&] { ScrambledCopyOrThrow(plain, emulation); });

    std::printf("256 MiB file: copy %.3f s, copy flushed to disk %.3f s, unpack %.3f s, write-back %.3f s\n",
                plainCopy, flushedCopy, unpack, writeBack);
    std::printf("unpack / flushed copy: %.2f, write-back / flushed copy: %.2f (aim: within 1.1)\n",
                unpack / flushedCopy, writeBack / flushedCopy);
    std::printf("unpack / copy without flush: %.2f, write-back / copy without flush: %.2f\n", unpack / plainCopy,
                writeBack / plainCopy);
    for (const auto& path : {emulation, plain, copy})
        DeleteFileW(path.c_str());
}

void MeasureWriteBackPeakMemory(const std::wstring& folder, const std::wstring& self)
{
    const std::wstring plain = folder + L"\\peak.dess", target = folder + L"\\peak.dll";
    constexpr unsigned long long kSize = 1ull << 30;
    MakeFile(plain, kSize);
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
