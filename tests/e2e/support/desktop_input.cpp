#include "desktop_input.h"

#include <algorithm>
#include <chrono>
#include <string>
#include <thread>

namespace e2e {
namespace {

using namespace std::chrono_literals;

// Under Wine the X server's own input tool gives real input events; injected ones from another
// process do not reach a window that is not this process's own. Elsewhere: SendInput.
bool RunHostTool(const std::wstring& command)
{
    std::wstring line = command;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return false;
    // Wine gives a host program no process handle, and leaves in the thread handle a value that is
    // none of ours: closed, it could close a handle this process still uses (its registry root).
    if (!process.hProcess)
        return true;
    WaitForSingleObject(process.hProcess, 5000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

bool Xdotool(const std::wstring& arguments)
{
    static const bool available = GetFileAttributesW(L"Z:\\usr\\bin\\xdotool") != INVALID_FILE_ATTRIBUTES;
    return available && RunHostTool(L"/usr/bin/xdotool " + arguments);
}

std::wstring Point(POINT p) { return std::to_wstring(p.x) + L" " + std::to_wstring(p.y); }

void SendMouse(DWORD flags)
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof input);
}

void SendKey(WORD key, bool up)
{
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof input);
}

}  // namespace

std::wstring WindowTitle(HWND window)
{
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    return text;
}

RECT ScreenRect(HWND window)
{
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

std::vector<RECT> PaneRects(HWND frame)
{
    std::vector<RECT> panes;
    HWND splitter = GetWindow(frame, GW_CHILD);
    for (HWND pane = splitter ? GetWindow(splitter, GW_CHILD) : nullptr; pane; pane = GetWindow(pane, GW_HWNDNEXT)) {
        RECT rect = ScreenRect(pane);
        MapWindowPoints(HWND_DESKTOP, frame, reinterpret_cast<POINT*>(&rect), 2);
        panes.push_back(rect);
    }
    std::sort(panes.begin(), panes.end(), [](const RECT& a, const RECT& b) { return a.top < b.top; });
    return panes;
}

HCURSOR CursorAfterMovingTo(POINT screenPoint)
{
    // A real move, so the window under the cursor sets its shape.
    if (!Xdotool(L"mousemove " + Point(screenPoint))) {
        SetCursorPos(screenPoint.x, screenPoint.y);
        SendMouse(MOUSEEVENTF_MOVE);
    }
    std::this_thread::sleep_for(300ms);
    CURSORINFO info{};
    info.cbSize = sizeof info;
    GetCursorInfo(&info);
    return info.hCursor;
}

void BringToFront(HWND window)
{
    // A click on the info strip at the bottom, which does nothing else, activates it for real;
    // keys go nowhere useful until the system says it is in front.
    for (int attempt = 0; attempt < 10 && GetForegroundWindow() != window; ++attempt) {
        SetForegroundWindow(window);
        const RECT rect = ScreenRect(window);
        Xdotool(L"mousemove " + Point({rect.left + 20, rect.bottom - 10}) + L" click 1");
        std::this_thread::sleep_for(200ms);
    }
    std::this_thread::sleep_for(200ms);
}

void MouseDrag(POINT from, POINT to)
{
    const int steps = 10;
    if (Xdotool(L"mousemove " + Point(from))) {
        std::this_thread::sleep_for(100ms);
        Xdotool(L"mousedown 1");
        // The press must have started the move loop before the pointer leaves the press point.
        std::this_thread::sleep_for(300ms);
        for (int i = 1; i <= steps; ++i) {
            Xdotool(L"mousemove " + Point({from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps}));
            std::this_thread::sleep_for(30ms);
        }
        std::this_thread::sleep_for(100ms);
        Xdotool(L"mouseup 1");
        std::this_thread::sleep_for(300ms);
        return;
    }
    SetCursorPos(from.x, from.y);
    std::this_thread::sleep_for(100ms);
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    std::this_thread::sleep_for(200ms);
    for (int i = 1; i <= steps; ++i) {
        SetCursorPos(from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps);
        SendMouse(MOUSEEVENTF_MOVE);
        std::this_thread::sleep_for(30ms);
    }
    std::this_thread::sleep_for(100ms);
    SendMouse(MOUSEEVENTF_LEFTUP);
    std::this_thread::sleep_for(300ms);
}

void PressAltF4(HWND window)
{
    BringToFront(window);
    if (Xdotool(L"key alt+F4"))
        return;
    SendKey(VK_MENU, false);
    SendKey(VK_F4, false);
    SendKey(VK_F4, true);
    SendKey(VK_MENU, true);
}

void MoveMouseTo(POINT screenPoint)
{
    if (!Xdotool(L"mousemove " + Point(screenPoint)))
        SetCursorPos(screenPoint.x, screenPoint.y);
    std::this_thread::sleep_for(300ms);
}

void ClickAt(POINT screenPoint)
{
    if (!Xdotool(L"mousemove " + Point(screenPoint) + L" click 1")) {
        SetCursorPos(screenPoint.x, screenPoint.y);
        SendMouse(MOUSEEVENTF_LEFTDOWN);
        SendMouse(MOUSEEVENTF_LEFTUP);
    }
    std::this_thread::sleep_for(300ms);
}

void PressKey(const std::wstring& name)
{
    Xdotool(L"key " + name);
    std::this_thread::sleep_for(200ms);
}

bool SaveScreenshot(const RECT& screen, const std::string& hostPath)
{
    if (GetFileAttributesW(L"Z:\\usr\\bin\\import") == INVALID_FILE_ATTRIBUTES)
        return false;
    const std::wstring crop = std::to_wstring(screen.right - screen.left) + L"x" +
                              std::to_wstring(screen.bottom - screen.top) + L"+" + std::to_wstring(screen.left) +
                              L"+" + std::to_wstring(screen.top);
    // Painting of a window that has just come up may still be on its way.
    std::this_thread::sleep_for(500ms);
    const std::wstring windowsPath = L"Z:" + std::wstring(hostPath.begin(), hostPath.end());
    DeleteFileW(windowsPath.c_str());
    // A host program runs on its own, without Wine waiting for it: the finished file tells.
    RunHostTool(L"/usr/bin/import -window root -crop " + crop + L" +repage \"" + std::wstring(hostPath.begin(), hostPath.end()) +
                L"\"");
    DWORD lastSize = 0;
    for (int check = 0; check < 50; ++check) {
        std::this_thread::sleep_for(100ms);
        WIN32_FILE_ATTRIBUTE_DATA data{};
        if (!GetFileAttributesExW(windowsPath.c_str(), GetFileExInfoStandard, &data) || data.nFileSizeLow == 0)
            continue;
        if (data.nFileSizeLow == lastSize)
            return true;
        lastSize = data.nFileSizeLow;
    }
    return false;
}

}  // namespace e2e
