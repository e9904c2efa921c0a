#pragma once
// The files an emulator session leaves in the system folder, and the scrambling of the
// emulation file as the tests write and read it.

#include <windows.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

namespace e2e {

inline const std::filesystem::path kPlain = L"C:\\WINDOWS\\winsetup.dess";
inline const std::filesystem::path kRecord = L"C:\\WINDOWS\\winsetup.dess.origin";

// The bytes as the emulation file holds them (the scrambling is its own inverse).
std::string Scrambled(std::string bytes);

// No plain state, record or state kept aside from an earlier test.
void RemoveSessionFiles();

// How many lines of the stand-in emulator's log beside the program in `folder` begin with `event`.
int EmulatorLogCount(const std::filesystem::path& folder, const std::string& event);

// The stand-in emulator's window and its manager's, when they are shown.
HWND DeviceWindow();
bool DeviceShown();
bool ManagerShown();

// Polls until the condition holds; false when the timeout passed first.
template <typename Condition>
bool WaitUntil(Condition condition, std::chrono::milliseconds timeout = std::chrono::seconds(10))
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return true;
}

}  // namespace e2e
