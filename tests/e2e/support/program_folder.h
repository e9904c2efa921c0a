#pragma once
// A fresh program folder holding a copy of the launcher, as a user would unpack it.

#include <filesystem>
#include <string>

namespace e2e {

class ProgramFolder {
public:
    explicit ProgramFolder(const std::wstring& name);

    const std::filesystem::path& Path() const { return m_path; }
    std::filesystem::path Exe() const { return m_path / L"PC_Kovrin3.0.exe"; }
    std::filesystem::path File(const std::wstring& relative) const { return m_path / relative; }

    bool Exists(const std::wstring& relative) const;
    std::string Read(const std::wstring& relative) const;
    void Write(const std::wstring& relative, const std::string& bytes) const;

private:
    std::filesystem::path m_path;
};

// "Suite_Test" of the running test, a folder name of its own.
std::wstring CurrentTestName();

// Bytes of one built-in language file ("PC_Kovrin_CH.ini" or "PC_Kovrin_EN.ini").
std::string BuiltinLanguageFile(const std::wstring& name);

// Text helpers for the files the tests write: UTF-16LE with byte-order mark, and code page 936.
std::string Utf16LeWithBom(const std::wstring& text);
std::string Cp936(const std::wstring& text);

}  // namespace e2e
