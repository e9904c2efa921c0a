#pragma once
// The program-wide paths that every text lookup and the language choice use.

#include <string>

#include "text/text_platform.h"

namespace text {

extern std::u16string g_strAppDir;        // program directory, ending in a backslash (or empty)
extern std::u16string g_strSettingFile;   // g_strAppDir + "setting.ini"
extern std::u16string g_strLanguageFile;  // full path of the current language file

// Sets g_strAppDir and g_strSettingFile from the program's own path and returns the program
// directory, which the main frame keeps as its own copy.
std::u16string InitAppPaths(TextPlatform& platform);

}  // namespace text
