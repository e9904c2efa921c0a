#include "stand_ins.h"

#include "host_files.h"

namespace test {
namespace {

namespace fs = std::filesystem;

const wchar_t* const kEmulator = L"DeviceEmulator.exe";
const wchar_t* const kManager = L"Device Emulator Manager.exe";

std::wstring AppPathsKey(const wchar_t* program)
{
    return std::wstring(L"Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\") + program;
}

void Register(const wchar_t* program, const fs::path& path)
{
    const std::wstring value = path.wstring();
    RegSetKeyValueW(HKEY_LOCAL_MACHINE, AppPathsKey(program).c_str(), nullptr, REG_SZ, value.c_str(),
                    static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}




}  // namespace

StandIns::StandIns() : m_folder(fs::current_path() / "stand-ins")
{
    EndStandIns();
    fs::remove_all(m_folder);
    fs::create_directories(m_folder);
    const fs::path tools = test_host::HostToWindowsPath(KOVRIN_TOOLS_DIR);
    for (const wchar_t* program : {kEmulator, kManager}) {
        fs::copy_file(tools / program, m_folder / program);
        Register(program, m_folder / program);
    }
}

StandIns::~StandIns()
{
    EndStandIns();
    for (const wchar_t* program : {kEmulator, kManager})
        RegDeleteTreeW(HKEY_LOCAL_MACHINE, AppPathsKey(program).c_str());
}

void StandIns::EmulatorBehaves(const std::string& control) const { test_host::WriteBinaryFile(m_folder / "DeviceEmulator.control", control); }
void StandIns::ManagerBehaves(const std::string& control) const
{
    test_host::WriteBinaryFile(m_folder / "Device Emulator Manager.control", control);
}
std::string StandIns::EmulatorLog() const { return test_host::ReadBinaryFile(m_folder / "DeviceEmulator.log"); }
std::string StandIns::ManagerLog() const { return test_host::ReadBinaryFile(m_folder / "Device Emulator Manager.log"); }

int StandIns::ManagerStarts() const
{
    const std::string log = ManagerLog();
    int starts = 0;
    for (auto at = log.find("started"); at != std::string::npos; at = log.find("started", at + 1))
        ++starts;
    return starts;
}

HWND StandIns::StartManagerByHand() const
{
    const fs::path program = m_folder / kManager;
    std::wstring command = L"\"" + program.wstring() + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return nullptr;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    for (int i = 0; i < 200; ++i) {
        for (const wchar_t* title : {L"Device Emulator Manager", L"设备仿真器管理器"})
            if (HWND window = FindWindowExW(nullptr, nullptr, nullptr, title))
                return window;
        Sleep(25);
    }
    return nullptr;
}

void EndStandIns() { test_host::EndProcessesNamed({kEmulator, kManager}); }

}  // namespace test
