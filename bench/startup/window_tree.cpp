// The reference for start-up time against the window tree the launcher must build: the same
// frame (captionless, 440 x 346, icon 128), a plain splitter window, the three form views from
// the program's own dialog templates at the launcher's row heights, the three owner-drawn title
// buttons with their icons, the drop-down, the list view with five 95 x 95 icons, the banner and
// the info strip, under common controls 6, all by direct Win32 calls: no framework and no
// language files (the texts are fixed).
#include <windows.h>
#include <commctrl.h>

#include "resource.h"
#include "window_program.h"

namespace {

constexpr int kWidth = 440, kHeight = 346;
constexpr int kRows[2] = {66, 253};  // the last row takes the rest
constexpr int kGap = 1;
constexpr int kIconSize = 95;

HBITMAP g_banner = nullptr;
HBITMAP g_strip = nullptr;

void PaintBitmap(HWND window, HBITMAP bitmap)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    RECT client;
    GetClientRect(window, &client);
    BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
    SelectObject(memory, previous);
    DeleteDC(memory);
    EndPaint(window, &paint);
}

// The panes: dialogs whose only work is painting their picture and drawing the buttons.
INT_PTR CALLBACK PaneProc(HWND pane, UINT message, WPARAM, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        return FALSE;
    case WM_PAINT: {
        const auto bitmap = reinterpret_cast<HBITMAP>(GetWindowLongPtrW(pane, DWLP_USER));
        if (!bitmap)
            return FALSE;
        PaintBitmap(pane, bitmap);
        return TRUE;
    }
    case WM_DRAWITEM: {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
        const auto icon = reinterpret_cast<HICON>(GetWindowLongPtrW(item.hwndItem, GWLP_USERDATA));
        DrawIconEx(item.hDC, 2, 2, icon, 0, 0, 0, nullptr, DI_NORMAL);
        return TRUE;
    }
    default:
        return FALSE;
    }
}

HWND MakePane(HWND parent, UINT templateId, int top, int height, HBITMAP picture)
{
    HWND pane = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId), parent, PaneProc, 0);
    SetWindowLongPtrW(pane, DWLP_USER, reinterpret_cast<LONG_PTR>(picture));
    SetWindowPos(pane, nullptr, 0, top, kWidth, height, SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    return pane;
}

void MakeTitleControls(HWND title)
{
    const UINT buttons[3][2] = {{IDC_BUTTON_MENU, IDI_BUTTON_MENU},
                                {IDC_BUTTON_MINIMIZE, IDI_BUTTON_MINIMIZE},
                                {IDC_BUTTON_EXIT, IDI_BUTTON_EXIT}};
    for (const auto& button : buttons) {
        HWND control = GetDlgItem(title, static_cast<int>(button[0]));
        SetWindowLongW(control, GWL_STYLE, (GetWindowLongW(control, GWL_STYLE) & ~0x1F) | BS_OWNERDRAW);
        auto icon = static_cast<HICON>(
            LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(button[1]), IMAGE_ICON, 0, 0, 0));
        SetWindowLongPtrW(control, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(icon));
    }
    HWND list = GetDlgItem(title, IDC_COMBO_LANGUAGE);
    SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"English"));
    SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"\x4E2D\x6587"));
    SendMessageW(list, CB_SETCURSEL, 0, 0);
    ShowWindow(GetDlgItem(title, IDC_STATIC_LANGUAGE), SW_HIDE);
    ShowWindow(GetDlgItem(title, IDC_STATIC_TITLE), SW_HIDE);
}

void FillCommandList(HWND menuPane)
{
    HWND list = GetDlgItem(menuPane, IDC_LIST_MENU);
    RECT client;
    GetClientRect(menuPane, &client);
    MoveWindow(list, 0, 0, client.right, client.bottom, TRUE);
    HIMAGELIST images = ImageList_Create(kIconSize, kIconSize, ILC_COLOR32 | ILC_MASK, 0, 0);
    const UINT icons[5] = {IDI_MENU_RUN, IDI_MENU_HELP, IDI_MENU_CONFIG, IDI_MENU_ABOUT, IDI_MENU_EXIT};
    const wchar_t* texts[5] = {L"Star", L"Help", L"Config", L"About", L"Exit"};
    for (UINT icon : icons) {
        auto loaded = static_cast<HICON>(
            LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(icon), IMAGE_ICON, kIconSize, kIconSize, 0));
        ImageList_AddIcon(images, loaded);
        DestroyIcon(loaded);
    }
    SendMessageW(list, LVM_SETIMAGELIST, LVSIL_NORMAL, reinterpret_cast<LPARAM>(images));
    SetWindowLongW(list, GWL_STYLE, (GetWindowLongW(list, GWL_STYLE) & ~LVS_ALIGNMASK) | LVS_ALIGNTOP);
    GetClientRect(list, &client);
    SendMessageW(list, LVM_SETICONSPACING, 0, MAKELPARAM(client.right / 3, client.bottom / 2));
    SendMessageW(list, LVM_SETTEXTCOLOR, 0, RGB(0, 85, 229));
    for (int index = 0; index < 5; ++index) {
        LVITEMW item{};
        item.mask = LVIF_TEXT | LVIF_IMAGE;
        item.iItem = index;
        item.iImage = index;
        item.pszText = const_cast<wchar_t*>(texts[index]);
        SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }
    SendMessageW(list, LVM_ARRANGE, LVA_DEFAULT, 0);
}

LRESULT CALLBACK SplitterProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_CREATE) {
        int top = 1;
        HWND title = MakePane(window, IDD_FORM_TITLE, top, kRows[0], g_banner);
        MakeTitleControls(title);
        top += kRows[0] + kGap;
        FillCommandList(MakePane(window, IDD_FORM_MENU, top, kRows[1], nullptr));
        top += kRows[1] + kGap;
        MakePane(window, IDD_FORM_INFO, top, kHeight - top, g_strip);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        CreateWindowExW(0, L"WindowTreeSplitter", nullptr, WS_CHILD | WS_VISIBLE, 0, 0, kWidth, kHeight, window,
                        nullptr, GetModuleHandleW(nullptr), nullptr);
        return 0;
    default:
        return bench::MainWindowDefault(window, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    g_banner = static_cast<HBITMAP>(LoadImageW(instance, MAKEINTRESOURCEW(IDB_BANNER), IMAGE_BITMAP, 0, 0, 0));
    g_strip = static_cast<HBITMAP>(LoadImageW(instance, MAKEINTRESOURCEW(IDB_INFO_STRIP), IMAGE_BITMAP, 0, 0, 0));
    const auto face = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    if (!bench::RegisterWindowClass(L"WindowTreeFrame", FrameProc, LoadIconW(instance, MAKEINTRESOURCEW(IDR_MAINFRAME)),
                                    face) ||
        !bench::RegisterWindowClass(L"WindowTreeSplitter", SplitterProc, nullptr, face))
        return 1;
    const int x = (GetSystemMetrics(SM_CXSCREEN) - kWidth) / 2, y = (GetSystemMetrics(SM_CYSCREEN) - kHeight) / 2;
    HWND frame = CreateWindowExW(0, L"WindowTreeFrame", L"Kovrin3.0_PC", WS_POPUP | WS_SYSMENU, x, y, kWidth, kHeight,
                                 nullptr, nullptr, instance, nullptr);
    if (!frame)
        return 1;
    return bench::ShowAndRun(frame, SW_SHOW);
}
