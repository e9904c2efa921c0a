#include "emulator/session_paths.h"

#include "emulator/desktop.h"
#include "emulator/session_files.h"

namespace emulator {

std::u16string g_strTempStateFile;
std::u16string g_strEmulationFile;
std::u16string g_strLaunchedEmulationFile;

namespace {

// The program's own folder under the user's local application data; empty when the system names none.
std::u16string UserFolder(SessionFiles& files)
{
    const std::u16string root = files.LocalAppDataFolder();
    return root.empty() ? root : root + u"\\" + std::u16string(kUserFolderName);
}

}  // namespace

std::vector<std::u16string> PlainStatePlaces(SessionFiles& files)
{
    std::vector<std::u16string> places{std::u16string(kTempStateFile)};
    if (const std::u16string folder = UserFolder(files); !folder.empty())
        places.push_back(folder + u"\\" + std::u16string(kStateFileName));
    return places;
}

std::vector<std::u16string> StorageFolderPlaces(SessionFiles& files)
{
    std::vector<std::u16string> places{std::u16string(kStorageFolder)};
    if (const std::u16string folder = UserFolder(files); !folder.empty())
        places.push_back(folder + std::u16string(kStorageFolder.substr(kStorageFolder.rfind(u'\\'))));
    return places;
}

std::u16string FolderOf(std::u16string_view path) { return std::u16string(path.substr(0, path.rfind(u'\\'))); }

std::u16string EmulatorParameters(std::u16string_view plainStateFile)
{
    if (plainStateFile == kTempStateFile)
        return std::u16string(kEmulatorParameters);
    // The emulator splits its command line at blanks; a quoted path stays one.
    std::u16string file(plainStateFile);
    if (file.find(u' ') != std::u16string::npos) {
        file.insert(file.begin(), u'"');
        file.push_back(u'"');
    }
    return u"/s " + file + u" /sharedfolder F:\\";
}

std::u16string SessionRecordPath() { return g_strTempStateFile + u".origin"; }

std::u16string EmulatorTemporaryFile() { return g_strTempStateFile + std::u16string(kEmulatorTemporarySuffix); }

void ReloadEmulationFile(Desktop& desktop) { g_strEmulationFile = desktop.LanguageText(u"IDS_PCKovrin_EmulationFile"); }

}  // namespace emulator
