#pragma once
// The language files as last read, each read again only when it changed on disk (its size or
// last-write time differs), so that lookups and listings do not parse a file over and over.

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "text/language_file_content.h"
#include "text/text_platform.h"

namespace text {

enum class FileState { Read, Missing, TooLarge, Unreadable };

struct LanguageFileRead {
    FileState state = FileState::Missing;
    // Read: the current content. Unreadable: the last good reading, if there was one, so that a
    // file held for a moment by another program right after a change keeps its texts.
    std::shared_ptr<const LanguageFileContent> content;
};

struct LanguageNameRead {
    FileState state = FileState::Missing;
    std::u16string name;  // empty unless Read
};

class LanguageFileCache {
public:
    LanguageFileRead Read(TextPlatform& platform, const std::u16string& path);
    // Also answered from a file whose content has been dropped, while it is unchanged.
    LanguageNameRead Name(TextPlatform& platform, const std::u16string& path);
    // Keeps the texts of one file only (the others keep their names), so that memory holds one
    // language's texts however many large files the folder has.
    void KeepContentOnlyOf(std::u16string_view path);
    void Clear() { m_entries.clear(); }

private:
    struct Entry {
        FileStamp stamp;
        std::u16string name;
        std::shared_ptr<const LanguageFileContent> content;  // null once dropped
    };

    LanguageFileRead Load(TextPlatform& platform, const std::u16string& path, const FileStamp& stamp);
    // Nothing when the file is gone or too large, which also forgets it.
    std::optional<FileStamp> CurrentStamp(TextPlatform& platform, const std::u16string& path, FileState& state);

    std::map<std::u16string, Entry, std::less<>> m_entries;
};

}  // namespace text
