#include "host_paths.h"

namespace e2e {

std::wstring LauncherExePath() { return HostToWindowsPath(KOVRIN_LAUNCHER_EXE); }
std::wstring BuiltinLanguageDir() { return HostToWindowsPath(KOVRIN_BUILTIN_LANGUAGE_DIR); }
std::wstring WorkRoot() { return HostToWindowsPath(KOVRIN_E2E_WORK_DIR); }
std::wstring StandInsDir() { return HostToWindowsPath(KOVRIN_TOOLS_DIR); }

}  // namespace e2e
