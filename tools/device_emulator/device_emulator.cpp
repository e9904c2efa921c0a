// Plays the device emulator for tests and demonstrations: takes "/s <state file> /sharedfolder
// <folder>", shows a window titled "Device Emulator", and does to the state file what its control
// file says:
//   window_delay_ms=N  show the window only after N ms (a slow start)
//   hold=1             keep the state file open with no sharing while running
//   exit_after_ms=N    close its window by itself N ms after showing it
//   linger_ms=N        stay alive N ms after its window has gone (saving late)
//   save=TEXT          on a normal end, append TEXT to the state file (the device saved its state)
//   refuse_close=1     ignore being asked to close (a device busy, or asking its user something)
//   end_save=MODE      save the state at the end, as the real emulator does, through a temporary
//                      file beside it ("<state file>.tmp") that it then copies over the state:
//                        full   the whole save (the user answered Yes)
//                        none   nothing is written (the user answered No)
//                        half   the copy stops half-way: a torn state, the temporary file left
//                        empty  an empty state file is left
//   exit_code=N        the exit code at the end (1: the emulator's own "save failed")
// A state file with a line "starts=N" is a device that counts its starts: the stand-in shows
// "Started N+1 times" and saves N+1 there, at once without end_save, else at its end as asked;
// so a demo sees its state come back each run.
#include <windows.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "../stand_in_common/stand_in.h"

namespace {

constexpr UINT_PTR kExitTimer = 1;
bool g_refuseClose = false;

std::wstring TokenAfter(const std::wstring& arguments, const std::wstring& option)
{
    const auto at = arguments.find(option + L" ");
    if (at == std::wstring::npos)
        return {};
    auto begin = at + option.size() + 1;
    // A quoted path holds blanks.
    const bool quoted = begin < arguments.size() && arguments[begin] == L'"';
    begin += quoted ? 1 : 0;
    const auto end = arguments.find(quoted ? L'"' : L' ', begin);
    return arguments.substr(begin, end == std::wstring::npos ? std::wstring::npos : end - begin);
}

struct CountedStart {
    std::optional<long> count;  // nothing when the state counts no starts
    std::string state;          // the state with the start counted
};

std::string ReadState(const std::wstring& stateFile)
{
    // Shared: the look for a counter must not keep anyone else from the state, even for a moment.
    HANDLE file = CreateFileW(stateFile.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return {};
    std::string bytes(GetFileSize(file, nullptr), '\0');
    DWORD done = 0;
    ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &done, nullptr);
    bytes.resize(done);
    CloseHandle(file);
    return bytes;
}

// Writes the whole state file anew; false when it cannot be written.
bool WriteState(const std::wstring& path, const std::string& bytes)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD done = 0;
    const bool written = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &done, nullptr) && done == bytes.size();
    CloseHandle(file);
    return written;
}

// The state with its start counter raised; the count is nothing when the state has none.
CountedStart CountStart(const std::wstring& stateFile)
{
    CountedStart counted{std::nullopt, ReadState(stateFile)};
    std::string& bytes = counted.state;
    const std::string key = "starts=";
    auto at = bytes.rfind("\n" + key);
    at = at != std::string::npos ? at + 1 : (bytes.compare(0, key.size(), key) == 0 ? 0 : std::string::npos);
    if (at != std::string::npos) {
        const auto digits = at + key.size();
        const auto end = bytes.find_first_not_of("0123456789", digits);
        counted.count = std::strtol(bytes.c_str() + digits, nullptr, 10) + 1;
        bytes.replace(digits, (end == std::string::npos ? bytes.size() : end) - digits, std::to_string(*counted.count));
        stand_in::Log(L"started " + std::to_wstring(*counted.count) + L" times");
    }
    return counted;
}

// The save at the end, as end_save asks.
void SaveAtEnd(const std::wstring& mode, const std::wstring& stateFile, const std::string& state)
{
    const std::wstring temporary = stateFile + L".tmp";
    if (mode == L"empty") {
        WriteState(stateFile, "");
    } else if (mode == L"full") {
        WriteState(temporary, state);
        CopyFileW(temporary.c_str(), stateFile.c_str(), FALSE);
        DeleteFileW(temporary.c_str());
    } else if (mode == L"half") {
        WriteState(temporary, state);
        WriteState(stateFile, state.substr(0, state.size() / 2));
    }
    stand_in::Log(L"end save " + mode);
}

