#include "test_support.h"

#include <chrono>

namespace test {

TestApp& App()
{
    static TestApp app;
    return app;
}

std::optional<int> PumpMessages(int maxMessages)
{
    std::optional<int> quit;
    MSG msg;
    for (int i = 0; i < maxMessages && ::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE); ++i) {
        if (msg.message == WM_QUIT) {
            quit = static_cast<int>(msg.wParam);
            continue;
        }
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    return quit;
}

MessageBoxWatcher::MessageBoxWatcher(int answer)
    : MessageBoxWatcher([answer](HWND box) { ::PostMessageW(box, WM_COMMAND, static_cast<WPARAM>(answer), 0); })
{
}

MessageBoxWatcher::MessageBoxWatcher(std::function<void(HWND)> act)
    : m_uiThread(::GetCurrentThreadId()), m_act(std::move(act)), m_thread([this] { Watch(); })
{
}

std::wstring SeenBox::ControlText(int id) const
{
    for (const auto& [controlId, text] : controls) {
        if (controlId == id)
            return text;
    }
    return L"<no control " + std::to_wstring(id) + L">";
}

MessageBoxWatcher::~MessageBoxWatcher()
{
    m_stop = true;
    m_thread.join();
}

std::vector<SeenBox> MessageBoxWatcher::Boxes()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_boxes;
}

namespace {

std::wstring TextOf(HWND hwnd)
{
    wchar_t buffer[1024] = {};
    DWORD_PTR ignored = 0;
    ::SendMessageTimeoutW(hwnd, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(buffer), SMTO_BLOCK, 2000, &ignored);
    return buffer;
}

BOOL CALLBACK CollectDialogs(HWND hwnd, LPARAM list)
{
    wchar_t className[16] = {};
    ::GetClassNameW(hwnd, className, 16);
    if (std::wstring(className) == L"#32770" && ::IsWindowVisible(hwnd))
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(hwnd);
    return TRUE;
}

}  // namespace

void MessageBoxWatcher::Watch()
{
    while (!m_stop) {
        std::vector<HWND> dialogs;
        ::EnumThreadWindows(m_uiThread, CollectDialogs, reinterpret_cast<LPARAM>(&dialogs));
        for (HWND box : dialogs) {
            bool known = false;
            for (HWND handled : m_handled)
                known = known || handled == box;
            if (known)
                continue;
            m_handled.push_back(box);
            SeenBox seen{TextOf(box), TextOf(::GetDlgItem(box, 0xFFFF)), ::GetWindow(box, GW_OWNER), {}};
            for (HWND child = ::GetWindow(box, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
                seen.controls.emplace_back(::GetDlgCtrlID(child), TextOf(child));
            {
                std::lock_guard<std::mutex> lock(m_mutex);
                m_boxes.push_back(seen);
            }
            m_act(box);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

bool HostWindow::CreateHost(int width, int height)
{
    const wchar_t* className =
        RegisterFrameworkClass(L"KovrinTestHost", 0, ::LoadCursorW(nullptr, IDC_ARROW),
                               reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    return CreateEx(0, className, L"host", WS_POPUP, 100, 100, width, height, nullptr, nullptr) != FALSE;
}

RECT ChildRect(HWND child)
{
    RECT rect{};
    ::GetWindowRect(child, &rect);
    ::MapWindowPoints(nullptr, ::GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

}  // namespace test
