#include "emulator/win32/win32_session_files.h"

#include <windows.h>
#include <knownfolders.h>
#include <shlobj.h>

#include <algorithm>
#include <vector>

#include "emulator/win32/win32_file_error.h"
#include "framework/unique_handle.h"
#include "text/win32/leftover_replacements.h"
#include "text/win32/wide.h"
#include "text/win32/win32_files.h"

namespace emulator::win32 {
namespace {

using text::AsU16;
using text::AsWide;

using framework::OwnFile;
using framework::OwnFind;
using framework::UniqueHandle;

// Whether a search finds path, and what it found.
bool FindEntry(const std::wstring& path, WIN32_FIND_DATAW& found)
{
    return OwnFind(FindFirstFileW(path.c_str(), &found)) != nullptr;
}

class Win32InputFile : public InputFile {
public:
    explicit Win32InputFile(UniqueHandle file) : m_file(std::move(file)) {}

    std::optional<std::size_t> Read(std::span<std::byte> buffer, FileError& error) override
    {
        DWORD read = 0;
        const DWORD wanted = static_cast<DWORD>(std::min<std::size_t>(buffer.size(), 1u << 30));
        if (!ReadFile(m_file.get(), buffer.data(), wanted, &read, nullptr)) {
            error = LastFileError();
            return std::nullopt;
        }
        return read;
    }

private:
    UniqueHandle m_file;
};

class Win32ReplacementFile : public ReplacementFile {
public:
    explicit Win32ReplacementFile(std::wstring_view target) : m_writer(target) {}
    bool Ready() const { return m_writer.Ready(); }
    DWORD Error() const { return m_writer.Error(); }

    bool Write(std::span<const std::byte> data, FileError& error) override
    {
        return m_writer.Write(data.data(), data.size()) || Failed(error);
    }
    bool Commit(std::u16string_view keepReplacedAs, FileError& error) override
    {
        return m_writer.Commit(AsWide(keepReplacedAs)) || Failed(error);
    }

private:
    bool Failed(FileError& error) const
    {
        error = ToFileError(m_writer.Error());
        return false;
    }

    text::win32::ReplacementWriter m_writer;
};

}  // namespace

std::unique_ptr<InputFile> Win32SessionFiles::OpenExclusive(std::u16string_view path, FileError& error)
{
    UniqueHandle file = OwnFile(CreateFileW(text::win32::ExtendedLengthPath(AsWide(path)).c_str(), GENERIC_READ, 0, nullptr,
                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file) {
        error = LastFileError();
        return nullptr;
    }
    return std::make_unique<Win32InputFile>(std::move(file));
}

std::unique_ptr<ReplacementFile> Win32SessionFiles::CreateReplacement(std::u16string_view target, FileError& error)
{
    auto replacement = std::make_unique<Win32ReplacementFile>(AsWide(target));
    if (replacement->Ready())
        return replacement;
    error = ToFileError(replacement->Error());
    return nullptr;
}

void Win32SessionFiles::RemoveLeftoverReplacements(std::u16string_view target)
{
    text::win32::RemoveLeftoverReplacements(AsWide(target));
}

bool Win32SessionFiles::FileExists(std::u16string_view path)
{
    return GetFileAttributesW(AsWide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool Win32SessionFiles::DirectoryExists(std::u16string_view path)
{
    WIN32_FIND_DATAW found{};
    return FindEntry(AsWide(path), found) && (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
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

bool Win32SessionFiles::ReplaceKeeping(std::u16string_view target, std::u16string_view replacement,
                                       std::u16string_view keepReplacedAs, FileError& error)
{
    const DWORD moved = text::win32::MoveIntoPlace(AsWide(replacement), AsWide(target), AsWide(keepReplacedAs),
                                                   text::win32::KeepReplaced::OrFail);
    if (moved == ERROR_SUCCESS)
        return true;
    error = ToFileError(moved);
    return false;
}

std::optional<FileFacts> Win32SessionFiles::Facts(std::u16string_view path)
{
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(text::win32::ExtendedLengthPath(AsWide(path)).c_str(), GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return std::nullopt;
    }
    FileFacts facts;
    facts.size = (std::uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
    facts.stamp = (std::uint64_t{data.ftLastWriteTime.dwHighDateTime} << 32) | data.ftLastWriteTime.dwLowDateTime;
    SYSTEMTIME universal{}, local{};
    if (FileTimeToSystemTime(&data.ftLastWriteTime, &universal) &&
        SystemTimeToTzSpecificLocalTime(nullptr, &universal, &local)) {
        facts.lastWrite = LocalTime{local.wYear, local.wMonth, local.wDay, local.wHour, local.wMinute, local.wSecond};
    }
    return facts;
}

std::vector<std::u16string> Win32SessionFiles::FileNamesIn(std::u16string_view folder)
{
    std::vector<std::u16string> names;
    WIN32_FIND_DATAW found{};
    const std::wstring pattern = text::win32::ExtendedLengthPath(AsWide(folder) + L"\\*");
    const auto search = OwnFind(FindFirstFileW(pattern.c_str(), &found));
    if (!search)
        return names;
    do {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
            names.push_back(AsU16(found.cFileName));
    } while (FindNextFileW(search.get(), &found));
    return names;
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

std::u16string Win32SessionFiles::LocalAppDataFolder()
{
    PWSTR folder = nullptr;
    const HRESULT found = SHGetKnownFolderPath(FOLDERID_LocalAppData, KF_FLAG_DONT_VERIFY, nullptr, &folder);
    std::u16string path = SUCCEEDED(found) && folder ? AsU16(folder) : std::u16string();
    CoTaskMemFree(folder);
    return path;
}

std::optional<std::string> Win32SessionFiles::ReadSmallFile(std::u16string_view path)
{
    return text::win32::ReadFileBytes(AsWide(path));
}

bool Win32SessionFiles::WriteHiddenFile(std::u16string_view path, std::string_view content, FileError& error)
{
    const std::wstring file = AsWide(path);
    WIN32_FIND_DATAW found{};
    const bool exists = FindEntry(file, found);
    // An existing hidden file must be opened, not recreated: creating over it is refused.
    UniqueHandle handle = OwnFile(CreateFileW(file.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                          exists ? OPEN_EXISTING : CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    const bool ok = handle && WriteFile(handle.get(), content.data(), static_cast<DWORD>(content.size()), &written, nullptr) &&
                    written == content.size() && SetEndOfFile(handle.get()) && CloseHandle(handle.release()) &&
                    SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_HIDDEN);
    if (!ok)
        error = LastFileError();
    return ok;
}

}  // namespace emulator::win32
