#include "host_files.h"

#include <windows.h>
#include <tlhelp32.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace test_host {

std::wstring HostToWindowsPath(const std::string& hostPath)
{
    std::wstring path = L"Z:" + std::wstring(hostPath.begin(), hostPath.end());
    std::replace(path.begin(), path.end(), L'/', L'\\');
    return path;
}

std::string ReadBinaryFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBinaryFile(const std::filesystem::path& path, const std::string& bytes)
{
    if (path.has_parent_path())
        std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
}

void EndProcessesNamed(std::initializer_list<const wchar_t*> programNames)
{
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
        const bool wanted = std::any_of(programNames.begin(), programNames.end(),
                                        [&](const wchar_t* name) { return _wcsicmp(entry.szExeFile, name) == 0; });
        if (!wanted)
            continue;
        if (HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, entry.th32ProcessID)) {
            TerminateProcess(process, 1);
            WaitForSingleObject(process, 5000);
            CloseHandle(process);
        }
    }
    CloseHandle(snapshot);
}

}  // namespace test_host
