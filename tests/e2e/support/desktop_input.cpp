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
bool Xdotool(const std::wstring& arguments)
{
    static const bool available = GetFileAttributesW(L"Z:\\usr\\bin\\xdotool") != INVALID_FILE_ATTRIBUTES;
    if (!available)
        return false;
    std::wstring command = L"/usr/bin/xdotool " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return false;
    WaitForSingleObject(process.hProcess, 5000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
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

}  // namespace e2e
