#pragma once
// A file handle with one owner. Failures raise CFileException naming the file.

#include <windows.h>

#include <string>

#include "framework/file_exception.h"
#include "framework/unique_handle.h"

class CFile {
public:
    enum OpenFlags : UINT {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareExclusive = 0x0010,
        shareDenyWrite = 0x0020,
        shareDenyRead = 0x0030,
        shareDenyNone = 0x0040,
        modeCreate = 0x1000,     // create, or truncate an existing file
        modeNoTruncate = 0x2000, // with modeCreate: keep an existing file as it is
        kAccessBits = 0x0003,    // where the mode* access values lie
        kShareBits = 0x0070,     // where the share* values lie
    };

    CFile() = default;
    CFile(const wchar_t* fileName, UINT openFlags);  // throws CFileException
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;
    ~CFile() = default;  // closes without reporting; call Close() to learn about a failure

    // False (and *error filled when given) when the file cannot be opened; never throws.
    bool Open(const wchar_t* fileName, UINT openFlags, CFileException* error = nullptr);
    void Close();

    UINT Read(void* buffer, UINT count);
    void Write(const void* buffer, UINT count);
    ULONGLONG GetLength() const;

    bool IsOpen() const { return m_hFile != nullptr; }
    HANDLE GetHandle() const { return m_hFile.get(); }
    const std::wstring& GetFilePath() const { return m_strFileName; }

    static void Rename(const wchar_t* oldName, const wchar_t* newName);
    static void Remove(const wchar_t* fileName);

private:
    [[noreturn]] void Throw(CFileException::Operation operation) const;

    framework::UniqueHandle m_hFile;
    std::wstring m_strFileName;
};
