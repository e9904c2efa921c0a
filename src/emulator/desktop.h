#pragma once
// What the emulator session needs from the desktop: other programs' windows and processes, the
// shell, the watch timer, and the user.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "emulator/session_files.h"

namespace emulator {

// A top-level window of any process; 0 is none.
using WindowId = std::uintptr_t;

enum class ShowCommand { Normal, Minimized };

// A program the shell started, while it is known to the session.
class LaunchedProgram {
public:
    virtual ~LaunchedProgram() = default;
    virtual bool IsRunning() = 0;
    // How it ended; nothing while it runs, or when the system does not say.
    virtual std::optional<std::uint32_t> ExitCode() = 0;
};

// What became of a program the launcher asked to close.
struct ProgramEnd {
    bool ended = false;
    std::optional<std::uint32_t> exitCode;  // when it ended and the system says how
};

struct ShellResult {
    bool started = false;
    std::unique_ptr<LaunchedProgram> process;  // null when the shell did not say which process it started
};

class Desktop {
public:
    virtual ~Desktop() = default;

    virtual WindowId FindWindowByTitle(std::u16string_view exactTitle) = 0;
    // Opens a program through the shell, which searches for it as it does for a user.
    virtual ShellResult ShellOpen(std::u16string_view file, std::u16string_view parameters, ShowCommand show) = 0;
    // The program the system has registered to open files of this extension (".dess"); empty when none.
    virtual std::u16string ProgramRegisteredFor(std::u16string_view extension) = 0;
    virtual void TerminateWindowProcess(WindowId window) = 0;
    // Asks the program of this window to close, as a click on its close box does, and waits at
    // most timeoutMs for its process to end. Meanwhile the launcher's window stays painted, takes
    // no input and shows that it waits; none of the launcher's own work (timers, commands) runs.
    virtual ProgramEnd CloseAndWaitForEnd(WindowId window, unsigned timeoutMs) = 0;

    virtual void StartWatchTimer() = 0;  // every 2000 ms until stopped
    virtual void StopWatchTimer() = 0;
    virtual void Sleep(unsigned milliseconds) = 0;

    // An OK message box captioned with the program's title.
    virtual void ShowMessage(std::u16string_view text) = 0;
    // The program's standard message for a file that could not be created or written.
    virtual void ShowFileError(std::u16string_view path, const FileError& error) = 0;
    // The cause of a file error in the user's words, for the program's own messages.
    virtual std::u16string DescribeFileError(const FileError& error) = 0;

    virtual std::u16string LanguageText(std::u16string_view key) = 0;
    // The language setting as this run holds it (setting.ini's, or the choice it could not take);
    // "English" when there is none.
    virtual std::u16string StoredLanguage() = 0;
    // How many earlier device states to keep beside each emulation file (setting.ini).
    virtual int EarlierStatesToKeep() = 0;
};

}  // namespace emulator
