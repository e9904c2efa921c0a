#include "text/win32/win32_files.h"

#include <windows.h>

#include <algorithm>
#include <memory>

namespace text::win32 {
namespace {

struct HandleCloser {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using FileHandle = std::unique_ptr<void, HandleCloser>;

FileHandle OwnFile(HANDLE handle) { return FileHandle(handle == INVALID_HANDLE_VALUE ? nullptr : handle); }

// Larger files are no text files of ours; refusing them keeps a stray file from exhausting memory.
constexpr LONGLONG kMaxFileBytes = 64LL * 1024 * 1024;
constexpr DWORD kMaxChunk = 1u << 20;
constexpr int kTempNameAttempts = 16;

bool WriteAll(HANDLE file, std::string_view content) {
    while (!content.empty()) {
        DWORD chunk = content.size() < kMaxChunk ? static_cast<DWORD>(content.size()) : kMaxChunk;
        DWORD written = 0;
        if (!WriteFile(file, content.data(), chunk, &written, nullptr) || written == 0) return false;
        content.remove_prefix(written);
    }
    return true;
}

std::wstring TempNameFor(std::wstring_view target, int attempt) {
    return std::wstring(target) + L"." + std::to_wstring(GetCurrentProcessId()) + L"-" +
           std::to_wstring(GetTickCount64()) + L"-" + std::to_wstring(attempt) + L".tmp";
}

// Creates a new temporary file beside the target; never opens one that exists.
FileHandle CreateTempBeside(std::wstring_view target, std::wstring& tempPath) {
    for (int attempt = 0; attempt < kTempNameAttempts; ++attempt) {
        tempPath = TempNameFor(target, attempt);
        FileHandle file = OwnFile(CreateFileW(ExtendedLengthPath(tempPath).c_str(), GENERIC_WRITE, 0, nullptr,
                                              CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file || GetLastError() != ERROR_FILE_EXISTS) return file;
    }
    return nullptr;
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
    FileHandle file = OwnFile(CreateFileW(ExtendedLengthPath(path).c_str(), GENERIC_READ,
                                          FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                          OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size{};
    if (!file || !GetFileSizeEx(file.get(), &size) || size.QuadPart > kMaxFileBytes) return std::nullopt;
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

bool ReplaceFileAtomically(std::wstring_view path, std::string_view content) {
    std::wstring tempPath;
    FileHandle temp = CreateTempBeside(path, tempPath);
    if (!temp) return false;
    bool written = WriteAll(temp.get(), content) && FlushFileBuffers(temp.get());
    bool closed = CloseHandle(temp.release()) != 0;
    std::wstring extendedTemp = ExtendedLengthPath(tempPath);
    if (written && closed &&
        MoveFileExW(extendedTemp.c_str(), ExtendedLengthPath(path).c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return true;
    }
    DeleteFileW(extendedTemp.c_str());
    return false;
}

}  // namespace text::win32
