#pragma once
// A desktop whose windows, programs, timer and message boxes the test controls and records.

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "emulator/desktop.h"

namespace emulator::testing {

class FakeProgram : public LaunchedProgram {
public:
    FakeProgram(std::shared_ptr<bool> running, std::shared_ptr<std::uint32_t> exitCode)
        : m_running(std::move(running)), m_exitCode(std::move(exitCode))
    {
    }
    bool IsRunning() override { return *m_running; }
    std::optional<std::uint32_t> ExitCode() override
    {
        return *m_running ? std::nullopt : std::optional<std::uint32_t>(*m_exitCode);
    }

private:
    std::shared_ptr<bool> m_running;
    std::shared_ptr<std::uint32_t> m_exitCode;
};

class FakeDesktop : public Desktop {
public:
    struct ShellCall {
        std::u16string file;
        std::u16string parameters;
        ShowCommand show;
    };

    std::map<std::u16string, WindowId> windows;  // open top-level windows by title
    std::vector<ShellCall> shellCalls;
    std::vector<WindowId> terminated;
    std::vector<std::u16string> messages;
    std::vector<std::u16string> fileErrors;  // paths named by the file-error message
    std::map<std::u16string, std::u16string> texts{
        {u"IDS_PCKovrin_EmulationFile", u"PPC_ENS.dll"},
        {u"IDS_PCKovrin_FileNoFind", u"Please make sure the file exists"},
    };
    std::u16string storedLanguage = u"English";
    bool timerRunning = false;
    int timerStarts = 0;
    unsigned sleptMilliseconds = 0;

    // How the shell answers for the emulator program: started or not, and whether it names the process.
    bool emulatorStarts = true;
    std::u16string registeredForStateFiles;  // the program registered to open .dess files, which starts
    bool emulatorProcessKnown = true;
    std::shared_ptr<bool> emulatorRunning = std::make_shared<bool>(false);
    std::shared_ptr<std::uint32_t> emulatorExitCode = std::make_shared<std::uint32_t>(0);  // once it has ended
    int earlierStatesToKeep = 3;
    // Called while a message box is open: the modal loop may deliver other messages then.
    std::function<void()> duringMessageBox;
    // What the emulator does when asked to close, called with the time it is given: true when it
    // has ended. Unset, it holds on and the wait runs out.
    std::function<bool(unsigned)> onAskedToClose;
    std::vector<WindowId> askedToClose;
    // Called when a process is ended, with its window's title: ended programs let go of their files.
    std::function<void(const std::u16string&)> onTerminate;

    void Open(const std::u16string& title) { windows[title] = nextWindow++; }
    void Close(const std::u16string& title) { windows.erase(title); }
    int ShellCallsTo(std::u16string_view file) const;

    WindowId FindWindowByTitle(std::u16string_view exactTitle) override;
    ShellResult ShellOpen(std::u16string_view file, std::u16string_view parameters, ShowCommand show) override;
    std::u16string ProgramRegisteredFor(std::u16string_view extension) override;
    void TerminateWindowProcess(WindowId window) override;
    ProgramEnd CloseAndWaitForEnd(WindowId window, unsigned timeoutMs) override;
    void StartWatchTimer() override { timerRunning = true; ++timerStarts; }
    void StopWatchTimer() override { timerRunning = false; }
    void Sleep(unsigned milliseconds) override { sleptMilliseconds += milliseconds; }
    void ShowMessage(std::u16string_view text) override;
    void ShowFileError(std::u16string_view path, const FileError&) override { fileErrors.emplace_back(path); }
    std::u16string DescribeFileError(const FileError& error) override;
    std::u16string LanguageText(std::u16string_view key) override;
    std::u16string StoredLanguage() override { return storedLanguage; }
    int EarlierStatesToKeep() override { return earlierStatesToKeep; }

private:
    WindowId nextWindow = 100;
};

}  // namespace emulator::testing
