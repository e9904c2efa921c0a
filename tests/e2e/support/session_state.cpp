#include "session_state.h"

#include <fstream>

namespace e2e {

std::string Scrambled(std::string bytes)
{
    static const char key[] = "KEMA";
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(bytes[i] ^ key[i % 4]);
    return bytes;
}

void RemoveSessionFiles()
{
    std::error_code ignored;
    std::filesystem::remove(kPlain, ignored);
    std::filesystem::remove(kRecord, ignored);
    // What sessions of earlier tests kept aside, and the emulator's temporary file.
    for (const auto& entry : std::filesystem::directory_iterator(kPlain.parent_path(), ignored))
        if (entry.path().filename().wstring().starts_with(kPlain.filename().wstring() + L"."))
            std::filesystem::remove(entry.path(), ignored);
}

int EmulatorLogCount(const std::filesystem::path& folder, const std::string& event)
{
    std::ifstream log(folder / L"DeviceEmulator.log");
    int count = 0;
    for (std::string line; std::getline(log, line);)
        count += line.starts_with(event) ? 1 : 0;
    return count;
}

HWND DeviceWindow() { return FindWindowExW(nullptr, nullptr, nullptr, L"Device Emulator"); }

bool DeviceShown() { return DeviceWindow() != nullptr; }

bool ManagerShown() { return FindWindowExW(nullptr, nullptr, nullptr, L"Device Emulator Manager") != nullptr; }

}  // namespace e2e
