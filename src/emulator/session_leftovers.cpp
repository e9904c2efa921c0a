#include "emulator/session_leftovers.h"

#include "emulator/session_paths.h"
#include "emulator/session_record.h"

namespace emulator {

void RemoveSessionLeftovers(SessionFiles& files)
{
    files.RemoveLeftoverReplacements(g_strTempStateFile);
    files.RemoveLeftoverReplacements(SessionRecordPath());
    if (!g_strEmulationFile.empty())
        files.RemoveLeftoverReplacements(files.FullPath(g_strEmulationFile));
    if (auto recorded = ReadSessionRecord(files))
        files.RemoveLeftoverReplacements(recorded->target);
}

}  // namespace emulator
