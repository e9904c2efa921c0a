#include "text/win32/win32_text_platform.h"

#include <windows.h>

#include "framework/unique_handle.h"
#include "text/win32/leftover_replacements.h"
#include "text/win32/wide.h"
#include "text/win32/win32_files.h"

namespace text {
namespace {

// The longest path the system can hand out, in characters.
constexpr DWORD kMaxModulePath = 32768;

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

    bool PathExists(std::u16string_view path) override {
        if (GetFileAttributesW(win32::ExtendedLengthPath(AsWide(path)).c_str()) != INVALID_FILE_ATTRIBUTES) {
            return true;
        }
        // Only a definite "not there" counts as missing; anything else may be a file we cannot see.
        DWORD error = GetLastError();
        return error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND;
    }

    bool ReplaceFileContent(std::u16string_view path, std::string_view content) override {
        return win32::ReplaceFileAtomically(AsWide(path), content) == ERROR_SUCCESS;
    }

    void RemoveLeftoverReplacements(std::u16string_view path) override {
        win32::RemoveLeftoverReplacements(AsWide(path));
    }

    bool MakeDirectory(std::u16string_view path) override {
        return CreateDirectoryW(win32::ExtendedLengthPath(AsWide(path)).c_str(), nullptr) != 0;
    }

    std::optional<Bytes> LoadOwnerData(int resourceId) override {
        HRSRC info = FindResourceW(nullptr, MAKEINTRESOURCEW(resourceId), L"OWNER_DATA");
        HGLOBAL loaded = info != nullptr ? LoadResource(nullptr, info) : nullptr;
        const void* data = loaded != nullptr ? LockResource(loaded) : nullptr;
        if (data == nullptr) return std::nullopt;
        return Bytes(static_cast<const char*>(data), SizeofResource(nullptr, info));
    }
};

}  // namespace

TextPlatform& Win32TextPlatform() {
    static SystemTextPlatform platform;
    return platform;
}

}  // namespace text
