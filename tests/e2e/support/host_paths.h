#pragma once
// Paths handed over by the build as host (Unix) paths; Wine shows the host's root as drive Z:.

#include <filesystem>
#include <string>

namespace e2e {

std::wstring HostToWindowsPath(const std::string& hostPath);

std::wstring LauncherExePath();        // the built program
std::wstring BuiltinLanguageDir();     // the two built-in language files, as carried in the program
std::wstring WorkRoot();               // where fresh program folders are made
std::wstring StandInsDir();            // the stand-in emulator and manager

std::string ReadBinaryFile(const std::filesystem::path& path);
void WriteBinaryFile(const std::filesystem::path& path, const std::string& bytes);

}  // namespace e2e
