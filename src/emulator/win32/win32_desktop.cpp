#include "emulator/win32/win32_desktop.h"

#include <windows.h>
#include <shellapi.h>
#include <shlwapi.h>

#include <vector>

#include "emulator/earlier_states.h"
#include "emulator/win32/close_and_wait.h"
#include "framework/error_report.h"
#include "framework/file_exception.h"
#include "framework/unique_handle.h"
#include "framework/message_box.h"
#include "framework/wnd.h"
#include "text/language_files.h"
#include "text/language_setting.h"
#include "text/win32/wide.h"
#include "text/win32/win32_text_platform.h"

namespace emulator::win32 {
namespace {

using text::AsU16;
using text::AsWide;

class Win32LaunchedProgram : public LaunchedProgram {
public:
    explicit Win32LaunchedProgram(framework::UniqueHandle process) : m_process(std::move(process)) {}

    bool IsRunning() override { return WaitForSingleObject(m_process.get(), 0) == WAIT_TIMEOUT; }
    std::optional<std::uint32_t> ExitCode() override
    {
        DWORD code = 0;
        if (IsRunning() || !GetExitCodeProcess(m_process.get(), &code))
            return std::nullopt;
        return code;
    }

private:
    framework::UniqueHandle m_process;
};

}  // namespace

bool EnableDebugPrivilege()
{
    HANDLE opened = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &opened))
        return false;
    const framework::UniqueHandle token(opened);
    TOKEN_PRIVILEGES privileges{};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    const bool found = LookupPrivilegeValueW(nullptr, L"SeDebugPrivilege", &privileges.Privileges[0].Luid) != FALSE;
    if (found)
        AdjustTokenPrivileges(token.get(), FALSE, &privileges, sizeof privileges, nullptr, nullptr);
    return found;
}

WindowId Win32Desktop::FindWindowByTitle(std::u16string_view exactTitle)
{
    return reinterpret_cast<WindowId>(FindWindowExW(nullptr, nullptr, nullptr, AsWide(exactTitle).c_str()));
}

ShellResult Win32Desktop::ShellOpen(std::u16string_view file, std::u16string_view parameters, ShowCommand show)
{
    const std::wstring program = AsWide(file), arguments = AsWide(parameters);
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    // The same search as a plain shell open, and like it no error box of its own; the process
    // handle tells the session when it ends.
    info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
    info.lpVerb = L"open";
    info.lpFile = program.c_str();
    info.lpParameters = arguments.empty() ? nullptr : arguments.c_str();
    info.nShow = show == ShowCommand::Minimized ? SW_SHOWMINIMIZED : SW_SHOWNORMAL;
    ShellResult result;
    result.started = ShellExecuteExW(&info) != FALSE;
    if (result.started && info.hProcess)
        result.process = std::make_unique<Win32LaunchedProgram>(framework::UniqueHandle(info.hProcess));
    return result;
}

std::u16string Win32Desktop::ProgramRegisteredFor(std::u16string_view extension)
{
    const std::wstring type = AsWide(extension);
    std::vector<wchar_t> program(MAX_PATH);
    for (;;) {
        auto size = static_cast<DWORD>(program.size());
        // The system's own answer, whichever of its places (per user, per machine) holds the registration.
        const HRESULT found = AssocQueryStringW(ASSOCF_INIT_IGNOREUNKNOWN | ASSOCF_NOTRUNCATE, ASSOCSTR_EXECUTABLE,
                                                type.c_str(), L"open", program.data(), &size);
        if (found == S_OK)
            return AsU16(program.data());
        if (found != E_POINTER || size <= program.size())
            return {};
        program.resize(size);
    }
}

void Win32Desktop::TerminateWindowProcess(WindowId window)
{
    DWORD processId = 0;
    GetWindowThreadProcessId(reinterpret_cast<HWND>(window), &processId);
    EnableDebugPrivilege();
    if (const framework::UniqueHandle process{OpenProcess(PROCESS_ALL_ACCESS, FALSE, processId)})
        TerminateProcess(process.get(), 0);
}

ProgramEnd Win32Desktop::CloseAndWaitForEnd(WindowId window, unsigned timeoutMs)
{
    return CloseProgramAndWait(m_windows.waiting.GetSafeHwnd(), reinterpret_cast<HWND>(window), timeoutMs);
}

HWND Win32Desktop::TimerWindow() const { return m_windows.watchTimer ? m_windows.watchTimer->GetSafeHwnd() : nullptr; }

void Win32Desktop::StartWatchTimer()
{
    if (const HWND window = TimerWindow())
        ::SetTimer(window, EMULATOR_WATCH_TIMER, kWatchPeriodMs, nullptr);
}

void Win32Desktop::StopWatchTimer()
{
    if (const HWND window = TimerWindow())
        ::KillTimer(window, EMULATOR_WATCH_TIMER);
}

void Win32Desktop::Sleep(unsigned milliseconds) { ::Sleep(milliseconds); }

void Win32Desktop::ShowMessage(std::u16string_view text) { AfxMessageBox(AsWide(text), MB_OK); }

void Win32Desktop::ShowFileError(std::u16string_view path, const FileError& error)
{
    framework::ReportFileError(CFileException(CFileException::Operation::Write, AsWide(path), error.systemCode));
}

std::u16string Win32Desktop::DescribeFileError(const FileError& error)
{
    return AsU16(SystemErrorText(error.systemCode ? error.systemCode : ERROR_GEN_FAILURE));
}

std::u16string Win32Desktop::LanguageText(std::u16string_view key)
{
    return text::LoadLanguageText(text::Win32TextPlatform(), key);
}

std::u16string Win32Desktop::StoredLanguage()
{
    return text::StoredLanguageSetting(text::Win32TextPlatform());
}

int Win32Desktop::EarlierStatesToKeep()
{
    return text::ReadSettingNumber(text::Win32TextPlatform(), kEarlierStatesSetting, kDefaultEarlierStatesKept);
}

}  // namespace emulator::win32
