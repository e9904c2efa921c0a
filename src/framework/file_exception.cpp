#include "framework/file_exception.h"

#include <cwchar>
#include <utility>

CFileException::CFileException(Operation operation, std::wstring fileName, DWORD osError)
    : m_operation(operation), m_strFileName(std::move(fileName)), m_lOsError(osError)
{
}

std::wstring SystemErrorText(DWORD osError)
{
    wchar_t* buffer = nullptr;
    DWORD length = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        osError, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text;
    if (buffer) {
        text.assign(buffer, length);
        ::LocalFree(buffer);
    }
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' '))
        text.pop_back();
    if (text.empty()) {
        wchar_t code[32];
        std::swprintf(code, 32, L"%lu", static_cast<unsigned long>(osError));
        text = code;
    }
    return text;
}

namespace {

bool UserReadsChinese()
{
    return PRIMARYLANGID(::GetUserDefaultUILanguage()) == LANG_CHINESE;
}

const wchar_t* OperationPhrase(CFileException::Operation operation, bool chinese)
{
    using Op = CFileException::Operation;
    switch (operation) {
    case Op::Open: return chinese ? L"无法打开文件" : L"Cannot open the file";
    case Op::Read: return chinese ? L"无法读取文件" : L"Cannot read the file";
    case Op::Write: return chinese ? L"无法写入文件" : L"Cannot write the file";
    case Op::Close: return chinese ? L"无法关闭文件" : L"Cannot close the file";
    case Op::Rename: return chinese ? L"无法重命名" : L"Cannot rename";
    case Op::Remove: return chinese ? L"无法删除" : L"Cannot delete";
    }
    return chinese ? L"无法访问文件" : L"Cannot access the file";
}

}  // namespace

std::wstring FileErrorMessage(const CFileException& error)
{
    const bool chinese = UserReadsChinese();
    std::wstring text = OperationPhrase(error.m_operation, chinese);
    text += chinese ? L"“" : L" \"";
    text += error.m_strFileName;
    text += chinese ? L"”。" : L"\".";
    text += L"\n\n";
    text += SystemErrorText(error.m_lOsError);
    return text;
}
