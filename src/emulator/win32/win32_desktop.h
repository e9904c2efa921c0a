#pragma once
// The session's desktop on Win32: top-level windows by title, the shell, processes, the watch
// timer on the command pane's window, and the program's message boxes.

#include <windows.h>

#include "emulator/desktop.h"

class CWnd;

namespace emulator::win32 {

inline constexpr UINT_PTR EMULATOR_WATCH_TIMER = 1;
inline constexpr unsigned kWatchPeriodMs = 2000;

// The launcher's windows that the session's desktop works with; either may be created after it.
struct DesktopWindows {
    CWnd* watchTimer = nullptr;  // carries the watch timer; none where no session is watched
    CWnd& waiting;               // its top-level window takes no input while the emulator closes
};

class Win32Desktop : public Desktop {
public:
    explicit Win32Desktop(const DesktopWindows& windows) : m_windows(windows) {}

    WindowId FindWindowByTitle(std::u16string_view exactTitle) override;
    ShellResult ShellOpen(std::u16string_view file, std::u16string_view parameters, ShowCommand show) override;
    std::u16string ProgramRegisteredFor(std::u16string_view extension) override;
    void TerminateWindowProcess(WindowId window) override;
    ProgramEnd CloseAndWaitForEnd(WindowId window, unsigned timeoutMs) override;
    void StartWatchTimer() override;
    void StopWatchTimer() override;
    void Sleep(unsigned milliseconds) override;
    void ShowMessage(std::u16string_view text) override;
    void ShowFileError(std::u16string_view path, const FileError& error) override;
    std::u16string DescribeFileError(const FileError& error) override;
    std::u16string LanguageText(std::u16string_view key) override;
    std::u16string StoredLanguage() override;
    int EarlierStatesToKeep() override;

private:
    HWND TimerWindow() const;

    DesktopWindows m_windows;
};

// Lets this process end processes of other users' programs; false when that cannot even be asked.
bool EnableDebugPrivilege();

}  // namespace emulator::win32
