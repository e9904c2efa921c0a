#include "launcher_process.h"

#include "host_files.h"

#include <stdexcept>
#include <thread>
#include <vector>

namespace e2e {
namespace {

struct WindowSearch {
    DWORD processId;
    std::vector<HWND> found;
};

// A named callback, not a lambda: 32-bit Windows calls it with its own calling convention.
BOOL CALLBACK CollectWindowOf(HWND window, LPARAM param)
{
    auto* search = reinterpret_cast<WindowSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId)
        search->found.push_back(window);
    return TRUE;
}

std::vector<HWND> TopLevelWindowsOf(DWORD processId)
{
    WindowSearch search{processId, {}};
    EnumWindows(CollectWindowOf, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::wstring ClassOf(HWND window)
{
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return name;
}

std::wstring TextOf(HWND window)
{
    wchar_t text[4096] = {};
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000, &ignored);
    return text;
}

template <typename Probe>
auto PollUntil(std::chrono::milliseconds timeout, Probe probe) -> decltype(probe())
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (auto result = probe())
            return result;
        if (std::chrono::steady_clock::now() >= deadline)
            return {};
        std::this_thread::sleep_for(50ms);
    }
}

}  // namespace

LauncherProcess::LauncherProcess(const std::filesystem::path& exe, const std::wstring& arguments)
{
    std::wstring commandLine = L"\"" + exe.wstring() + L"\"";
    if (!arguments.empty())
        commandLine += L" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    const std::wstring folder = exe.parent_path().wstring();
    if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup, &m_info))
        throw std::runtime_error("cannot start the launcher, error " + std::to_string(GetLastError()));
}

LauncherProcess::~LauncherProcess()
{
    if (WaitForSingleObject(m_info.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(m_info.hProcess, 99);
        WaitForSingleObject(m_info.hProcess, 5000);
    }
    CloseHandle(m_info.hThread);
    CloseHandle(m_info.hProcess);
}

HWND LauncherProcess::WaitForMainWindow(std::chrono::milliseconds timeout) const
{
    return PollUntil(timeout, [this]() -> HWND {
        for (HWND window : TopLevelWindowsOf(Id()))
            if (IsWindowVisible(window) && ClassOf(window) != L"#32770")
                return window;
        return nullptr;
    });
}

std::optional<MessageBoxInfo> LauncherProcess::WaitForMessageBox(std::chrono::milliseconds timeout) const
{
    return PollUntil(timeout, [this]() -> std::optional<MessageBoxInfo> {
        for (HWND window : TopLevelWindowsOf(Id())) {
            HWND textControl = GetDlgItem(window, 0xFFFF);
            if (ClassOf(window) == L"#32770" && IsWindowVisible(window) && textControl)
                return MessageBoxInfo{window, TextOf(window), TextOf(textControl)};
        }
        return std::nullopt;
    });
}

HWND LauncherProcess::WaitForDialog(const std::wstring& caption, std::chrono::milliseconds timeout) const
{
    const auto found = PollUntil(timeout, [&]() -> std::optional<HWND> {
        for (HWND window : TopLevelWindowsOf(Id())) {
            if (ClassOf(window) == L"#32770" && IsWindowVisible(window) && TextOf(window) == caption)
                return window;
        }
        return std::nullopt;
    });
    return found.value_or(nullptr);
}

HWND LauncherProcess::WaitForWindowOfClass(const wchar_t* className, std::chrono::milliseconds timeout) const
{
    const auto found = PollUntil(timeout, [&]() -> std::optional<HWND> {
        for (HWND window : TopLevelWindowsOf(Id())) {
            if (IsWindowVisible(window) && ClassOf(window) == className)
                return window;
        }
        return std::nullopt;
    });
    return found.value_or(nullptr);
}

std::optional<DWORD> LauncherProcess::WaitForExit(std::chrono::milliseconds timeout) const
{
    if (WaitForSingleObject(m_info.hProcess, static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0)
        return std::nullopt;
    DWORD code = 0;
    GetExitCodeProcess(m_info.hProcess, &code);
    return code;
}

bool LauncherProcess::HasVisibleWindow() const
{
    for (HWND window : TopLevelWindowsOf(Id()))
        if (IsWindowVisible(window))
            return true;
    return false;
}

void PressMessageBoxButton(const MessageBoxInfo& box, int buttonId)
{
    PostMessageW(box.window, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box.window, buttonId)));
}

void EndStrayLaunchers() { test_host::EndProcessesNamed({L"PC_Kovrin3.0.exe"}); }

}  // namespace e2e
