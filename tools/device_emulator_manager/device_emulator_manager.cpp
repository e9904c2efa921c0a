// Plays the device emulator's manager for tests and demonstrations: shows a window titled
// "Device Emulator Manager", or "设备仿真器管理器" when its control file says title=zh, in the
// way it was asked to show it, and logs each start with that show command.
#include <windows.h>

#include <string>

#include "../stand_in_common/stand_in.h"

namespace {

LRESULT CALLBACK ManagerWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show)
{
    const stand_in::Control control;
    const wchar_t* title = control.Text(L"title") == L"zh" ? L"设备仿真器管理器" : L"Device Emulator Manager";
    stand_in::Log(L"started show=" + std::to_wstring(show) + L" arguments=" + stand_in::Arguments());

    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = ManagerWindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = L"KovrinStandInDeviceEmulatorManager";
    RegisterClassW(&windowClass);
    HWND window = CreateWindowW(windowClass.lpszClassName, title, WS_OVERLAPPEDWINDOW, 80, 80, 300, 200, nullptr,
                                nullptr, instance, nullptr);
    ShowWindow(window, show);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
