#include "emulator/win32/close_and_wait.h"

#include <algorithm>

#include "framework/unique_handle.h"

namespace emulator::win32 {
namespace {

// While it lives, the launcher's window is disabled under the wait cursor; afterwards it is as
// it was, with the keyboard focus where it was.
class LauncherWaits {
public:
    explicit LauncherWaits(HWND anyOfItsWindows)
        : m_window(anyOfItsWindows ? ::GetAncestor(anyOfItsWindows, GA_ROOT) : nullptr),
          m_focus(::GetFocus()),
          m_wasEnabled(m_window && !::EnableWindow(m_window, FALSE)),
          m_cursor(::SetCursor(::LoadCursorW(nullptr, IDC_WAIT)))
    {
    }
    ~LauncherWaits()
    {
        if (m_wasEnabled)
            ::EnableWindow(m_window, TRUE);
        if (m_focus && ::IsWindow(m_focus))
            ::SetFocus(m_focus);
        ::SetCursor(m_cursor);
    }
    LauncherWaits(const LauncherWaits&) = delete;
    LauncherWaits& operator=(const LauncherWaits&) = delete;

private:
    HWND m_window;
    HWND m_focus;
    bool m_wasEnabled;
    HCURSOR m_cursor;
};

// Only paints and sent messages: a posted timer tick would write back a state the emulator is
// still saving, and a second close would end it twice.
void PaintWhileWaiting()
{
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE | PM_QS_PAINT))
        ::DispatchMessageW(&message);
}

bool WaitForEnd(HANDLE process, HWND target, unsigned timeoutMs)
{
    // Without a process to watch, its window is looked at every tenth of a second.
    constexpr DWORD kWindowPollMs = 100;
    const ULONGLONG deadline = ::GetTickCount64() + timeoutMs;
    for (;;) {
        if (!process && !::IsWindow(target))
            return true;
        const ULONGLONG now = ::GetTickCount64();
        if (now >= deadline)
            return false;
        const auto left = static_cast<DWORD>(deadline - now);
        const DWORD woke = ::MsgWaitForMultipleObjects(process ? 1 : 0, &process, FALSE,
                                                       process ? left : std::min(left, kWindowPollMs),
                                                       QS_PAINT | QS_SENDMESSAGE);
        if (process && woke == WAIT_OBJECT_0)
            return true;
        if (woke == WAIT_FAILED)
            return false;
        PaintWhileWaiting();
    }
}

}  // namespace

ProgramEnd CloseProgramAndWait(HWND launcherWindow, HWND target, unsigned timeoutMs)
{
    DWORD processId = 0;
    ::GetWindowThreadProcessId(target, &processId);
    // Its exit code tells whether its save went wrong.
    const framework::UniqueHandle process{
        processId ? ::OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId) : nullptr};
    if (!::PostMessageW(target, WM_SYSCOMMAND, SC_CLOSE, 0))
        return {};
    const LauncherWaits waiting(launcherWindow);
    ProgramEnd end;
    end.ended = WaitForEnd(process.get(), target, timeoutMs);
    DWORD exitCode = 0;
    if (end.ended && process && ::GetExitCodeProcess(process.get(), &exitCode))
        end.exitCode = exitCode;
    return end;
}

}  // namespace emulator::win32
