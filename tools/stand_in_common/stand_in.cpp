#include "stand_in.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

namespace stand_in {
namespace {

std::wstring BesideProgram(const wchar_t* extension)
{
    wchar_t path[MAX_PATH * 4] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH * 4);
    std::wstring file = path;
    const auto dot = file.rfind(L'.');
    return file.substr(0, dot) + extension;
}

}  // namespace

std::wstring Utf8ToWide(const std::string& text)
{
    const int size = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), size);
    return wide;
}

std::string WideToUtf8(const std::wstring& text)
{
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), narrow.data(), size, nullptr, nullptr);
    return narrow;
}

Control::Control()
{
    std::ifstream in(std::filesystem::path(BesideProgram(L".control")), std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const auto equals = line.find('=');
        if (equals != std::string::npos)
            m_values[Utf8ToWide(line.substr(0, equals))] = Utf8ToWide(line.substr(equals + 1));
    }
}

std::wstring Control::Text(const std::wstring& key, const std::wstring& fallback) const
{
    auto it = m_values.find(key);
    return it == m_values.end() ? fallback : it->second;
}

int Control::Number(const std::wstring& key, int fallback) const
{
    auto it = m_values.find(key);
    return it == m_values.end() ? fallback : _wtoi(it->second.c_str());
}

void Log(const std::wstring& line)
{
    std::ofstream out(std::filesystem::path(BesideProgram(L".log")), std::ios::binary | std::ios::app);
    out << WideToUtf8(line) << "\r\n";
}

std::wstring Arguments()
{
    // The program name may be quoted and may contain blanks; what follows it is the rest.
    const wchar_t* p = GetCommandLineW();
    if (*p == L'"') {
        for (++p; *p && *p != L'"'; ++p) {
        }
        if (*p)
            ++p;
    } else {
        while (*p && *p != L' ' && *p != L'\t')
            ++p;
    }
    while (*p == L' ' || *p == L'\t')
        ++p;
    return p;
}

}  // namespace stand_in
