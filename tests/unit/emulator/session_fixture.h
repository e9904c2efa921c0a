#pragma once
// A launcher folder with an English emulation file, a writable C:\WINDOWS, and no emulator running.

#include <gtest/gtest.h>

#include <string>

#include "emulator/emulator_session.h"
#include "emulator/session_paths.h"
#include "emulator/state_scrambler.h"
#include "crash_disk.h"
#include "fake_desktop.h"

namespace emulator::testing {

inline std::string Scrambled(std::string bytes)
{
    ScrambleInPlace({reinterpret_cast<std::byte*>(bytes.data()), bytes.size()}, 0);
    return bytes;
}

// Bytes that are not a multiple of the key length or of any read size.
inline std::string SampleState(std::size_t size, unsigned seed)
{
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<char>((i * 131 + seed * 7 + (i >> 5)) & 0xFF);
    return bytes;
}

inline const std::u16string kEnglishFile = u"D:\\Launcher\\PPC_ENS.dll";
inline const std::u16string kChineseFile = u"D:\\Launcher\\PPC_CHS.dll";
inline const std::u16string kPlainFile = u"C:\\WINDOWS\\winsetup.dess";
inline const std::u16string kRecordFile = u"C:\\WINDOWS\\winsetup.dess.origin";
inline const std::u16string kFlagFile = u"C:\\StorageCard\\SN.dat";

// The session paths are program-wide; each test starts from a program that has just started.
struct FreshSessionPaths {
    FreshSessionPaths()
    {
        g_strTempStateFile.clear();
        g_strEmulationFile.clear();
        g_strLaunchedEmulationFile.clear();
    }
};

class SessionFixture : public ::testing::Test, private FreshSessionPaths {
protected:
    SessionFixture()
    {
        files.PutDirectory(u"C:\\WINDOWS");
        files.PutDirectory(u"D:\\Launcher");
        files.Put(kEnglishFile, Scrambled(englishState));
    }

    // What the emulator does while it runs: it saves a changed state into the plain file.
    void EmulatorSaves(const std::string& state) { files.Put(kPlainFile, state); }
    void EmulatorQuits()
    {
        desktop.Close(u"Device Emulator");
        *desktop.emulatorRunning = false;
    }
    void Launch()
    {
        session.RunEmulator();
        ASSERT_TRUE(session.IsLaunched());
        desktop.Open(u"Device Emulator");
    }

    const std::string englishState = SampleState(10007, 1);
    FakeDesktop desktop;
    crash::Disk files;  // the program folder D:\Launcher is the current directory
    EmulatorSession session{desktop, files};
};

}  // namespace emulator::testing
