#pragma once
// Helpers shared by the in-process Win32 tests.

#include <windows.h>

#include <atomic>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "framework/win_app_ex.h"
#include "framework/wnd.h"

namespace test {

// The tests' application object: message boxes get its title, frames become its main window.
class TestApp : public CWinAppEx {};
TestApp& App();

// Delivers what is queued for this thread, at most maxMessages of it (a message that keeps
// coming back must fail a test, not hang it). Returns the exit code of a WM_QUIT found on the way.
std::optional<int> PumpMessages(int maxMessages = 500);

struct SeenBox {
    std::wstring caption;
    std::wstring text;  // of the static a message box keeps its text in
    HWND owner = nullptr;
    std::vector<std::pair<int, std::wstring>> controls;  // id and text of every control, in z-order
    std::wstring ControlText(int id) const;
};

// Watches this thread's dialogs (message boxes and others) from a second thread, notes each
// one and answers it: with the command `answer` (IDOK, IDYES, IDNO, IDCANCEL), or by `act`,
// which runs on the watching thread.
class MessageBoxWatcher {
public:
    explicit MessageBoxWatcher(int answer = IDOK);
    explicit MessageBoxWatcher(std::function<void(HWND)> act);
    ~MessageBoxWatcher();
    MessageBoxWatcher(const MessageBoxWatcher&) = delete;
    MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;

    std::vector<SeenBox> Boxes();

private:
    void Watch();

    DWORD m_uiThread;
    std::function<void(HWND)> m_act;
    std::atomic<bool> m_stop{false};
    std::mutex m_mutex;
    std::vector<SeenBox> m_boxes;
    std::vector<HWND> m_handled;
    std::thread m_thread;
};

// A bare top-level popup whose client area is exactly width x height.
class HostWindow : public CWnd {
public:
    bool CreateHost(int width, int height);
};

// Position of a child window inside its parent's client area.
RECT ChildRect(HWND child);

}  // namespace test
