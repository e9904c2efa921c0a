#include "text/win32/system_reason.h"

namespace text::win32 {

std::u16string SystemReason(DWORD error)
{
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0,
        reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::u16string text(reinterpret_cast<const char16_t*>(buffer), buffer ? length : 0);
    LocalFree(buffer);
    while (!text.empty() && (text.back() == u'\n' || text.back() == u'\r' || text.back() == u' '))
        text.pop_back();
    if (text.empty()) {
        const std::wstring code = L"error " + std::to_wstring(error);
        text.assign(code.begin(), code.end());
    }
    return text;
}

}  // namespace text::win32
