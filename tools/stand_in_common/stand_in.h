#pragma once
// What both stand-ins share: a control file beside the program that tells them how to behave, and
// a log beside the program that tells the tests what they were asked to do.
//
// The control file is "<program name>.control", lines of key=value in UTF-8; the log is
// "<program name>.log", one UTF-8 line per event, appended.

#include <windows.h>

#include <map>
#include <string>

namespace stand_in {

class Control {
public:
    Control();  // reads the control file beside the running program
    std::wstring Text(const std::wstring& key, const std::wstring& fallback = L"") const;
    int Number(const std::wstring& key, int fallback = 0) const;

private:
    std::map<std::wstring, std::wstring> m_values;
};

void Log(const std::wstring& line);

// The command line after the program's own name, exactly as the program was given it.
std::wstring Arguments();

std::wstring Utf8ToWide(const std::string& text);
std::string WideToUtf8(const std::wstring& text);

}  // namespace stand_in
