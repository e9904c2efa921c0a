#include "host_paths.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace e2e {

std::wstring HostToWindowsPath(const std::string& hostPath)
{
    std::wstring path = L"Z:" + std::wstring(hostPath.begin(), hostPath.end());
    std::replace(path.begin(), path.end(), L'/', L'\\');
    return path;
}

std::wstring LauncherExePath() { return HostToWindowsPath(KOVRIN_LAUNCHER_EXE); }
std::wstring BuiltinLanguageDir() { return HostToWindowsPath(KOVRIN_BUILTIN_LANGUAGE_DIR); }
std::wstring WorkRoot() { return HostToWindowsPath(KOVRIN_E2E_WORK_DIR); }
std::wstring StandInsDir() { return HostToWindowsPath(KOVRIN_TOOLS_DIR); }

std::string ReadBinaryFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path.string());
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBinaryFile(const std::filesystem::path& path, const std::string& bytes)
{
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
}

}  // namespace e2e
