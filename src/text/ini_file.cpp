#include "text/ini_file.h"

#include <optional>

#include "text/ini_profile.h"

namespace text {

std::u16string ReadIniString(TextPlatform& platform, std::u16string_view path, std::u16string_view section,
                                 std::u16string_view key, std::u16string_view defaultValue,
                                 std::size_t bufferChars) {
    std::optional<Bytes> content = platform.ReadWholeFile(path);
    return GetProfileValue(content ? std::string_view(*content) : std::string_view(), section, key, defaultValue,
                           bufferChars);
}

WriteResult WriteIniString(TextPlatform& platform, std::u16string_view path, std::u16string_view section,
                           std::u16string_view key, std::u16string_view value) {
    std::optional<Bytes> content = platform.ReadWholeFile(path);
    // A file that exists but cannot be read must not be replaced by one holding only this value.
    if (!content && platform.PathExists(path)) {
        std::u16string reason = platform.WhyUnreadable(path);
        return WriteResult::Failed(reason.empty() ? u"the file could not be read" : reason);
    }
    std::optional<Bytes> updated =
        SetProfileValue(content ? std::string_view(*content) : std::string_view(), section, key, value);
    if (!updated) return WriteResult::Failed(u"no line of a file can hold that text");
    // As the system's profile functions do, a value that is already there leaves the file alone:
    // no write, no flush to disk, and the file's time stays as it was.
    if (content && *updated == *content) return WriteResult::Done();
    return platform.ReplaceFileContent(path, *updated);
}

}  // namespace text
