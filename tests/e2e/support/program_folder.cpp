#include "program_folder.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "host_paths.h"

namespace e2e {

ProgramFolder::ProgramFolder(const std::wstring& name)
    : m_path(std::filesystem::path(WorkRoot()) / name)
{
    std::filesystem::remove_all(m_path);
    std::filesystem::create_directories(m_path);
    std::filesystem::copy_file(LauncherExePath(), Exe());
}

bool ProgramFolder::Exists(const std::wstring& relative) const
{
    return std::filesystem::exists(File(relative));
}

std::string ProgramFolder::Read(const std::wstring& relative) const
{
    return ReadBinaryFile(File(relative));
}

void ProgramFolder::Write(const std::wstring& relative, const std::string& bytes) const
{
    WriteBinaryFile(File(relative), bytes);
}

std::wstring CurrentTestName()
{
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::string name = std::string(info->test_suite_name()) + "_" + info->name();
    return std::wstring(name.begin(), name.end());
}

std::string BuiltinLanguageFile(const std::wstring& name)
{
    return ReadBinaryFile(std::filesystem::path(BuiltinLanguageDir()) / name);
}

std::string Utf16LeWithBom(const std::wstring& text)
{
    std::string bytes = "\xFF\xFE";
    for (wchar_t c : text) {
        bytes.push_back(static_cast<char>(c & 0xFF));
        bytes.push_back(static_cast<char>((c >> 8) & 0xFF));
    }
    return bytes;
}

std::string Cp936(const std::wstring& text)
{
    const int size = WideCharToMultiByte(936, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(936, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size, nullptr, nullptr);
    return bytes;
}

}  // namespace e2e
