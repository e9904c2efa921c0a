#pragma once
// The PC folder the device sees as its storage card, and the flag file in it that tells the
// device the launcher's language.

#include <string_view>

#include "emulator/desktop.h"
#include "emulator/session_files.h"

namespace emulator {

// '0' for 中文, '1' for English and for every other language (the built-in default is English).
char LanguageFlag(std::u16string_view storedLanguage);

// Writes the flag file; false, with the cause, when it cannot be written.
bool WriteLanguageFlagFile(Desktop& desktop, SessionFiles& files, std::u16string_view path, FileError& error);

// Makes sure the storage folder exists and (re)writes its flag file: in the fixed folder, or in
// the user's own where the fixed one refuses this user's writes. False when the flag file could
// not be written (the user has been told).
bool PrepareStorageFolder(Desktop& desktop, SessionFiles& files, bool deleteFirst);

}  // namespace emulator
