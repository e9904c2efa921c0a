#pragma once
// Paths handed over by the build as host (Unix) paths; Wine shows the host's root as drive Z:.

#include <string>

#include "host_files.h"

namespace e2e {

using test_host::HostToWindowsPath;
using test_host::ReadBinaryFile;
using test_host::WriteBinaryFile;

std::wstring LauncherExePath();        // the built program
std::wstring BuiltinLanguageDir();     // the two built-in language files, as carried in the program
std::wstring WorkRoot();               // where fresh program folders are made
std::wstring StandInsDir();            // the stand-in emulator and manager

}  // namespace e2e
