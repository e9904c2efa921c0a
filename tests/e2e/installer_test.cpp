// The installer and its uninstaller as a user meets them: a silent install for the user alone,
// the installed program started as its Start-menu entry starts it, and an uninstall that takes
// away what was installed and leaves what the user keeps beside the program.
#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <filesystem>
#include <optional>
#include <string>

#include "support/desktop_input.h"
#include "support/document_viewer.h"
#include "support/host_paths.h"
#include "support/launcher_process.h"
#include "support/session_state.h"

namespace e2e {
namespace {

namespace fs = std::filesystem;

// The manual in English (the language of this test's system) and in Chinese.
const wchar_t* const kManuals[] = {L"PC版Zemlar3.0使用手册(Ver2013.03.29).DOC", L"PCKovrin3.0Help(Ver2013.05.23).DOC"};
const wchar_t kUninstallKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\PC_Kovrin3.0";

fs::path ShellFolder(int csidl)
{
    wchar_t path[MAX_PATH] = {};
    SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path);
    return path;
}

// Runs a program and waits for it; its exit code, or nothing when it did not end in time.
std::optional<DWORD> RunToEnd(const fs::path& program, const std::wstring& arguments)
{
    std::wstring commandLine = L"\"" + program.wstring() + L"\" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return std::nullopt;
    std::optional<DWORD> code;
    if (WaitForSingleObject(process.hProcess, 60000) == WAIT_OBJECT_0) {
        DWORD exitCode = 0;
        GetExitCodeProcess(process.hProcess, &exitCode);
        code = exitCode;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code;
}

struct Shortcut {
    std::wstring target;
    std::wstring workingFolder;
};

std::optional<Shortcut> ReadShortcut(const fs::path& link)
{
    IShellLinkW* shellLink = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, reinterpret_cast<void**>(&shellLink))))
        return std::nullopt;
    std::optional<Shortcut> result;
    IPersistFile* file = nullptr;
    if (SUCCEEDED(shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        wchar_t target[MAX_PATH] = {};
        wchar_t folder[MAX_PATH] = {};
        if (SUCCEEDED(file->Load(link.c_str(), STGM_READ)) && SUCCEEDED(shellLink->GetPath(target, MAX_PATH, nullptr, 0)) &&
            SUCCEEDED(shellLink->GetWorkingDirectory(folder, MAX_PATH)))
            result = Shortcut{target, folder};
        file->Release();
    }
    shellLink->Release();
    return result;
}

bool UninstallEntryExists()
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kUninstallKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

class Installer : public ::testing::Test {
protected:
    void SetUp() override
    {
        EndStrayLaunchers();
        RemoveSessionFiles();
        CoInitialize(nullptr);
        RemoveAnyInstall();
    }
    void TearDown() override
    {
        RemoveAnyInstall();
        CoUninitialize();
    }
    void RemoveAnyInstall()
    {
        std::error_code ignored;
        fs::remove_all(installFolder, ignored);
        fs::remove(shortcut, ignored);
        RegDeleteKeyW(HKEY_CURRENT_USER, kUninstallKey);
    }
    void Install() { ASSERT_EQ(RunToEnd(HostToWindowsPath(KOVRIN_INSTALLER), L"/S"), std::optional<DWORD>(0)); }
    // The uninstaller hands its work to a copy of itself and ends at once; the copy removes the original last.
    void Uninstall()
    {
        ASSERT_EQ(RunToEnd(installFolder / L"Uninstall.exe", L"/S"), std::optional<DWORD>(0));
        ASSERT_TRUE(WaitUntil([&] { return !fs::exists(installFolder / L"Uninstall.exe"); }, 30s));
    }

    const fs::path installFolder = ShellFolder(CSIDL_LOCAL_APPDATA) / L"Programs" / L"PC_Kovrin3.0";
    const fs::path shortcut = ShellFolder(CSIDL_PROGRAMS) / L"PC_Kovrin3.0.lnk";
};

TEST_F(Installer, InstallsForTheUserStartsAndUninstallsOnlyWhatItInstalled)
{
    ASSERT_NO_FATAL_FAILURE(Install());
    EXPECT_TRUE(ReadBinaryFile(installFolder / L"PC_Kovrin3.0.exe") == ReadBinaryFile(LauncherExePath())) << "the program of this build";
    EXPECT_TRUE(fs::exists(installFolder / L"README.txt"));
    EXPECT_TRUE(fs::exists(installFolder / L"LICENSE.txt"));
    EXPECT_TRUE(UninstallEntryExists());
    const auto link = ReadShortcut(shortcut);
    ASSERT_TRUE(link) << "no Start-menu entry at " << shortcut;
    EXPECT_TRUE(fs::equivalent(link->target, installFolder / L"PC_Kovrin3.0.exe"));
    // The emulation file is found from the current folder, so the entry must start it in its own.
    EXPECT_TRUE(fs::equivalent(link->workingFolder, installFolder));

    for (const wchar_t* manual : kManuals)
        EXPECT_TRUE(fs::exists(installFolder / manual)) << Utf8(manual);
    {
        StandInDocumentViewer viewer;
        LauncherProcess launcher(installFolder / L"PC_Kovrin3.0.exe");
        HWND frame = launcher.WaitForMainWindow();
        ASSERT_TRUE(frame);
        EXPECT_EQ(WindowTitle(frame), L"Kovrin3.0_PC");
        EXPECT_NE(viewer.OpenHelpOf(frame).find(Utf8(kManuals[0])), std::string::npos)
            << "Help opens the installed manual";
        PressAltF4(frame);
        ASSERT_EQ(launcher.WaitForExit(), std::optional<DWORD>(0));
    }
    ASSERT_TRUE(fs::exists(installFolder / L"Language\\PC_Kovrin_EN.ini")) << "the program writes its texts beside itself";
    const std::string mine = "[Setting]\r\nLanguage=Mine\r\n";
    WriteBinaryFile(installFolder / L"Language\\Mine.ini", mine);
    WriteBinaryFile(installFolder / L"setting.ini", "[Setting]\r\nLanguage=Mine\r\n");
    WriteBinaryFile(installFolder / L"PPC_ENS.dll", Scrambled("the user's device"));

    ASSERT_NO_FATAL_FAILURE(Uninstall());
    for (const wchar_t* installed : {L"PC_Kovrin3.0.exe", L"README.txt", L"LICENSE.txt", kManuals[0], kManuals[1]})
        EXPECT_FALSE(fs::exists(installFolder / installed)) << Utf8(installed);
    EXPECT_FALSE(fs::exists(shortcut));
    EXPECT_FALSE(UninstallEntryExists());
    EXPECT_EQ(ReadBinaryFile(installFolder / L"Language\\Mine.ini"), mine);
    EXPECT_TRUE(fs::exists(installFolder / L"Language\\PC_Kovrin_EN.ini"));
    EXPECT_EQ(ReadBinaryFile(installFolder / L"setting.ini"), "[Setting]\r\nLanguage=Mine\r\n");
    EXPECT_EQ(ReadBinaryFile(installFolder / L"PPC_ENS.dll"), Scrambled("the user's device"));
}

TEST_F(Installer, UninstallOfAnUnusedInstallLeavesNoFolder)
{
    ASSERT_NO_FATAL_FAILURE(Install());
    ASSERT_NO_FATAL_FAILURE(Uninstall());
    EXPECT_TRUE(WaitUntil([&] { return !fs::exists(installFolder); }, 5s));
    EXPECT_TRUE(fs::exists(installFolder.parent_path())) << "the user's Programs folder is not the installer's";
}

}  // namespace
}  // namespace e2e
