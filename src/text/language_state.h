#pragma once
// Where the current language's texts come from, besides g_strLanguageFile: the language files
// as read so far, and for a built-in language whether its file could be written. Program-wide,
// like g_strLanguageFile, and used on the user-interface thread only.

#include <memory>
#include <string>

#include "text/language_file_cache.h"
#include "text/text_platform.h"

namespace text {

LanguageFileCache& LanguageFiles();

// g_strLanguageFile becomes `path`, a language file found installed.
void UseInstalledLanguageFile(std::u16string path);
// g_strLanguageFile becomes the built-in file `path` of resource `resourceId`. While it was not
// written, or when it cannot be read, its texts come from the program's own copy.
void UseBuiltinLanguageFile(std::u16string path, int resourceId, bool written);

// Whether the last attempt of this run to write a built-in file failed: its language is then
// offered from the program's own copy.
void NoteBuiltinFileWritten(int resourceId, bool written);
bool BuiltinFileUnwritten(int resourceId);

// The current language's texts; null when there are none (an added file that is gone or was
// never readable).
std::shared_ptr<const LanguageFileContent> CurrentLanguageContent(TextPlatform& platform);

// Back to the state of a program that has just started.
void ResetLanguageState();

}  // namespace text
