#pragma once
// The stand-in emulator and manager, installed for one test where the shell finds the real
// programs (the App Paths registration), with the behaviour the test asks of them.

#include <windows.h>

#include <filesystem>
#include <string>

namespace test {

class StandIns {
public:
    StandIns();   // copies the stand-ins into a fresh folder and registers them
    ~StandIns();  // ends them and removes the registration
    StandIns(const StandIns&) = delete;
    StandIns& operator=(const StandIns&) = delete;

    // Lines of key=value for the emulator's and the manager's control files.
    void EmulatorBehaves(const std::string& control) const;
    void ManagerBehaves(const std::string& control) const;
    std::string EmulatorLog() const;
    std::string ManagerLog() const;
    int ManagerStarts() const;

    // Starts the manager directly, as a user would have, and waits for its window.
    HWND StartManagerByHand() const;

private:
    std::filesystem::path m_folder;
};

// Ends every stand-in process still running.
void EndStandIns();

// Waits, delivering this thread's messages, until done() holds or the time is up.
template <class Done>
bool PumpUntil(Done done, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > timeoutMs)
            return false;
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(20);
    }
    return true;
}

inline bool EmulatorWindowShown() { return FindWindowExW(nullptr, nullptr, nullptr, L"Device Emulator") != nullptr; }

}  // namespace test
