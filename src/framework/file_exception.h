#pragma once
// The error a file operation raises: which operation, on which file, and the system's reason.

#include <windows.h>

#include <exception>
#include <string>

class CFileException : public std::exception {
public:
    enum class Operation { Open, Read, Write, Close, Rename, Remove };

    CFileException() = default;
    CFileException(Operation operation, std::wstring fileName, DWORD osError);

    const char* what() const noexcept override { return "file error"; }

    Operation m_operation = Operation::Open;
    std::wstring m_strFileName;
    DWORD m_lOsError = 0;
};

// The text of the file-error message: names the file and gives the system's reason.
std::wstring FileErrorMessage(const CFileException& error);

// The system's own description of a Win32 error code, without the trailing line end.
std::wstring SystemErrorText(DWORD osError);
