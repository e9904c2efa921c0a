#pragma once
// A file type registered on the system, as an installed program registers the files it opens,
// for the life of the object.

#include <windows.h>

#include <string>

namespace e2e {

class FileTypeRegistration {
public:
    // extension with its dot; command as the shell runs it, with "%1" for the file.
    FileTypeRegistration(std::wstring extension, std::wstring progId, const std::wstring& command)
        : m_extension(std::move(extension)), m_progId(std::move(progId))
    {
        m_registered = Set(m_extension, m_progId) && Set(m_progId + L"\\shell\\open\\command", command);
    }
    ~FileTypeRegistration()
    {
        RegDeleteTreeW(HKEY_CLASSES_ROOT, m_progId.c_str());
        RegDeleteTreeW(HKEY_CLASSES_ROOT, m_extension.c_str());
    }
    FileTypeRegistration(const FileTypeRegistration&) = delete;
    FileTypeRegistration& operator=(const FileTypeRegistration&) = delete;

    bool Registered() const { return m_registered; }

private:
    static bool Set(const std::wstring& key, const std::wstring& value)
    {
        return RegSetKeyValueW(HKEY_CLASSES_ROOT, key.c_str(), nullptr, REG_SZ, value.c_str(),
                               static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
    }

    std::wstring m_extension, m_progId;
    bool m_registered = false;
};

}  // namespace e2e
