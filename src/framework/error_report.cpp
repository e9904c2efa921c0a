#include "framework/error_report.h"

#include <windows.h>

#include <string>

#include "framework/message_box.h"

namespace framework {
namespace {

thread_local bool t_reporting = false;

class ReportScope {
public:
    ReportScope() : m_nested(t_reporting) { t_reporting = true; }
    ~ReportScope() { t_reporting = m_nested; }
    ReportScope(const ReportScope&) = delete;
    ReportScope& operator=(const ReportScope&) = delete;
    bool Nested() const { return m_nested; }

private:
    bool m_nested;
};

std::wstring Widen(const char* text)
{
    if (!text || !*text)
        return {};
    UINT codePage = CP_UTF8;
    int length = ::MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, text, -1, nullptr, 0);
    if (length <= 0) {
        codePage = CP_ACP;
        length = ::MultiByteToWideChar(codePage, 0, text, -1, nullptr, 0);
    }
    if (length <= 0)
        return {};
    std::wstring wide(static_cast<size_t>(length), L'\0');
    ::MultiByteToWideChar(codePage, 0, text, -1, wide.data(), length);
    wide.resize(static_cast<size_t>(length - 1));
    return wide;
}

}  // namespace

void ReportFileError(const CFileException& error) noexcept
{
    ReportScope scope;
    std::wstring text = FileErrorMessage(error);
    if (scope.Nested()) {
        ::OutputDebugStringW(text.c_str());
        return;
    }
    AfxMessageBox(text, MB_OK | MB_ICONEXCLAMATION);
}

void ReportUnexpectedError(const char* what) noexcept
{
    ReportScope scope;
    const bool chinese = PRIMARYLANGID(::GetUserDefaultUILanguage()) == LANG_CHINESE;
    std::wstring text =
        chinese ? L"发生意外错误，操作已中止。" : L"An unexpected error stopped the operation.";
    std::wstring detail = Widen(what);
    if (!detail.empty())
        text += L"\n\n" + detail;
    if (scope.Nested()) {
        ::OutputDebugStringW(text.c_str());
        return;
    }
    AfxMessageBox(text, MB_OK | MB_ICONSTOP);
}

}  // namespace framework
