// What the owner-drawn menu's choice of style rests on: the Windows version and the theme.
#include "widgets/vel_menu.h"

#include <algorithm>
#include <cwchar>

#include "framework/unique_handle.h"

int VelMenu::s_nOsVersion = VelMenu::DetectOsVersion();
int VelMenu::s_nDrawStyleOverride = 0;
int VelMenu::s_bSelectDisabled = 0;
CImageList VelMenu::s_SharedImages;
std::vector<int> VelMenu::s_SharedImageIds;
int VelMenu::s_bThemeChecked = 0;
int VelMenu::s_bClassicTheme = 0;

namespace {

// GetVersion's high bit: a system of the 9x family (or Win32s).
constexpr DWORD kNotNtFamily = 0x80000000;

}  // namespace

int VelMenu::DetectOsVersion()
{
    const DWORD version = ::GetVersion();
    const bool family9x = (version & kNotNtFamily) != 0;
    if (family9x && LOBYTE(LOWORD(version)) < 4)
        return kWin32s;
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof(info);
    ::GetVersionExW(&info);  // a failure leaves the zeroed record
    const DWORD major = info.dwMajorVersion, minor = info.dwMinorVersion;
    if (family9x) {
        if (major == 4 && minor == 10)
            return kWin98;
        if (major == 4 && minor == 90)
            return kWinMe;
        return kWin9xOther;
    }
    if (major == 4)
        return kNt4;
    if (major == 5 && minor == 0)
        return kWin2000;
    if (major == 5 && minor == 1)
        return kWinXp;
    return kNtOther;
}

BOOL VelMenu::IsClassicTheme()
{
    if (s_bThemeChecked)
        return s_bClassicTheme;
    // Once per process, whatever the outcome.
    s_bThemeChecked = 1;
    HKEY opened = nullptr;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Plus!\\Themes\\Current", 0, KEY_READ, &opened) !=
        ERROR_SUCCESS)
        return s_bClassicTheme;
    const framework::UniqueRegKey key(opened);
    constexpr wchar_t kClassic[] = L"Windows Classic.theme";
    constexpr size_t kClassicLength = sizeof(kClassic) / sizeof(wchar_t) - 1;
    wchar_t value[130 + 1] = {};  // 260 bytes, and room for a terminator the value may lack
    DWORD size = 260;
    if (::RegQueryValueExW(key.get(), nullptr, nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size) !=
        ERROR_SUCCESS)
        return s_bClassicTheme;
    value[std::min<DWORD>(size / sizeof(wchar_t), 130)] = L'\0';
    const size_t length = std::wcslen(value);
    if (length >= kClassicLength && ::lstrcmpiW(value + length - kClassicLength, kClassic) == 0)
        s_bClassicTheme = 1;
    return s_bClassicTheme;
}

bool VelMenu::IsThemed()
{
    return s_nOsVersion == kWinXp && !IsClassicTheme();
}

BOOL VelMenu::HasImageTriple(int index)
{
    if (index < 0 || static_cast<size_t>(index) + 2 >= s_SharedImageIds.size())
        return FALSE;
    const auto at = static_cast<size_t>(index);
    return s_SharedImageIds[at] == s_SharedImageIds[at + 1] && s_SharedImageIds[at + 1] == s_SharedImageIds[at + 2];
}

COLORREF VelMenu::BlendTowardWhite(double fraction, COLORREF color)
{
    if (!(fraction > 0.0 && fraction <= 1.0))
        return color;
    auto lighten = [fraction](BYTE x) { return static_cast<BYTE>(x + static_cast<int>(fraction * (255 - x))); };
    return RGB(lighten(GetRValue(color)), lighten(GetGValue(color)), lighten(GetBValue(color)));
}
