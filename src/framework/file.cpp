#include "framework/file.h"

CFile::CFile(const wchar_t* fileName, UINT openFlags)
{
    CFileException error;
    if (!Open(fileName, openFlags, &error))
        throw error;
}

bool CFile::Open(const wchar_t* fileName, UINT openFlags, CFileException* error)
{
    m_hFile.reset();
    m_strFileName = fileName ? fileName : L"";

    DWORD access = GENERIC_READ;
    switch (openFlags & kAccessBits) {
    case modeWrite: access = GENERIC_WRITE; break;
    case modeReadWrite: access = GENERIC_READ | GENERIC_WRITE; break;
    default: break;
    }

    DWORD share = FILE_SHARE_READ | FILE_SHARE_WRITE;
    switch (openFlags & kShareBits) {
    case shareExclusive: share = 0; break;
    case shareDenyWrite: share = FILE_SHARE_READ; break;
    case shareDenyRead: share = FILE_SHARE_WRITE; break;
    default: break;
    }

    DWORD disposition = OPEN_EXISTING;
    if (openFlags & modeCreate)
        disposition = (openFlags & modeNoTruncate) ? OPEN_ALWAYS : CREATE_ALWAYS;

    HANDLE handle = ::CreateFileW(m_strFileName.c_str(), access, share, nullptr, disposition,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        DWORD osError = ::GetLastError();
        if (error)
            *error = CFileException(CFileException::Operation::Open, m_strFileName, osError);
        return false;
    }
    m_hFile.reset(handle);
    return true;
}

void CFile::Close()
{
    HANDLE handle = m_hFile.release();
    if (handle && !::CloseHandle(handle))
        Throw(CFileException::Operation::Close);
}

UINT CFile::Read(void* buffer, UINT count)
{
    DWORD done = 0;
    if (!::ReadFile(m_hFile.get(), buffer, count, &done, nullptr))
        Throw(CFileException::Operation::Read);
    return done;
}

void CFile::Write(const void* buffer, UINT count)
{
    DWORD done = 0;
    if (!::WriteFile(m_hFile.get(), buffer, count, &done, nullptr))
        Throw(CFileException::Operation::Write);
    // A short write without an error means the disk is full; never let it pass as success.
    if (done != count)
        throw CFileException(CFileException::Operation::Write, m_strFileName, ERROR_DISK_FULL);
}

ULONGLONG CFile::GetLength() const
{
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(m_hFile.get(), &size))
        Throw(CFileException::Operation::Read);
    return static_cast<ULONGLONG>(size.QuadPart);
}

void CFile::Rename(const wchar_t* oldName, const wchar_t* newName)
{
    if (!::MoveFileW(oldName, newName))
        throw CFileException(CFileException::Operation::Rename, oldName, ::GetLastError());
}

void CFile::Remove(const wchar_t* fileName)
{
    if (!::DeleteFileW(fileName))
        throw CFileException(CFileException::Operation::Remove, fileName, ::GetLastError());
}

void CFile::Throw(CFileException::Operation operation) const
{
    DWORD osError = ::GetLastError();
    throw CFileException(operation, m_strFileName, osError);
}
