#pragma once
// The program-wide paths and fixed names of the emulator session.

#include <string>
#include <string_view>
#include <vector>

namespace emulator {

extern std::u16string g_strTempStateFile;           // the plain state file the emulator loads: fixed, or the user's own
extern std::u16string g_strEmulationFile;           // the scrambled state of the current language
extern std::u16string g_strLaunchedEmulationFile;   // where the state goes back: fixed at launch

inline constexpr std::u16string_view kTempStateFile = u"C:\\WINDOWS\\winsetup.dess";
inline constexpr std::u16string_view kEmulatorTitle = u"Device Emulator";
inline constexpr std::u16string_view kManagerTitleChinese = u"设备仿真器管理器";
inline constexpr std::u16string_view kManagerTitleEnglish = u"Device Emulator Manager";
inline constexpr std::u16string_view kManagerProgram = u"Device Emulator Manager.exe";
inline constexpr std::u16string_view kEmulatorProgram = u"DeviceEmulator.exe";
inline constexpr std::u16string_view kEmulatorParameters = u"/s C:\\WINDOWS\\winsetup.dess /sharedfolder F:\\";
inline constexpr std::u16string_view kStorageFolder = u"C:\\StorageCard";
inline constexpr std::u16string_view kStateFileName = u"winsetup.dess";
inline constexpr std::u16string_view kStateFileExtension = u".dess";
// The folder of the program's own under the user's local application data.
inline constexpr std::u16string_view kUserFolderName = u"PC_Kovrin3.0";
inline constexpr std::u16string_view kLanguageFlagFile = u"\\SN.dat";
inline constexpr std::u16string_view kAlreadyRunning = u"程序已经在运行";

// Where a plain state file may go, in the order they are tried: the fixed place the emulator's
// usual command line names, then, for a user who may not write there (no administrator rights
// on today's Windows), a folder of the user's own. The same order serves the storage folder.
class SessionFiles;
std::vector<std::u16string> PlainStatePlaces(SessionFiles& files);
std::vector<std::u16string> StorageFolderPlaces(SessionFiles& files);
// The folder a plain state file lies in.
std::u16string FolderOf(std::u16string_view path);
// The emulator's parameters for a plain state file: exactly the usual line for the fixed place.
std::u16string EmulatorParameters(std::u16string_view plainStateFile);

// Beside the plain state file: the emulation file it was unpacked from, written before the
// unpack, so a session that was cut short can be completed by the next start.
std::u16string SessionRecordPath();

// The emulator saves through a file of this name beside its state file, which it then copies
// over the state file; after a save that was cut short it is left behind.
inline constexpr std::u16string_view kEmulatorTemporarySuffix = u".tmp";
std::u16string EmulatorTemporaryFile();

// Sets g_strEmulationFile from the current language.
class Desktop;
void ReloadEmulationFile(Desktop& desktop);

}  // namespace emulator
