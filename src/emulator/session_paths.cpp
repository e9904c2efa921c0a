#include "emulator/session_paths.h"

#include "emulator/desktop.h"

namespace emulator {

std::u16string g_strTempStateFile;
std::u16string g_strEmulationFile;
std::u16string g_strLaunchedEmulationFile;

std::u16string SessionRecordPath() { return g_strTempStateFile + u".origin"; }

void ReloadEmulationFile(Desktop& desktop) { g_strEmulationFile = desktop.LanguageText(u"IDS_PCKovrin_EmulationFile"); }

}  // namespace emulator
