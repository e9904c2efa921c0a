#include "text/language_file_content.h"

#include "text/case_fold.h"
#include "text/ini_syntax.h"
#include "text/text_encoding.h"

namespace text {
namespace {

enum class Section { Other, Setting, String };

}  // namespace

LanguageFileContent::LanguageFileContent(std::string_view fileBytes) : m_text(DecodeFile(fileBytes)) {
    Section current = Section::Other;
    bool settingSeen = false, stringSeen = false, nameSeen = false;
    for (std::size_t begin = 0; begin < m_text.size();) {
        const IniLine line = ReadIniLine(m_text, begin);
        begin = line.next;
        if (line.kind == IniLine::Kind::Section) {
            // Only the first section of a name counts, as for the profile functions.
            current = Section::Other;
            if (!stringSeen && NamesEqualIgnoringCase(line.name, u"String")) {
                current = Section::String;
                stringSeen = true;
            } else if (!settingSeen && NamesEqualIgnoringCase(line.name, u"Setting")) {
                current = Section::Setting;
                settingSeen = true;
            }
            continue;
        }
        if (line.kind == IniLine::Kind::Blank || current == Section::Other) continue;
        std::optional<std::u16string_view> value;
        if (line.kind == IniLine::Kind::Entry) value = IniEntryValue(m_text, line);
        if (current == Section::String) {
            m_strings.try_emplace(line.name, value);  // the first line of a key hides later ones
        } else if (!nameSeen && NamesEqualIgnoringCase(line.name, u"Language")) {
            nameSeen = true;
            m_name = value.value_or(u"");
        }
    }
}

std::optional<std::u16string_view> LanguageFileContent::Text(std::u16string_view key) const {
    auto found = m_strings.find(TrimIniBlanks(key));
    return found == m_strings.end() ? std::nullopt : found->second;
}

std::size_t LanguageFileContent::FoldedHash::operator()(std::u16string_view name) const {
    std::size_t hash = 14695981039346656037ull;  // FNV-1a
    for (char16_t unit : name) hash = (hash ^ FoldCase(unit)) * 1099511628211ull;
    return hash;
}

bool LanguageFileContent::FoldedEqual::operator()(std::u16string_view a, std::u16string_view b) const {
    return NamesEqualIgnoringCase(a, b);
}

}  // namespace text
