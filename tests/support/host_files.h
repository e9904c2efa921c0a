#pragma once
// What the Win32 test programs share: files as bytes, host paths as Windows paths, and ending
// processes left over by an earlier test.

#include <filesystem>
#include <initializer_list>
#include <string>

namespace test_host {

// Wine shows the host's root directory as drive Z:.
std::wstring HostToWindowsPath(const std::string& hostPath);

std::string ReadBinaryFile(const std::filesystem::path& path);  // empty when it cannot be read
void WriteBinaryFile(const std::filesystem::path& path, const std::string& bytes);

// Ends every process whose program file has one of these names (case ignored) and waits for it.
void EndProcessesNamed(std::initializer_list<const wchar_t*> programNames);

}  // namespace test_host
