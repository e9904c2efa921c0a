#pragma once
// Earlier device states. A write-back that replaces an emulation file keeps the file it replaces,
// without a copy, in the folder "Earlier states" beside it, named after the
// emulation file and the moment that state was written ("PPC_ENS 2026-12-11 14.03.27.dll"; more
// of the same second get " (2)", " (3)" …). The newest few are kept; the user can put one back.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "emulator/session_files.h"

namespace emulator {

inline constexpr std::u16string_view kEarlierStatesFolderName = u"Earlier states";
inline constexpr int kDefaultEarlierStatesKept = 3;
// The key in setting.ini's [Setting] that sets how many to keep; 0 keeps none.
inline constexpr std::u16string_view kEarlierStatesSetting = u"KeepEarlierStates";

struct EarlierState {
    std::u16string path;
    LocalTime written;  // as its name says
    int sequence = 1;   // 2 and on for further states of the same second
    std::uint64_t size = 0;
};

// Beside the emulation file (a full path).
std::u16string EarlierStatesFolder(std::u16string_view emulationFile);

// The earlier states of this emulation file, newest first.
std::vector<EarlierState> ListEarlierStates(SessionFiles& files, std::u16string_view emulationFile);

// A free name under which the emulation file's present content can be kept, the folder made
// ready for it; empty when there is no such file, or when it is kept already (a write-back that
// was stopped after keeping it).
std::u16string NameForEarlierState(SessionFiles& files, std::u16string_view emulationFile);

// Removes all but the newest `keep`. A state that cannot be removed stays: it costs room, never
// a write-back.
void KeepNewestEarlierStates(SessionFiles& files, std::u16string_view emulationFile, int keep);

// Makes `state` the emulation file again, in one step that keeps the present emulation file as
// an earlier state itself, so that a restore can be undone the same way.
bool RestoreEarlierState(SessionFiles& files, std::u16string_view emulationFile, const EarlierState& state,
                         FileError& error);

}  // namespace emulator
