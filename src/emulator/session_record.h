#pragma once
// The record beside the plain state file of the emulation file it came from. It is written
// before an unpack and removed after the plain file, so whenever a plain file exists its record
// tells where it belongs, even when the program that unpacked it did not live to write it back.

#include <optional>
#include <string>
#include <string_view>

#include "emulator/session_files.h"

namespace emulator {

bool WriteSessionRecord(SessionFiles& files, std::u16string_view emulationFile, FileError& error);
// Nothing when there is no record, or when it holds what this program never records: anything
// but a full path, or one of the session's own files.
std::optional<std::u16string> ReadSessionRecord(SessionFiles& files);
void DeleteSessionRecord(SessionFiles& files);

}  // namespace emulator
