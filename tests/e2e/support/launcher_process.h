#pragma once
// Starts the launcher as a separate process and watches it from outside, by its windows.

#include <windows.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>

namespace e2e {

using namespace std::chrono_literals;

struct MessageBoxInfo {
    HWND window = nullptr;
    std::wstring caption;
    std::wstring text;
};

class LauncherProcess {
public:
    // Starts exe with the given arguments, its folder as the current directory (as a double click does).
    LauncherProcess(const std::filesystem::path& exe, const std::wstring& arguments = L"");
    ~LauncherProcess();  // ends the process if it still runs
    LauncherProcess(const LauncherProcess&) = delete;
    LauncherProcess& operator=(const LauncherProcess&) = delete;

    DWORD Id() const { return m_info.dwProcessId; }
    // The visible main window (caption "Kovrin3.0_PC" or another title), or null after the timeout.
    HWND WaitForMainWindow(std::chrono::milliseconds timeout = 10s) const;
    // A message box of this process, or nothing after the timeout.
    std::optional<MessageBoxInfo> WaitForMessageBox(std::chrono::milliseconds timeout = 10s) const;
    // A visible dialog of this process with this caption, or null after the timeout.
    HWND WaitForDialog(const std::wstring& caption, std::chrono::milliseconds timeout = 10s) const;
    // A visible top-level window of this process of that class (a dropped list, a pop-up menu),
    // or null after the timeout.
    HWND WaitForWindowOfClass(const wchar_t* className, std::chrono::milliseconds timeout = 3s) const;
    // The exit code, or nothing while it still runs after the timeout.
    std::optional<DWORD> WaitForExit(std::chrono::milliseconds timeout = 10s) const;
    bool HasVisibleWindow() const;

private:
    PROCESS_INFORMATION m_info{};
};

// Presses the message box's button (IDOK by default).
void PressMessageBoxButton(const MessageBoxInfo& box, int buttonId = IDOK);

// Ends every launcher left over from an earlier test, so the single-instance rule does not interfere.
void EndStrayLaunchers();

}  // namespace e2e
