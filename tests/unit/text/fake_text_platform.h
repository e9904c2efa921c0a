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
    int replaceCount = 0;
    std::vector<std::u16string> leftoversRemoved; // targets whose leftovers were asked to go

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
    bool PathExists(std::u16string_view path) override;
    bool ReplaceFileContent(std::u16string_view path, std::string_view content) override;
    void RemoveLeftoverReplacements(std::u16string_view path) override { leftoversRemoved.emplace_back(path); }
    bool MakeDirectory(std::u16string_view path) override;
    std::optional<Bytes> LoadOwnerData(int resourceId) override;

private:
    struct Node {
        std::u16string path;
        bool isDirectory;
        Bytes content;
    };
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
