#include "fake_text_platform.h"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "text/case_fold.h"
#include "text/text_encoding.h"

namespace text::testing {
namespace {

std::u16string_view ParentOf(std::u16string_view path) {
    std::size_t slash = path.rfind(u'\\');
    return slash == std::u16string_view::npos ? std::u16string_view() : path.substr(0, slash);
}

// "*.ini" matches like the system's wildcard, which also sees the 8.3 alias: "x.inix" is
// listed because its alias ends in ".INI".
bool MatchesIniWildcard(std::u16string_view name) {
    std::size_t dot = name.rfind(u'.');
    if (dot == std::u16string_view::npos || name.size() - dot < 4) return false;
    return NamesEqualIgnoringCase(name.substr(dot + 1, 3), u"ini");
}

}  // namespace

FakeTextPlatform::FakeTextPlatform() {
    AddFolder(u"C:\\App");
    resources[130] = BuiltinFileBytes("PC_Kovrin_CH.ini");
    resources[324] = BuiltinFileBytes("PC_Kovrin_EN.ini");
}

void FakeTextPlatform::AddFolder(std::u16string_view path) { nodes_.push_back({std::u16string(path), true, {}}); }

void FakeTextPlatform::AddFile(std::u16string_view path, std::string_view content) {
    if (Node* node = Find(path)) {
        node->content = content;
        node->version = nextVersion_++;
    } else {
        nodes_.push_back({std::u16string(path), false, Bytes(content), nextVersion_++});
    }
}

void FakeTextPlatform::RemoveFile(std::u16string_view path) {
    std::erase_if(nodes_, [&](const Node& node) { return node.path == path; });
}

bool FakeTextPlatform::HasFile(std::u16string_view path) const {
    const Node* node = Find(path);
    return node != nullptr && !node->isDirectory;
}

const Bytes& FakeTextPlatform::FileContent(std::u16string_view path) const {
    const Node* node = Find(path);
    if (node == nullptr || node->isDirectory) throw std::runtime_error("no such file");
    return node->content;
}

std::vector<DirectoryEntry> FakeTextPlatform::FindFiles(std::u16string_view pattern) {
    std::u16string_view folder = ParentOf(pattern);
    if (pattern.substr(folder.size()) != u"\\*.ini") throw std::runtime_error("unexpected pattern");
    const Node* parent = Find(folder);
    if (parent == nullptr || !parent->isDirectory) return {};
    std::vector<DirectoryEntry> entries;
    for (const Node& node : nodes_) {
        if (ParentOf(node.path) != folder) continue;
        std::u16string_view name = std::u16string_view(node.path).substr(folder.size() + 1);
        if (MatchesIniWildcard(name)) entries.push_back({std::u16string(name), node.isDirectory});
    }
    if (reverseListing) std::reverse(entries.begin(), entries.end());
    entries.insert(entries.begin(), {{u".", true}, {u"..", true}});
    return entries;
}

std::optional<Bytes> FakeTextPlatform::ReadWholeFile(std::u16string_view path) {
    ++readCount;
    const Node* node = Find(path);
    if (node == nullptr || node->isDirectory || unreadableFiles.contains(std::u16string(path))) return std::nullopt;
    if (auto reported = reportedSizes.find(std::u16string(path));
        reported != reportedSizes.end() && reported->second > kMaxTextFileBytes) {
        return std::nullopt;
    }
    if (auto held = heldForReads.find(std::u16string(path)); held != heldForReads.end() && held->second > 0) {
        --held->second;
        return std::nullopt;
    }
    return node->content;
}

std::optional<FileStamp> FakeTextPlatform::StampOf(std::u16string_view path) {
    const Node* node = Find(path);
    if (node == nullptr || node->isDirectory) return std::nullopt;
    auto reported = reportedSizes.find(std::u16string(path));
    return FileStamp{reported != reportedSizes.end() ? reported->second : node->content.size(), node->version};
}

bool FakeTextPlatform::PathExists(std::u16string_view path) { return Find(path) != nullptr; }

WriteResult FakeTextPlatform::ReplaceFileContent(std::u16string_view path, std::string_view content) {
    Node* node = Find(path);
    if (failWrites || (node != nullptr && node->isDirectory) || !CanCreateIn(path)) {
        return WriteResult::Failed(u"access denied");
    }
    if (node != nullptr && heldForReads.contains(std::u16string(path)) && heldForReads[std::u16string(path)] > 0) {
        return WriteResult::Failed(u"in use");
    }
    ++replaceCount;
    AddFile(path, content);
    return WriteResult::Done();
}

WriteResult FakeTextPlatform::MakeDirectory(std::u16string_view path) {
    if (Find(path) != nullptr || !CanCreateIn(path)) return WriteResult::Failed(u"access denied");
    AddFolder(path);
    return WriteResult::Done();
}

std::optional<Bytes> FakeTextPlatform::LoadOwnerData(int resourceId) {
    auto found = resources.find(resourceId);
    if (found == resources.end()) return std::nullopt;
    return found->second;
}

FakeTextPlatform::Node* FakeTextPlatform::Find(std::u16string_view path) {
    for (Node& node : nodes_) {
        if (node.path == path) return &node;
    }
    return nullptr;
}

const FakeTextPlatform::Node* FakeTextPlatform::Find(std::u16string_view path) const {
    return const_cast<FakeTextPlatform*>(this)->Find(path);
}

bool FakeTextPlatform::CanCreateIn(std::u16string_view path) const {
    std::u16string_view parent = ParentOf(path);
    const Node* folder = Find(parent);
    return folder != nullptr && folder->isDirectory && !readOnlyFolders.contains(std::u16string(parent));
}

Bytes BuiltinFileBytes(std::string_view fileName) {
    std::ifstream in(std::string(KOVRIN_LANGUAGE_DIR) + "/" + std::string(fileName), std::ios::binary);
    if (!in) throw std::runtime_error("built-in language file missing");
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

std::u16string U16(std::string_view utf8) { return DecodeFile(Bytes("\xEF\xBB\xBF") + Bytes(utf8)); }

}  // namespace text::testing
