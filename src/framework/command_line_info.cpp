#include "framework/command_line_info.h"

#include <windows.h>
#include <shellapi.h>

#include <memory>

namespace {

struct LocalFreer {
    void operator()(wchar_t** arguments) const noexcept { ::LocalFree(arguments); }
};

}  // namespace

void CCommandLineInfo::ParseCommandLine(const wchar_t* commandLine)
{
    int count = 0;
    std::unique_ptr<wchar_t*, LocalFreer> arguments(::CommandLineToArgvW(commandLine ? commandLine : L"", &count));
    if (!arguments)
        return;
    for (int i = 1; i < count; ++i) {
        const wchar_t* argument = arguments.get()[i];
        const bool flag = argument[0] == L'/' || argument[0] == L'-';
        ParseParam(flag ? argument + 1 : argument, flag, i + 1 == count);
    }
}

void CCommandLineInfo::ParseParam(const wchar_t* param, bool flag, bool)
{
    if (flag || !*param || !m_strFileName.empty())
        return;
    m_strFileName = param;
    m_nShellCommand = FileOpen;
}
