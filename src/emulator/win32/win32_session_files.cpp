#include "emulator/win32/win32_session_files.h"

#include <windows.h>

#include <algorithm>
#include <vector>

#include "emulator/win32/win32_file_error.h"
#include "text/win32/wide.h"

namespace emulator::win32 {
namespace {

using text::AsU16;
using text::AsWide;

class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : m_handle(handle) {}
    ~FileHandle() { Close(); }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

    bool Valid() const { return m_handle != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return m_handle; }
    bool Close()
    {
        if (!Valid())
            return true;
        const bool closed = CloseHandle(m_handle) != FALSE;
        m_handle = INVALID_HANDLE_VALUE;
        return closed;
    }

private:
    HANDLE m_handle;
};

bool WriteAll(HANDLE file, const void* data, std::size_t size, FileError& error)
{
    const auto* bytes = static_cast<const char*>(data);
    while (size > 0) {
        const DWORD piece = static_cast<DWORD>(std::min<std::size_t>(size, 1u << 30));
        DWORD written = 0;
        if (!WriteFile(file, bytes, piece, &written, nullptr) || written == 0) {
            error = LastFileError();
            return false;
        }
        bytes += written;
        size -= written;
    }
    return true;
}

class Win32InputFile : public InputFile {
public:
    explicit Win32InputFile(HANDLE handle) : m_file(handle) {}

    std::optional<std::size_t> Read(std::span<std::byte> buffer, FileError& error) override
    {
        DWORD read = 0;
        const DWORD wanted = static_cast<DWORD>(std::min<std::size_t>(buffer.size(), 1u << 30));
        if (!ReadFile(m_file.Get(), buffer.data(), wanted, &read, nullptr)) {
            error = LastFileError();
            return std::nullopt;
        }
        return read;
    }

private:
    FileHandle m_file;
};

class Win32ReplacementFile : public ReplacementFile {
public:
    Win32ReplacementFile(std::wstring target, std::wstring temporary, HANDLE handle)
        : m_target(std::move(target)), m_temporary(std::move(temporary)), m_file(handle)
    {
    }

    ~Win32ReplacementFile() override
    {
        if (!m_committed) {
            m_file.Close();
            DeleteFileW(m_temporary.c_str());
        }
    }

    bool Write(std::span<const std::byte> data, FileError& error) override
    {
        return WriteAll(m_file.Get(), data.data(), data.size(), error);
    }

    bool Commit(FileError& error) override
    {
        // On disk before it replaces the old content, so a power cut cannot leave the target empty.
        if (!FlushFileBuffers(m_file.Get()) || !m_file.Close()) {
            error = LastFileError();
            return false;
        }
        if (!MoveFileExW(m_temporary.c_str(), m_target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            error = LastFileError();
            return false;
        }
        m_committed = true;
        return true;
    }

private:
    std::wstring m_target;
    std::wstring m_temporary;
    FileHandle m_file;
    bool m_committed = false;
};

}  // namespace

std::wstring ReplacementPathFor(const std::wstring& target) { return target + L".kovrin-new"; }

std::unique_ptr<InputFile> Win32SessionFiles::OpenExclusive(std::u16string_view path, FileError& error)
{
    HANDLE handle = CreateFileW(AsWide(path).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        error = LastFileError();
        return nullptr;
    }
    return std::make_unique<Win32InputFile>(handle);
}

std::unique_ptr<ReplacementFile> Win32SessionFiles::CreateReplacement(std::u16string_view target, FileError& error)
{
    const std::wstring targetPath = AsWide(target);
    const std::wstring temporary = ReplacementPathFor(targetPath);
    // A stray from a write that was cut short may carry attributes that forbid overwriting it.
    SetFileAttributesW(temporary.c_str(), FILE_ATTRIBUTE_NORMAL);
    HANDLE handle = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        error = LastFileError();
        return nullptr;
    }
    return std::make_unique<Win32ReplacementFile>(targetPath, temporary, handle);
}

bool Win32SessionFiles::FileExists(std::u16string_view path)
{
    return GetFileAttributesW(AsWide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool Win32SessionFiles::DirectoryExists(std::u16string_view path)
{
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW(AsWide(path).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return false;
    FindClose(search);
    return (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

void Win32SessionFiles::MakeDirectory(std::u16string_view path) { CreateDirectoryW(AsWide(path).c_str(), nullptr); }

bool Win32SessionFiles::RemoveFile(std::u16string_view path) { return DeleteFileW(AsWide(path).c_str()) != FALSE; }

bool Win32SessionFiles::RenameFile(std::u16string_view from, std::u16string_view to, FileError& error)
{
    if (MoveFileExW(AsWide(from).c_str(), AsWide(to).c_str(), MOVEFILE_WRITE_THROUGH))
        return true;
    error = LastFileError();
    return false;
}

std::u16string Win32SessionFiles::FullPath(std::u16string_view path)
{
    const std::wstring relative = AsWide(path);
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = GetFullPathNameW(relative.c_str(), static_cast<DWORD>(buffer.size()), buffer.data(), nullptr);
        if (length == 0)
            return std::u16string(path);
        if (length < buffer.size())
            return AsU16(std::wstring_view(buffer.data(), length));
        buffer.resize(length);
    }
}

std::optional<std::string> Win32SessionFiles::ReadSmallFile(std::u16string_view path)
{
    FileHandle file(CreateFileW(AsWide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size{};
    if (!file.Valid() || !GetFileSizeEx(file.Get(), &size) || size.QuadPart > (1 << 20))
        return std::nullopt;
    std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
    DWORD read = 0;
    if (!ReadFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) || read != bytes.size())
        return std::nullopt;
    return bytes;
}

bool Win32SessionFiles::WriteHiddenFile(std::u16string_view path, std::string_view content, FileError& error)
{
    const std::wstring file = AsWide(path);
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW(file.c_str(), &found);
    const bool exists = search != INVALID_HANDLE_VALUE;
    if (exists)
        FindClose(search);
    // An existing hidden file must be opened, not recreated: creating over it is refused.
    FileHandle handle(CreateFileW(file.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                  exists ? OPEN_EXISTING : CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!handle.Valid()) {
        error = LastFileError();
        return false;
    }
    if (!WriteAll(handle.Get(), content.data(), content.size(), error))
        return false;
    if (!SetEndOfFile(handle.Get()) || !handle.Close() || !SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_HIDDEN)) {
        error = LastFileError();
        return false;
    }
    return true;
}

}  // namespace emulator::win32
