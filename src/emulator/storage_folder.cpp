#include "emulator/storage_folder.h"

#include <string>

#include "emulator/session_paths.h"

namespace emulator {

char LanguageFlag(std::u16string_view storedLanguage) { return storedLanguage == u"中文" ? '0' : '1'; }

bool WriteLanguageFlagFile(Desktop& desktop, SessionFiles& files, std::u16string_view path)
{
    // The device reads the last byte; the file holds nothing else, so it is also the only byte.
    const std::string content(1, LanguageFlag(desktop.StoredLanguage()));
    FileError error;
    if (files.WriteHiddenFile(path, content, error))
        return true;
    desktop.ShowFileError(path, error);
    return false;
}

bool PrepareStorageFolder(Desktop& desktop, SessionFiles& files, bool deleteFirst)
{
    if (!files.DirectoryExists(kStorageFolder))
        files.MakeDirectory(kStorageFolder);
    const std::u16string path = std::u16string(kStorageFolder) + std::u16string(kLanguageFlagFile);
    if (deleteFirst)
        files.RemoveFile(path);
    return WriteLanguageFlagFile(desktop, files, path);
}

}  // namespace emulator
