#include "text/language_file_cache.h"

namespace text {

std::optional<FileStamp> LanguageFileCache::CurrentStamp(TextPlatform& platform, const std::u16string& path,
                                                         FileState& state) {
    // The stamp comes before the read: a change while reading then shows as a newer stamp at the
    // next call, never as an old content kept under a new stamp.
    std::optional<FileStamp> stamp = platform.StampOf(path);
    state = !stamp ? FileState::Missing : stamp->size > kMaxTextFileBytes ? FileState::TooLarge : FileState::Read;
    if (state != FileState::Read) {
        m_entries.erase(path);
        return std::nullopt;
    }
    return stamp;
}

LanguageFileRead LanguageFileCache::Load(TextPlatform& platform, const std::u16string& path, const FileStamp& stamp) {
    auto cached = m_entries.find(path);
    if (cached != m_entries.end() && cached->second.stamp == stamp && cached->second.content) {
        return {FileState::Read, cached->second.content};
    }
    std::optional<Bytes> bytes = platform.ReadWholeFile(path);
    if (!bytes) {
        // The entry keeps its old stamp, so the next call tries again.
        return {FileState::Unreadable, cached != m_entries.end() ? cached->second.content : nullptr};
    }
    auto content = std::make_shared<const LanguageFileContent>(*bytes);
    m_entries[path] = Entry{stamp, content->Name(), content};
    return {FileState::Read, std::move(content)};
}

LanguageFileRead LanguageFileCache::Read(TextPlatform& platform, const std::u16string& path) {
    FileState state;
    std::optional<FileStamp> stamp = CurrentStamp(platform, path, state);
    if (!stamp) return {state, nullptr};
    return Load(platform, path, *stamp);
}

LanguageNameRead LanguageFileCache::Name(TextPlatform& platform, const std::u16string& path) {
    FileState state;
    std::optional<FileStamp> stamp = CurrentStamp(platform, path, state);
    if (!stamp) return {state, {}};
    auto cached = m_entries.find(path);
    if (cached != m_entries.end() && cached->second.stamp == *stamp) return {FileState::Read, cached->second.name};
    LanguageFileRead read = Load(platform, path, *stamp);
    if (read.state != FileState::Read) return {read.state, {}};
    return {FileState::Read, read.content->Name()};
}

void LanguageFileCache::KeepContentOnlyOf(std::u16string_view path) {
    for (auto& [entryPath, entry] : m_entries) {
        if (entryPath != path) entry.content.reset();
    }
}

}  // namespace text
