#include "text/win32/win32_files.h"

#include <windows.h>

#include <algorithm>

#include "text/replacement_name.h"
#include "text/text_platform.h"
#include "text/win32/leftover_replacements.h"
#include "text/win32/wide.h"

namespace text::win32 {
namespace {

using framework::OwnFile;
using framework::UniqueHandle;

constexpr DWORD kMaxChunk = 1u << 20;
constexpr int kTempNameAttempts = 16;

std::wstring TempNameFor(std::wstring_view target, int attempt) {
    return AsWide(ReplacementFileName(AsU16(target), GetCurrentProcessId(), GetTickCount64(), attempt));
}

}  // namespace

std::wstring ExtendedLengthPath(std::wstring_view path) {
    std::wstring full(path);
    if (full.size() < MAX_PATH || full.starts_with(L"\\\\?\\")) return full;
    if (full.starts_with(L"\\\\")) return L"\\\\?\\UNC\\" + full.substr(2);
    if (full.size() >= 3 && full[1] == L':' && full[2] == L'\\') return L"\\\\?\\" + full;
    return full;  // relative: the prefix would not apply
}

std::optional<std::string> ReadFileBytes(std::wstring_view path) {
    UniqueHandle file = OwnFile(CreateFileW(ExtendedLengthPath(path).c_str(), GENERIC_READ,
                                          FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                          OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size{};
    if (!file || !GetFileSizeEx(file.get(), &size)) return std::nullopt;
    if (static_cast<std::uint64_t>(size.QuadPart) > kMaxTextFileBytes) return std::nullopt;
    std::string content(static_cast<std::size_t>(size.QuadPart), '\0');
    std::size_t filled = 0;
    while (filled < content.size()) {
        DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(content.size() - filled, kMaxChunk));
        DWORD read = 0;
        if (!ReadFile(file.get(), content.data() + filled, chunk, &read, nullptr)) return std::nullopt;
        if (read == 0) break;  // the file shrank while we read it
        filled += read;
    }
    content.resize(filled);
    return content;
}

ReplacementWriter::ReplacementWriter(std::wstring_view target) : m_target(ExtendedLengthPath(target))
{
    // What a killed earlier write left could fill the disk this write needs.
    RemoveLeftoverReplacements(target);
    // Never opens a file that exists: a name taken by another writer is skipped.
    for (int attempt = 0; attempt < kTempNameAttempts; ++attempt) {
        m_temporary = ExtendedLengthPath(TempNameFor(target, attempt));
        m_file = OwnFile(CreateFileW(m_temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                     FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
        if (m_file) {
            m_created = true;
            return;
        }
        m_error = GetLastError();
        if (m_error != ERROR_FILE_EXISTS)
            return;
    }
}

ReplacementWriter::~ReplacementWriter()
{
    m_file.reset();  // closed before the file can be removed
    if (m_created && !m_committed)
        DeleteFileW(m_temporary.c_str());
}

bool ReplacementWriter::Fail()
{
    m_error = GetLastError();
    if (m_error == 0)
        m_error = ERROR_GEN_FAILURE;
    return false;
}

bool ReplacementWriter::Write(const void* data, std::size_t size)
{
    const char* bytes = static_cast<const char*>(data);
    while (size > 0) {
        const DWORD chunk = size < kMaxChunk ? static_cast<DWORD>(size) : kMaxChunk;
        DWORD written = 0;
        if (!WriteFile(m_file.get(), bytes, chunk, &written, nullptr))
            return Fail();
        if (written == 0) {
            SetLastError(ERROR_DISK_FULL);
            return Fail();
        }
        bytes += written;
        size -= written;
    }
    return true;
}

bool ReplacementWriter::Commit(std::wstring_view keepReplacedAs)
{
    if (!m_file)
        return false;
    const bool flushed = FlushFileBuffers(m_file.get()) != 0;
    if (!flushed)
        Fail();
    // Closed here, not by the owner: a failing close may mean the data never reached the disk.
    const bool closed = CloseHandle(m_file.release()) != 0;
    if (!closed && flushed)
        Fail();
    if (!flushed || !closed)
        return false;
    const DWORD moved = MoveIntoPlace(m_temporary, m_target, keepReplacedAs, KeepReplaced::OrReplaceAnyway);
    if (moved != ERROR_SUCCESS) {
        SetLastError(moved);
        return Fail();
    }
    m_committed = true;
    return true;
}

DWORD MoveIntoPlace(std::wstring_view replacement, std::wstring_view target, std::wstring_view keepReplacedAs,
                    KeepReplaced ifNotKept)
{
    const std::wstring from = ExtendedLengthPath(replacement), to = ExtendedLengthPath(target);
    if (!keepReplacedAs.empty() && GetFileAttributesW(to.c_str()) != INVALID_FILE_ATTRIBUTES) {
        const std::wstring keepAs = ExtendedLengthPath(keepReplacedAs);
        // A second name for the file it replaces, then the replace: the target is never missing,
        // and the replaced content stays under the new name without being copied.
        if (CreateHardLinkW(keepAs.c_str(), to.c_str(), nullptr)) {
            if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
                return ERROR_SUCCESS;
            const DWORD error = GetLastError();
            DeleteFileW(keepAs.c_str());  // nothing is kept of a replace that did not happen
            return error;
        }
        // A file system without hard links (FAT): the system's replace renames the old file aside.
        if (ReplaceFileW(to.c_str(), from.c_str(), keepAs.c_str(),
                         REPLACEFILE_IGNORE_MERGE_ERRORS | REPLACEFILE_IGNORE_ACL_ERRORS, nullptr, nullptr))
            return ERROR_SUCCESS;
        const DWORD error = GetLastError();
        if (error == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2) {
            // The old file is already kept; the new one did not follow it into its place.
            if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH))
                return ERROR_SUCCESS;
            const DWORD moveError = GetLastError();
            MoveFileExW(keepAs.c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH);  // the old content back in its place
            return moveError;
        }
        if (ifNotKept == KeepReplaced::OrFail)
            return error;
    }
    if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return ERROR_SUCCESS;
    return GetLastError();
}

DWORD ReplaceFileAtomically(std::wstring_view path, std::string_view content)
{
    ReplacementWriter writer(path);
    if (writer.Ready() && writer.Write(content.data(), content.size()) && writer.Commit())
        return ERROR_SUCCESS;
    return writer.Error() != ERROR_SUCCESS ? writer.Error() : ERROR_GEN_FAILURE;
}

}  // namespace text::win32
