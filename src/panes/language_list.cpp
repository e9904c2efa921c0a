#include "panes/language_list.h"

#include <algorithm>
#include <vector>

#include "framework/font_fallback.h"
#include "text/language_files.h"
#include "text/win32/wide.h"
#include "text/win32/win32_text_platform.h"

namespace panes {

namespace {

void FitFontToNames(HWND list, const std::wstring& names, framework::UniqueFont& owned)
{
    auto current = reinterpret_cast<HFONT>(::SendMessageW(list, WM_GETFONT, 0, 0));
    LOGFONTW wanted{};
    if (!current || !::GetObjectW(current, sizeof(wanted), &wanted))
        return;
    const framework::WindowDC dc(list);
    if (!dc || framework::FontCoversText(dc.get(), current, names))
        return;
    framework::UniqueFont fitting = framework::CreateFontForText(dc.get(), wanted, names);
    if (!fitting || !framework::FontCoversText(dc.get(), fitting.get(), names))
        return;
    ::SendMessageW(list, WM_SETFONT, reinterpret_cast<WPARAM>(fitting.get()), TRUE);
    owned = std::move(fitting);  // the one it replaces (if ours) goes only now
}

// The list that drops down takes the control's own height: the template's leaves room for one
// entry. Tall enough for up to eight; the closed control looks the same.
void FitDropDownToEntries(HWND list)
{
    constexpr int kMostShown = 8;
    const auto count = static_cast<int>(::SendMessageW(list, CB_GETCOUNT, 0, 0));
    const auto itemHeight = static_cast<int>(::SendMessageW(list, CB_GETITEMHEIGHT, 0, 0));
    const auto fieldHeight = static_cast<int>(::SendMessageW(list, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
    if (count <= 0 || itemHeight <= 0 || fieldHeight <= 0)
        return;
    RECT rect{};
    ::GetWindowRect(list, &rect);
    const int wanted = fieldHeight + 8 + std::min(count, kMostShown) * itemHeight;
    if (wanted > rect.bottom - rect.top)
        ::SetWindowPos(list, nullptr, 0, 0, rect.right - rect.left, wanted, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

void FillLanguageList(HWND list, const std::wstring& appDir, framework::UniqueFont& font)
{
    const text::LanguageListing listing = text::ListLanguages(text::Win32TextPlatform(), text::AsU16(appDir));
    std::wstring names;
    for (const std::u16string& name : listing.names) {
        const std::wstring wide = text::AsWide(name);
        ::SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str()));
        names += wide;
    }
    FitFontToNames(list, names, font);
    FitDropDownToEntries(list);
    ::SendMessageW(list, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                   reinterpret_cast<LPARAM>(text::AsWide(listing.storedSetting).c_str()));
}

bool SelectedLanguage(HWND list, std::wstring& name)
{
    const LRESULT selected = ::SendMessageW(list, CB_GETCURSEL, 0, 0);
    if (selected == CB_ERR)
        return false;
    const LRESULT length = ::SendMessageW(list, CB_GETLBTEXTLEN, static_cast<WPARAM>(selected), 0);
    if (length == CB_ERR)
        return false;
    std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1);
    ::SendMessageW(list, CB_GETLBTEXT, static_cast<WPARAM>(selected), reinterpret_cast<LPARAM>(buffer.data()));
    name.assign(buffer.data());
    return true;
}

}  // namespace panes
