#include "text/ini_profile.h"

#include <vector>

#include "text/ini_syntax.h"
#include "text/text_encoding.h"
#include "text/utf.h"

namespace text {
namespace {

constexpr std::u16string_view kNewLine = u"\r\n";

std::optional<std::u16string> FindValue(std::u16string_view text, std::u16string_view section,
                                        std::u16string_view key) {
    std::vector<IniLine> lines = SplitIniLines(text);
    std::optional<IniSection> found = FindIniSection(lines, section);
    if (!found) return std::nullopt;
    std::optional<std::size_t> entry = FindIniEntry(lines, *found, key);
    if (!entry || lines[*entry].kind != IniLine::Kind::Entry) return std::nullopt;
    return std::u16string(IniEntryValue(text, lines[*entry]));
}

// A CR or LF would end the line and a NUL the string early, so no file could give them back;
// a key that begins with '[' or holds '=' would read as a header or as another key.
bool CanBeStored(std::u16string_view section, std::u16string_view key, std::u16string_view value) {
    constexpr std::u16string_view kCutters(u"\r\n\0", 3);
    auto isCut = [&](std::u16string_view s) { return s.find_first_of(kCutters) != std::u16string_view::npos; };
    if (isCut(section) || isCut(key) || isCut(value)) return false;
    std::u16string_view trimmedKey = TrimIniBlanks(key);
    return trimmedKey.empty() || (trimmedKey.front() != u'[' && trimmedKey.find(u'=') == std::u16string_view::npos);
}

// Replace text [begin, end) by `replacement`.
struct TextEdit {
    std::size_t begin;
    std::size_t end;
    std::u16string replacement;
};

std::u16string StoredValue(std::u16string_view value) {
    if (IniValueNeedsQuotes(value)) return u"\"" + std::u16string(value) + u"\"";
    return std::u16string(value);
}

std::u16string EntryLine(std::u16string_view key, std::u16string_view value) {
    return std::u16string(TrimIniBlanks(key)) + u"=" + StoredValue(value) + std::u16string(kNewLine);
}

// Inserts `lines` just after `line`, ending `line` first when it has no terminator.
TextEdit InsertAfter(const IniLine& line, std::u16string lines) {
    bool terminated = line.next > line.contentEnd;
    if (!terminated) lines.insert(0, kNewLine);
    return {line.next, line.next, std::move(lines)};
}

// After the section's last non-blank line, else after its header; the section "" with no
// lines before the first header starts the text.
TextEdit InsertIntoSection(const std::vector<IniLine>& lines, IniSection section, std::u16string entry) {
    for (std::size_t i = section.end; i > section.first; --i) {
        if (lines[i - 1].kind != IniLine::Kind::Blank) return InsertAfter(lines[i - 1], std::move(entry));
    }
    if (section.header) return InsertAfter(lines[*section.header], std::move(entry));
    return {0, 0, std::move(entry)};
}

TextEdit PlanEdit(std::u16string_view text, std::u16string_view section, std::u16string_view key,
                  std::u16string_view value) {
    std::vector<IniLine> lines = SplitIniLines(text);
    std::optional<IniSection> found = FindIniSection(lines, section);
    std::u16string entry = EntryLine(key, value);
    if (!found) {
        std::u16string added = u"[" + std::u16string(TrimIniBlanks(section)) + u"]" + std::u16string(kNewLine) + entry;
        if (lines.empty()) return {text.size(), text.size(), std::move(added)};
        return InsertAfter(lines.back(), std::move(added));
    }
    std::optional<std::size_t> existing = FindIniEntry(lines, *found, key);
    if (!existing) return InsertIntoSection(lines, *found, std::move(entry));
    const IniLine& line = lines[*existing];
    if (line.kind == IniLine::Kind::BareKey) return {line.contentEnd, line.contentEnd, u"=" + StoredValue(value)};
    return {line.valueBegin, line.contentEnd, StoredValue(value)};
}

// The bytes decode to `text` and give `value` back: one decoding serves both checks.
bool ReadsBackAs(std::string_view bytes, std::u16string_view text, std::u16string_view section,
                 std::u16string_view key, std::u16string_view value) {
    std::u16string decoded = DecodeFile(bytes);
    if (decoded != text) return false;
    std::optional<std::u16string> read = FindValue(decoded, section, key);
    return read && *read == value;
}

std::optional<Bytes> SpliceInPlace(std::string_view fileBytes, const DecodedText& decoded, const TextEdit& edit) {
    std::optional<Bytes> fragment = EncodeFragment(edit.replacement, decoded.encoding);
    if (!fragment) return std::nullopt;
    std::size_t byteBegin = decoded.offsets[edit.begin];
    std::size_t byteEnd = decoded.offsets[edit.end];
    Bytes result(fileBytes.substr(0, byteBegin));
    result += *fragment;
    result += fileBytes.substr(byteEnd);
    return result;
}

}  // namespace

std::u16string CutToBuffer(std::u16string_view value, std::size_t bufferChars) {
    if (bufferChars == 0) return {};
    std::size_t keep = bufferChars - 1;
    if (value.size() <= keep) return std::u16string(value);
    if (keep > 0 && IsHighSurrogate(value[keep - 1]) && IsLowSurrogate(value[keep])) --keep;
    return std::u16string(value.substr(0, keep));
}

std::u16string GetProfileValue(std::string_view fileBytes, std::u16string_view section, std::u16string_view key,
                               std::u16string_view defaultValue, std::size_t bufferChars) {
    std::optional<std::u16string> value = FindValue(DecodeFile(fileBytes), section, key);
    return CutToBuffer(value ? std::u16string_view(*value) : defaultValue, bufferChars);
}

std::optional<Bytes> SetProfileValue(std::string_view fileBytes, std::u16string_view section,
                                     std::u16string_view key, std::u16string_view value) {
    if (!CanBeStored(section, key, value)) return std::nullopt;
    DecodedText decoded = DecodeFileText(fileBytes);
    TextEdit edit = PlanEdit(decoded.text, section, key, value);
    std::u16string expected = decoded.text;
    expected.replace(edit.begin, edit.end - edit.begin, edit.replacement);

    // The spliced bytes must read as the intended text: new bytes can also change how the rest
    // of the file is told apart (code page 936 that now passes for UTF-8, or the reverse).
    std::optional<Bytes> spliced = SpliceInPlace(fileBytes, decoded, edit);
    if (spliced && ReadsBackAs(*spliced, expected, section, key, value)) return spliced;

    for (FileEncoding encoding : {FileEncoding::Utf8Bom, FileEncoding::Utf16Le}) {
        std::optional<Bytes> bytes = EncodeFile(expected, encoding);
        if (bytes && ReadsBackAs(*bytes, expected, section, key, value)) return bytes;
    }
    return std::nullopt;
}

}  // namespace text
