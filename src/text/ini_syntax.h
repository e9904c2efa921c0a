#pragma once
// The line structure of an INI text as the system's profile functions see it.
//
// A line ends at CR LF, LF CR, a lone LF or a lone CR, in any mixture: files edited on other
// systems keep their lines apart. A line whose first non-blank is '[' and that holds a ']' heads
// a section named by the text up to its last ']', trimmed. Any other line that is not blank
// names a key: the trimmed text before the first '=', the value being the rest; a line without
// '=' is a key without a value (it still hides later lines of the same key). A NUL ends the
// name or value it is in, as it ends the strings the system's functions pass around.
//
// The lines before the first header form the section named "", which a header "[]" neither
// continues nor names. Splitting and every search are one pass over the text.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace text {

bool IsIniBlank(char16_t unit);
std::u16string_view TrimIniBlanks(std::u16string_view text);

struct IniLine {
    enum class Kind { Blank, Section, Entry, BareKey };  // BareKey: a key without '='
    Kind kind = Kind::Blank;
    std::size_t begin = 0;       // first code unit of the line
    std::size_t contentEnd = 0;  // end of the line without its terminator
    std::size_t next = 0;        // start of the following line
    std::u16string_view name;    // section name or key, trimmed
    std::size_t valueBegin = 0;  // entries: just after the '='; the value runs to contentEnd
};

std::vector<IniLine> SplitIniLines(std::u16string_view text);
// The line that starts at `begin`, which must lie inside the text: one step of SplitIniLines,
// for readers of large files that need not hold every line at once.
IniLine ReadIniLine(std::u16string_view text, std::size_t begin);

// The body lines [first, end) of a section, after its header; the section "" has none.
struct IniSection {
    std::optional<std::size_t> header;
    std::size_t first;
    std::size_t end;
};

// The first section with that name (names compared ignoring case); the name "" always finds
// the lines before the first header, possibly none.
std::optional<IniSection> FindIniSection(const std::vector<IniLine>& lines, std::u16string_view name);

// Index of the first entry or bare key with that key inside the section.
std::optional<std::size_t> FindIniEntry(const std::vector<IniLine>& lines, IniSection section,
                                        std::u16string_view key);

// The value of an entry as the reader returns it: up to a NUL, trimmed, then stripped of one
// pair of matching quotes.
std::u16string_view IniEntryValue(std::u16string_view text, const IniLine& line);

// True when a value written as it stands would not read back the same.
bool IniValueNeedsQuotes(std::u16string_view value);

}  // namespace text
