#include "emulator/storage_folder.h"

#include <string>
#include <vector>

#include "emulator/session_paths.h"

namespace emulator {
namespace {

bool WriteFlagInto(Desktop& desktop, SessionFiles& files, const std::u16string& folder, bool deleteFirst,
                   FileError& error)
{
    if (folder != kStorageFolder)
        files.MakeDirectory(FolderOf(folder));
    if (!files.DirectoryExists(folder))
        files.MakeDirectory(folder);
    const std::u16string path = folder + std::u16string(kLanguageFlagFile);
    if (deleteFirst)
        files.RemoveFile(path);
    return WriteLanguageFlagFile(desktop, files, path, error);
}

}  // namespace

char LanguageFlag(std::u16string_view storedLanguage) { return storedLanguage == u"中文" ? '0' : '1'; }

bool WriteLanguageFlagFile(Desktop& desktop, SessionFiles& files, std::u16string_view path, FileError& error)
{
    // The device reads the last byte; the file holds nothing else, so it is also the only byte.
    const std::string content(1, LanguageFlag(desktop.StoredLanguage()));
    return files.WriteHiddenFile(path, content, error);
}

bool PrepareStorageFolder(Desktop& desktop, SessionFiles& files, bool deleteFirst)
{
    // Like the plain state, the folder goes to the user's own place where the fixed one refuses
    // this user's writes.
    const std::vector<std::u16string> places = StorageFolderPlaces(files);
    FileError error;
    for (std::size_t i = 0; i < places.size(); ++i) {
        if (WriteFlagInto(desktop, files, places[i], deleteFirst, error))
            return true;
        if (i + 1 == places.size() || !MayNotWriteThere(error)) {
            desktop.ShowFileError(places[i] + std::u16string(kLanguageFlagFile), error);
            return false;
        }
    }
    return false;
}

}  // namespace emulator
