#pragma once
// A disk that can stop the program after any change: the session's and the text subsystem's file
// interfaces over one in-memory disk that counts every create, write, flush, replace, rename,
// delete and new directory, and stops the program after a chosen one, either killed (all done so
// far stays) or by a power cut (what was not flushed is lost).
//
// The power cut follows what the Win32 layer's calls promise. File data reaches the disk only at a
// flush: a file keeps the content of its last flush, a new file never flushed is empty. Names
// (create, rename, replace, delete, new directory) reach the disk in the order they were made, as
// a journaling file system logs them, so a cut keeps every name change up to the step it cuts at;
// that a later cut would lose the tail is what an earlier stop point checks.
//
// It also has the failures a real disk has, for the session's own tests: files another process
// holds open, targets and folders this user may not write, a disk that fills up, a file that
// cannot be read to its end, and writers of other programs still at work.

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "emulator/session_files.h"
#include "text/text_platform.h"

namespace crash {

enum class StopKind { Kill, PowerCut };

// Thrown from the change that the program does not survive; every later change is refused too.
struct Stopped {};

// Also the emulator session's view of itself; the current directory is the program folder.
class Disk : public emulator::SessionFiles {
public:
    struct File {
        std::string bytes;
        std::string durable;  // what a power cut leaves: the content as last flushed
        bool directory = false;
        std::uint64_t version = 0;  // changes with every write: the file's stamp
        std::uint32_t written = 0;  // when, in seconds of the disk's clock
        bool hidden = false;
    };

    std::map<std::u16string, File> entries;
    std::u16string currentDirectory = u"D:\\Launcher\\";
    std::u16string localAppData = u"C:\\Users\\Lin Wei\\AppData\\Local";
    std::set<std::u16string> readOnlyFolders;  // refuse this user's new files, changes and deletions
    std::set<std::u16string> readOnlyTargets;  // cannot be replaced or created
    std::set<std::u16string> held;             // open with no sharing by another process
    std::map<std::u16string, std::size_t> diskFullAfter;  // a replacement of this target fails past so many bytes
    std::map<std::u16string, std::size_t> readErrorAfter;  // reading this file fails past so many bytes
    std::set<std::uint32_t> runningProcesses;  // other writers of replacement files, still at work
    std::size_t readPiece = 4093;              // short reads, so chunks do not line up with the key
    int replacementsCommitted = 0;
    // Every content a file held as a whole (put there, or put in place by a replacement).
    std::map<std::u16string, std::set<std::string>> wholeContents;

    void Put(const std::u16string& path, const std::string& bytes);  // on the disk for good
    void PutDirectory(const std::u16string& path);
    const std::string* Find(const std::u16string& path) const;  // a file's bytes, or null
    bool Has(const std::u16string& path) const { return entries.count(path) != 0; }
    const std::string& Bytes(const std::u16string& path) const { return entries.at(path).bytes; }

    // Stops the program after the n-th change counted from now (0: never).
    void StopAfter(int n, StopKind kind);
    int Changes() const { return m_changes; }
    // What the next start finds: after a power cut, file data that was not flushed is gone.
    void Restart();
    std::uint32_t ProcessId() const { return m_processId; }

    bool HasStopped() const { return m_stopped; }

    // The disk's steps, as the file interfaces make them. Each change is counted at Begin; End
    // stops the program when that change was the chosen one.
    void Begin();
    void End() const;
    void Create(const std::u16string& path);
    void Write(const std::u16string& path, const std::string& bytes);
    void Flush(const std::u16string& path);
    void Replace(const std::u16string& from, const std::u16string& to);
    // A second name for the same file, as a hard link is: same content, same stamp.
    void Link(const std::u16string& existing, const std::u16string& newName);
    bool Delete(const std::u16string& path);
    void DeleteQuietly(const std::u16string& path);
    std::u16string NewReplacementName(const std::u16string& target);
    void RemoveLeftovers(const std::u16string& target);
    bool ParentIsDirectory(const std::u16string& path) const;
    bool MayChange(const std::u16string& path) const;  // its folder is there and takes this user's writes

    std::unique_ptr<emulator::InputFile> OpenExclusive(std::u16string_view path, emulator::FileError& error) override;
    std::unique_ptr<emulator::ReplacementFile> CreateReplacement(std::u16string_view target,
                                                                 emulator::FileError& error) override;
    void RemoveLeftoverReplacements(std::u16string_view target) override;
    bool FileExists(std::u16string_view path) override;
    bool DirectoryExists(std::u16string_view path) override;
    void MakeDirectory(std::u16string_view path) override;
    bool RemoveFile(std::u16string_view path) override;
    bool RenameFile(std::u16string_view from, std::u16string_view to, emulator::FileError& error) override;
    bool ReplaceKeeping(std::u16string_view target, std::u16string_view replacement, std::u16string_view keepReplacedAs,
                        emulator::FileError& error) override;
    std::optional<emulator::FileFacts> Facts(std::u16string_view path) override;
    std::vector<std::u16string> FileNamesIn(std::u16string_view folder) override;
    std::u16string FullPath(std::u16string_view path) override;
    std::u16string LocalAppDataFolder() override { return localAppData; }
    std::optional<std::string> ReadSmallFile(std::u16string_view path) override;
    bool WriteHiddenFile(std::u16string_view path, std::string_view content, emulator::FileError& error) override;

    bool IsDirectory(const std::u16string& path) const;

private:

    int m_changes = 0;
    int m_stopAt = 0;
    StopKind m_kind = StopKind::Kill;
    bool m_stopped = false;
    std::uint32_t m_processId = 4100;
    std::uint64_t m_tick = 1;
    std::uint64_t m_nextVersion = 1;
    std::uint32_t m_clock = 0;
};

// The text subsystem's view of the disk and of the program that owns it.
class TextDisk : public text::TextPlatform {
public:
    TextDisk(Disk& disk, std::u16string moduleFileName) : m_disk(disk), m_module(std::move(moduleFileName)) {}

    std::vector<std::u16string> toldUser;

    std::u16string ModuleFileName() override { return m_module; }
    std::uint16_t SystemDefaultLangId() override { return 0x0409; }
    std::vector<text::DirectoryEntry> FindFiles(std::u16string_view pattern) override;
    std::optional<text::Bytes> ReadWholeFile(std::u16string_view path) override;
    std::optional<text::FileStamp> StampOf(std::u16string_view path) override;
    std::u16string WhyUnreadable(std::u16string_view) override { return {}; }
    bool PathExists(std::u16string_view path) override { return m_disk.Has(std::u16string(path)); }
    text::WriteResult ReplaceFileContent(std::u16string_view path, std::string_view content) override;
    void RemoveLeftoverReplacements(std::u16string_view path) override { m_disk.RemoveLeftovers(std::u16string(path)); }
    text::WriteResult MakeDirectory(std::u16string_view path) override;
    std::optional<text::Bytes> LoadOwnerData(int resourceId) override;
    void Sleep(unsigned) override {}
    void TellUser(std::u16string_view text) override { toldUser.emplace_back(text); }

private:
    Disk& m_disk;
    std::u16string m_module;
};

}  // namespace crash
