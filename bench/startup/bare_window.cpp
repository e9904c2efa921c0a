// The reference for start-up time: the classic minimal Win32 program, one captioned 440 x 346
// window painted in the window colour, built with the same toolchain and runtime as the launcher.
#include <windows.h>

#include "window_program.h"

namespace {

LRESULT CALLBACK BareWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        FillRect(dc, &paint.rcPaint, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
        EndPaint(window, &paint);
        return 0;
    }
    default:
        return bench::MainWindowDefault(window, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand)
{
    if (!bench::RegisterWindowClass(L"BareWindow", BareWindowProc, nullptr, nullptr))
        return 1;
    HWND window = CreateWindowExW(0, L"BareWindow", L"Bare window", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                                  440, 346, nullptr, nullptr, instance, nullptr);
    if (!window)
        return 1;
    return bench::ShowAndRun(window, showCommand == SW_SHOWDEFAULT ? SW_SHOW : showCommand);
}
