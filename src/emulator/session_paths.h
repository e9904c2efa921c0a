#pragma once
// The program-wide paths and fixed names of the emulator session.

#include <string>
#include <string_view>

namespace emulator {

extern std::u16string g_strTempStateFile;           // the plain state file the emulator loads
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
inline constexpr std::u16string_view kLanguageFlagFile = u"\\SN.dat";
inline constexpr std::u16string_view kAlreadyRunning = u"程序已经在运行";

// Beside the plain state file: the emulation file it was unpacked from, written before the
// unpack, so a session that was cut short can be completed by the next start.
std::u16string SessionRecordPath();

// Sets g_strEmulationFile from the current language.
class Desktop;
void ReloadEmulationFile(Desktop& desktop);

}  // namespace emulator
