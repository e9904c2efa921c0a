#pragma once
// An in-memory file system with the failures a real one has: files held open by other processes,
// full disks, read-only places, and a process killed in the middle of a write.

#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <stdexcept>
#include <string>

#include "emulator/session_files.h"

namespace emulator::testing {

// Thrown from a write to simulate the process being killed at that moment.
struct SimulatedKill : std::runtime_error {
    SimulatedKill() : std::runtime_error("killed") {}
};

class FakeSessionFiles : public SessionFiles {
public:
    struct Entry {
        std::string bytes;
        bool directory = false;
        bool hidden = false;
    };

    std::map<std::u16string, Entry> entries;
    std::set<std::u16string> held;             // open with no sharing by another process
    std::set<std::u16string> readOnlyTargets;  // cannot be replaced or created
    std::set<std::u16string> readOnlyFolders;  // nothing can be created in them
    std::map<std::u16string, std::size_t> diskFullAfter;  // a replacement of this target fails past so many bytes
    std::map<std::u16string, std::size_t> killAfter;      // the process dies past so many bytes into this target
    std::size_t readPiece = 4093;              // short reads, so chunks do not line up with the key
    std::u16string currentDirectory = u"D:\\Launcher\\";
    std::u16string localAppData = u"C:\\Users\\Lin Wei\\AppData\\Local";
    std::set<std::uint32_t> runningProcesses;  // writers of replacement files that are still at work
    int replacementsCommitted = 0;

    void Put(const std::u16string& path, std::string bytes) { entries[path] = Entry{std::move(bytes)}; }
    void PutDirectory(const std::u16string& path) { entries[path] = Entry{{}, true}; }
    bool Has(const std::u16string& path) const { return entries.count(path) != 0; }
    const std::string& Bytes(const std::u16string& path) const { return entries.at(path).bytes; }

    std::unique_ptr<InputFile> OpenExclusive(std::u16string_view path, FileError& error) override;
    std::unique_ptr<ReplacementFile> CreateReplacement(std::u16string_view target, FileError& error) override;
    void RemoveLeftoverReplacements(std::u16string_view target) override;
    bool FileExists(std::u16string_view path) override { return Has(FullPath(path)); }
    bool DirectoryExists(std::u16string_view path) override;
    void MakeDirectory(std::u16string_view path) override;
    bool RemoveFile(std::u16string_view path) override;
    bool RenameFile(std::u16string_view from, std::u16string_view to, FileError& error) override;
    std::u16string FullPath(std::u16string_view path) override;
    std::u16string LocalAppDataFolder() override { return localAppData; }
    std::optional<std::string> ReadSmallFile(std::u16string_view path) override;
    bool WriteHiddenFile(std::u16string_view path, std::string_view content, FileError& error) override;

private:
    bool ParentIsUsable(const std::u16string& path) const;
};

}  // namespace emulator::testing
