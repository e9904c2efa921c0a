#pragma once
// The session's file operations on Win32 files.

#include "emulator/session_files.h"

namespace emulator::win32 {

class Win32SessionFiles : public SessionFiles {
public:
    std::unique_ptr<InputFile> OpenExclusive(std::u16string_view path, FileError& error) override;
    std::unique_ptr<ReplacementFile> CreateReplacement(std::u16string_view target, FileError& error) override;
    void RemoveLeftoverReplacements(std::u16string_view target) override;
    bool FileExists(std::u16string_view path) override;
    bool DirectoryExists(std::u16string_view path) override;
    void MakeDirectory(std::u16string_view path) override;
    bool RemoveFile(std::u16string_view path) override;
    bool RenameFile(std::u16string_view from, std::u16string_view to, FileError& error) override;
    bool ReplaceKeeping(std::u16string_view target, std::u16string_view replacement, std::u16string_view keepReplacedAs,
                        FileError& error) override;
    std::optional<FileFacts> Facts(std::u16string_view path) override;
    std::vector<std::u16string> FileNamesIn(std::u16string_view folder) override;
    std::u16string FullPath(std::u16string_view path) override;
    std::u16string LocalAppDataFolder() override;
    std::optional<std::string> ReadSmallFile(std::u16string_view path) override;
    bool WriteHiddenFile(std::u16string_view path, std::string_view content, FileError& error) override;
};

}  // namespace emulator::win32
