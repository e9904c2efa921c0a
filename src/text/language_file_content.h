#pragma once
// One language file as read once: its language name and its texts, found in one pass over the
// file and then looked up by key, with the answers that reading each value through the
// profile functions would give (first [Setting] and [String] sections, first key, any case).

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace text {

class LanguageFileContent {
public:
    explicit LanguageFileContent(std::string_view fileBytes);
    // The texts point into the decoded file: neither copied nor moved.
    LanguageFileContent(const LanguageFileContent&) = delete;
    LanguageFileContent& operator=(const LanguageFileContent&) = delete;

    // [Setting] Language, whole; empty when the file has none.
    const std::u16string& Name() const { return m_name; }
    // [String] `key`; nothing when the key is missing or its line has no '='.
    std::optional<std::u16string_view> Text(std::u16string_view key) const;

private:
    struct FoldedHash {
        std::size_t operator()(std::u16string_view name) const;
    };
    struct FoldedEqual {
        bool operator()(std::u16string_view a, std::u16string_view b) const;
    };

    std::u16string m_text;
    std::u16string m_name;
    std::unordered_map<std::u16string_view, std::optional<std::u16string_view>, FoldedHash, FoldedEqual> m_strings;
};

}  // namespace text
