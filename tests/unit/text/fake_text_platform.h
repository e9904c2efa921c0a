#pragma once
// An in-memory file system and program for the text subsystem's tests.

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "text/text_platform.h"

namespace text::testing {

class FakeTextPlatform : public TextPlatform {
public:
    std::u16string moduleFileName = u"C:\\App\\PC_Kovrin.exe";
    std::uint16_t langId = 0x0409;
    std::map<int, Bytes> resources;
    bool failWrites = false;
    bool reverseListing = false;     // list a folder's entries newest first
    std::set<std::u16string> readOnlyFolders;
    std::set<std::u16string> unreadableFiles;
    std::map<std::u16string, int> heldForReads;  // a file another program lets go of after so many reads
    std::map<std::u16string, std::uint64_t> reportedSizes;  // a size the stamp shows instead of the real one
    int replaceCount = 0;
    int readCount = 0;                            // whole-file reads of any file
    unsigned sleptMilliseconds = 0;
    std::vector<std::u16string> toldUser;         // message boxes shown

    FakeTextPlatform();  // C:\App exists; resources 130 and 324 are the built-in files

    void AddFolder(std::u16string_view path);
    void AddFile(std::u16string_view path, std::string_view content);
    void RemoveFile(std::u16string_view path);
    bool HasFile(std::u16string_view path) const;
    const Bytes& FileContent(std::u16string_view path) const;

    std::u16string ModuleFileName() override { return moduleFileName; }
    std::uint16_t SystemDefaultLangId() override { return langId; }
    std::vector<DirectoryEntry> FindFiles(std::u16string_view pattern) override;
    std::optional<Bytes> ReadWholeFile(std::u16string_view path) override;
    std::optional<FileStamp> StampOf(std::u16string_view path) override;
    std::u16string WhyUnreadable(std::u16string_view) override { return u"in use"; }
    bool PathExists(std::u16string_view path) override;
    WriteResult ReplaceFileContent(std::u16string_view path, std::string_view content) override;
    void RemoveLeftoverReplacements(std::u16string_view) override {}
    WriteResult MakeDirectory(std::u16string_view path) override;
    std::optional<Bytes> LoadOwnerData(int resourceId) override;
    void Sleep(unsigned milliseconds) override { sleptMilliseconds += milliseconds; }
    void TellUser(std::u16string_view text) override { toldUser.emplace_back(text); }

private:
    struct Node {
        std::u16string path;
        bool isDirectory;
        Bytes content;
        std::uint64_t version = 0;  // stands in for the last-write time
    };
    std::uint64_t nextVersion_ = 1;
    std::vector<Node> nodes_;  // in creation order, which is the listing order

    Node* Find(std::u16string_view path);
    const Node* Find(std::u16string_view path) const;
    bool CanCreateIn(std::u16string_view path) const;
};

// The bytes of a built-in language file from the source tree ("PC_Kovrin_CH.ini" or "PC_Kovrin_EN.ini").
Bytes BuiltinFileBytes(std::string_view fileName);

// UTF-8 spelled test text as a UTF-16 string.
std::u16string U16(std::string_view utf8);

}  // namespace text::testing
