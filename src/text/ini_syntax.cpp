#include "text/ini_syntax.h"

#include "text/case_fold.h"

namespace text {
namespace {

bool IsQuote(char16_t unit) { return unit == u'"' || unit == u'\''; }

std::u16string_view UpToNul(std::u16string_view text) { return text.substr(0, text.find(u'\0')); }

// A name or value as the system's functions hold it: a C string, trimmed.
std::u16string_view FieldText(std::u16string_view text) { return TrimIniBlanks(UpToNul(text)); }

IniLine ClassifyLine(std::u16string_view text, std::size_t begin, std::size_t contentEnd, std::size_t next) {
    IniLine line;
    line.begin = begin;
    line.contentEnd = contentEnd;
    line.next = next;
    std::u16string_view content = text.substr(begin, contentEnd - begin);
    std::u16string_view trimmed = TrimIniBlanks(content);
    if (trimmed.empty()) return line;
    if (trimmed.front() == u'[') {
        std::size_t close = trimmed.rfind(u']');
        if (close != std::u16string_view::npos) {
            line.kind = IniLine::Kind::Section;
            line.name = FieldText(trimmed.substr(1, close - 1));
            return line;
        }
    }
    std::size_t equals = content.find(u'=');
    if (equals == std::u16string_view::npos) {
        line.kind = IniLine::Kind::BareKey;
        line.name = FieldText(content);
        return line;
    }
    line.kind = IniLine::Kind::Entry;
    line.name = FieldText(content.substr(0, equals));
    line.valueBegin = begin + equals + 1;
    return line;
}

// Length of the line end at `pos`: CR LF and LF CR are one, either unit alone is one too.
std::size_t LineEndLength(std::u16string_view text, std::size_t pos) {
    char16_t partner = text[pos] == u'\r' ? u'\n' : u'\r';
    return pos + 1 < text.size() && text[pos + 1] == partner ? 2 : 1;
}

}  // namespace

bool IsIniBlank(char16_t unit) {
    return unit == u' ' || unit == u'\t' || unit == u'\r' || unit == u'\v' || unit == u'\f';
}

std::u16string_view TrimIniBlanks(std::u16string_view text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && IsIniBlank(text[first])) ++first;
    while (last > first && IsIniBlank(text[last - 1])) --last;
    return text.substr(first, last - first);
}

IniLine ReadIniLine(std::u16string_view text, std::size_t begin) {
    std::size_t contentEnd = begin;
    while (contentEnd < text.size() && text[contentEnd] != u'\r' && text[contentEnd] != u'\n') ++contentEnd;
    std::size_t next = contentEnd == text.size() ? contentEnd : contentEnd + LineEndLength(text, contentEnd);
    return ClassifyLine(text, begin, contentEnd, next);
}

std::vector<IniLine> SplitIniLines(std::u16string_view text) {
    std::vector<IniLine> lines;
    for (std::size_t begin = 0; begin < text.size(); begin = lines.back().next) {
        lines.push_back(ReadIniLine(text, begin));
    }
    return lines;
}

std::optional<IniSection> FindIniSection(const std::vector<IniLine>& lines, std::u16string_view name) {
    auto bodyEnd = [&](std::size_t from) {
        while (from < lines.size() && lines[from].kind != IniLine::Kind::Section) ++from;
        return from;
    };
    std::u16string_view wanted = TrimIniBlanks(name);
    if (wanted.empty()) return IniSection{std::nullopt, 0, bodyEnd(0)};
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].kind != IniLine::Kind::Section || !NamesEqualIgnoringCase(lines[i].name, wanted)) continue;
        return IniSection{i, i + 1, bodyEnd(i + 1)};
    }
    return std::nullopt;
}

std::optional<std::size_t> FindIniEntry(const std::vector<IniLine>& lines, IniSection section,
                                        std::u16string_view key) {
    std::u16string_view wanted = TrimIniBlanks(key);
    for (std::size_t i = section.first; i < section.end; ++i) {
        bool named = lines[i].kind == IniLine::Kind::Entry || lines[i].kind == IniLine::Kind::BareKey;
        if (named && NamesEqualIgnoringCase(lines[i].name, wanted)) return i;
    }
    return std::nullopt;
}

std::u16string_view IniEntryValue(std::u16string_view text, const IniLine& line) {
    std::u16string_view value = FieldText(text.substr(line.valueBegin, line.contentEnd - line.valueBegin));
    if (value.size() >= 2 && IsQuote(value.front()) && value.front() == value.back()) {
        value = value.substr(1, value.size() - 2);
    }
    return value;
}

bool IniValueNeedsQuotes(std::u16string_view value) {
    if (value.empty()) return false;
    if (IsIniBlank(value.front()) || IsIniBlank(value.back())) return true;
    return value.size() >= 2 && IsQuote(value.front()) && value.front() == value.back();
}

}  // namespace text