void PaintCounter(HWND window, const std::wstring& text)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT client;
    GetClientRect(window, &client);
    HFONT font = CreateFontW(-28, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, CLEARTYPE_QUALITY, 0, L"Tahoma");
    HGDIOBJ old = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    DrawTextW(dc, text.c_str(), -1, &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SelectObject(dc, old);
    DeleteObject(font);
    EndPaint(window, &paint);
}

LRESULT CALLBACK EmulatorWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_NCCREATE:
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
        return DefWindowProcW(window, message, wParam, lParam);
    case WM_PAINT:
        if (const auto* text = reinterpret_cast<const std::wstring*>(GetWindowLongPtrW(window, GWLP_USERDATA)); text && !text->empty()) {
            PaintCounter(window, *text);
            return 0;
        }
        return DefWindowProcW(window, message, wParam, lParam);
    case WM_CLOSE:
        if (g_refuseClose) {
            stand_in::Log(L"close refused");
            return 0;
        }
        return DefWindowProcW(window, message, wParam, lParam);
    case WM_TIMER:
        if (wParam == kExitTimer)
            DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

void AppendToState(HANDLE held, const std::wstring& stateFile, const std::string& text)
{
    HANDLE file = held;
    if (file == INVALID_HANDLE_VALUE)
        file = CreateFileW(stateFile.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        stand_in::Log(L"save failed " + std::to_wstring(GetLastError()));
        return;
    }
    SetFilePointer(file, 0, nullptr, FILE_END);
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    if (file != held)
        CloseHandle(file);
    stand_in::Log(L"saved");
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show)
{
    const stand_in::Control control;
    const std::wstring arguments = stand_in::Arguments();
    wchar_t folder[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, folder);
    stand_in::Log(L"arguments=" + arguments);
    stand_in::Log(std::wstring(L"cwd=") + folder);

    const std::wstring stateFile = TokenAfter(arguments, L"/s");
    g_refuseClose = control.Number(L"refuse_close") != 0;
    const std::wstring endSave = control.Text(L"end_save");
    const CountedStart counted = CountStart(stateFile);
    if (counted.count && endSave.empty() && !WriteState(stateFile, counted.state))
        stand_in::Log(L"count not saved " + std::to_wstring(GetLastError()));
    const auto& starts = counted.count;
    std::wstring shown = starts ? L"Started " + std::to_wstring(*starts) + (*starts == 1 ? L" time" : L" times") : L"";
    HANDLE held = INVALID_HANDLE_VALUE;
    if (control.Number(L"hold")) {
        held = CreateFileW(stateFile.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        stand_in::Log(held == INVALID_HANDLE_VALUE ? L"hold failed" : L"holding");
    }

    Sleep(static_cast<DWORD>(control.Number(L"window_delay_ms")));
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = EmulatorWindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = L"KovrinStandInDeviceEmulator";
    RegisterClassW(&windowClass);
    HWND window = CreateWindowW(windowClass.lpszClassName, L"Device Emulator", WS_OVERLAPPEDWINDOW, 40, 40, 320, 240,
                                nullptr, nullptr, instance, &shown);
    ShowWindow(window, show);
    stand_in::Log(L"window shown");
    if (const int exitAfter = control.Number(L"exit_after_ms"))
        SetTimer(window, kExitTimer, static_cast<UINT>(exitAfter), nullptr);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    stand_in::Log(L"window gone");
    Sleep(static_cast<DWORD>(control.Number(L"linger_ms")));
    if (!endSave.empty())
        SaveAtEnd(endSave, stateFile, counted.state);
    const std::wstring save = control.Text(L"save");
    if (!save.empty())
        AppendToState(held, stateFile, stand_in::WideToUtf8(save));
    if (held != INVALID_HANDLE_VALUE)
        CloseHandle(held);
    const int exitCode = control.Number(L"exit_code");
    stand_in::Log(L"ended " + std::to_wstring(exitCode));
    return exitCode;
}
