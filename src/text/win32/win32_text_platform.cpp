#include "text/win32/win32_text_platform.h"

#include <windows.h>

#include "framework/framework_ids.h"
#include "framework/unique_handle.h"
#include "text/win32/leftover_replacements.h"
#include "text/win32/system_reason.h"
#include "text/win32/wide.h"
#include "text/win32/win32_files.h"

namespace text {
namespace {

// The longest path the system can hand out, in characters.
constexpr DWORD kMaxModulePath = 32768;

WriteResult Outcome(DWORD error) {
    return error == ERROR_SUCCESS ? WriteResult::Done() : WriteResult::Failed(win32::SystemReason(error));
}

// The caption of every message box of the program.
std::wstring ProgramTitle() {
    const wchar_t* text = nullptr;
    int length = LoadStringW(GetModuleHandleW(nullptr), IDS_APP_TITLE, reinterpret_cast<wchar_t*>(&text), 0);
    return length > 0 && text ? std::wstring(text, static_cast<std::size_t>(length)) : std::wstring(L"PC_Kovrin3.0");
}

class SystemTextPlatform final : public TextPlatform {
public:
    std::u16string ModuleFileName() override {
        // Grows past MAX_PATH: a program deep in the tree must not get a cut directory.
        std::wstring buffer(MAX_PATH, L'\0');
        while (true) {
            DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
            if (length == 0) return {};
            if (length < buffer.size()) return AsU16(std::wstring_view(buffer.data(), length));
            if (buffer.size() >= kMaxModulePath) return {};
            buffer.resize(buffer.size() * 2);
        }
    }

    std::uint16_t SystemDefaultLangId() override { return GetSystemDefaultLangID(); }

    std::vector<DirectoryEntry> FindFiles(std::u16string_view pattern) override {
        WIN32_FIND_DATAW data{};
        framework::UniqueFindHandle search =
            framework::OwnFind(FindFirstFileW(win32::ExtendedLengthPath(AsWide(pattern)).c_str(), &data));
        if (!search) return {};
        std::vector<DirectoryEntry> entries;
        do {
            entries.push_back({AsU16(data.cFileName), (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
        } while (FindNextFileW(search.get(), &data));
        return entries;
    }

    std::optional<Bytes> ReadWholeFile(std::u16string_view path) override {
        return win32::ReadFileBytes(AsWide(path));
    }

    std::optional<FileStamp> StampOf(std::u16string_view path) override {
        WIN32_FILE_ATTRIBUTE_DATA data{};
        if (!GetFileAttributesExW(win32::ExtendedLengthPath(AsWide(path)).c_str(), GetFileExInfoStandard, &data) ||
            (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
            return std::nullopt;
        }
        return FileStamp{(static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow,
                         (static_cast<std::uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) |
                             data.ftLastWriteTime.dwLowDateTime};
    }

    std::u16string WhyUnreadable(std::u16string_view path) override {
        framework::UniqueHandle file = framework::OwnFile(
            CreateFileW(win32::ExtendedLengthPath(AsWide(path)).c_str(), GENERIC_READ,
                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING, 0, nullptr));
        if (!file) return win32::SystemReason(GetLastError());
        LARGE_INTEGER size{};
        if (GetFileSizeEx(file.get(), &size) && static_cast<std::uint64_t>(size.QuadPart) > kMaxTextFileBytes) {
            return u"the file is larger than 64 MiB";
        }
        return {};
    }

    bool PathExists(std::u16string_view path) override {
        if (GetFileAttributesW(win32::ExtendedLengthPath(AsWide(path)).c_str()) != INVALID_FILE_ATTRIBUTES) {
            return true;
        }
        // Only a definite "not there" counts as missing; anything else may be a file we cannot see.
        DWORD error = GetLastError();
        return error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND;
    }

    WriteResult ReplaceFileContent(std::u16string_view path, std::string_view content) override {
        return Outcome(win32::ReplaceFileAtomically(AsWide(path), content));
    }

    void RemoveLeftoverReplacements(std::u16string_view path) override {
        win32::RemoveLeftoverReplacements(AsWide(path));
    }

    WriteResult MakeDirectory(std::u16string_view path) override {
        if (CreateDirectoryW(win32::ExtendedLengthPath(AsWide(path)).c_str(), nullptr)) return WriteResult::Done();
        return Outcome(GetLastError());
    }

    std::optional<Bytes> LoadOwnerData(int resourceId) override {
        HRSRC info = FindResourceW(nullptr, MAKEINTRESOURCEW(resourceId), L"OWNER_DATA");
        HGLOBAL loaded = info != nullptr ? LoadResource(nullptr, info) : nullptr;
        const void* data = loaded != nullptr ? LockResource(loaded) : nullptr;
        if (data == nullptr) return std::nullopt;
        return Bytes(static_cast<const char*>(data), SizeofResource(nullptr, info));
    }

    void Sleep(unsigned milliseconds) override { ::Sleep(milliseconds); }

    void TellUser(std::u16string_view text) override {
        // Owned by the thread's active window (a dialog that changed the language), if any.
        MessageBoxW(GetActiveWindow(), AsWide(text).c_str(), ProgramTitle().c_str(), MB_OK | MB_ICONWARNING);
    }
};

}  // namespace

TextPlatform& Win32TextPlatform() {
    static SystemTextPlatform platform;
    return platform;
}

}  // namespace text
