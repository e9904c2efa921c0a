// Keeps Wine's virtual desktop alive between test programs: without a window of its own the
// desktop closes after each program and the next one pays for starting it again. It must also
// be the program that starts the desktop: the desktop process inherits the output of whoever
// starts it, and a test whose output stays open never ends for ctest. So once its window
// exists it creates the file named on its command line, which the session script waits for.
#include <windows.h>

#include <string>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int)
{
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = L"KovrinDesktopKeeper";
    RegisterClassW(&windowClass);
    CreateWindowW(windowClass.lpszClassName, L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, instance, nullptr);

    std::wstring ready = commandLine ? commandLine : L"";
    if (ready.size() >= 2 && ready.front() == L'"' && ready.back() == L'"')
        ready = ready.substr(1, ready.size() - 2);
    if (!ready.empty()) {
        HANDLE file = CreateFileW(ready.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        if (file != INVALID_HANDLE_VALUE)
            CloseHandle(file);
    }

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0)
        DispatchMessageW(&message);
    return 0;
}
