// Fuzzes the INI reader and writer and the file decoding. Input layout: a flags byte, then
// section, key and value as counted runs of UTF-16 code units, then the file bytes.
//
// Invariants: nothing crashes; decoding offsets are sound; a write succeeds exactly when the
// names and value can be stored, and then reads back exactly; a write never removes a CR or LF
// of the old file, and one that kept the encoding changes the bytes of one line at most; a
// language file read once answers every lookup as the profile functions do.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>

#include "text/ini_profile.h"
#include "text/ini_syntax.h"
#include "text/language_file_content.h"
#include "text/text_encoding.h"

namespace {

using text::Bytes;

void Require(bool condition) {
    if (!condition) std::abort();
}

class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : data_(reinterpret_cast<const char*>(data), size) {}

    std::uint8_t Byte() {
        if (data_.empty()) return 0;
        auto byte = static_cast<std::uint8_t>(data_.front());
        data_.remove_prefix(1);
        return byte;
    }

    std::u16string Units(std::size_t maxUnits) {
        std::size_t count = Byte() % (maxUnits + 1);
        std::u16string units;
        for (std::size_t i = 0; i < count && data_.size() >= 2; ++i) {
            units.push_back(static_cast<char16_t>(Byte() | (Byte() << 8)));
        }
        return units;
    }

    std::string_view Rest() const { return data_; }

private:
    std::string_view data_;
};

bool Storable(std::u16string_view section, std::u16string_view key, std::u16string_view value) {
    auto unbroken = [](std::u16string_view s) {
        return std::none_of(s.begin(), s.end(), [](char16_t c) { return c == u'\r' || c == u'\n' || c == u'\0'; });
    };
    std::u16string_view trimmed = text::TrimIniBlanks(key);
    return unbroken(section) && unbroken(key) && unbroken(value) &&
           (trimmed.empty() || (trimmed.front() != u'[' && trimmed.find(u'=') == std::u16string_view::npos));
}

// The range of `before` that `after` does not share at its start or end.
template <typename String>
std::pair<std::size_t, std::size_t> ChangedRange(const String& before, const String& after) {
    std::size_t limit = std::min(before.size(), after.size());
    std::size_t prefix = 0;
    while (prefix < limit && before[prefix] == after[prefix]) ++prefix;
    std::size_t suffix = 0;
    while (suffix < limit - prefix && before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix]) ++suffix;
    return {prefix, before.size() - suffix};
}

// No CR or LF of the old text lies in the changed range: at most the inside of one line was
// replaced. `offsetOf` maps a text position to where the range is measured.
template <typename OffsetOf>
bool KeepsEveryLineBreak(const std::u16string& text, std::pair<std::size_t, std::size_t> changed, OffsetOf offsetOf) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        std::size_t at = offsetOf(i);
        if ((text[i] == u'\n' || text[i] == u'\r') && at >= changed.first && at < changed.second) return false;
    }
    return true;
}

void CheckDecoding(std::string_view file, const text::DecodedText& decoded) {
    Require(decoded.offsets.size() == decoded.text.size() + 1);
    Require(decoded.offsets.back() == file.size());
    for (std::size_t i = 1; i < decoded.offsets.size(); ++i) Require(decoded.offsets[i - 1] <= decoded.offsets[i]);
    if (decoded.lossless && decoded.encoding != text::FileEncoding::Utf16Le) {
        Require(text::EncodeFile(decoded.text, decoded.encoding) == Bytes(file));
    }
}

void CheckWrite(std::string_view file, const text::DecodedText& before, std::u16string_view section,
                std::u16string_view key, std::u16string_view value) {
    std::optional<Bytes> written = text::SetProfileValue(file, section, key, value);
    Require(written.has_value() == Storable(section, key, value));
    if (!written) return;
    Require(text::GetProfileValue(*written, section, key, u"\n", SIZE_MAX) == value);
    text::DecodedText after = text::DecodeFileText(*written);
    if (before.lossless) {
        Require(KeepsEveryLineBreak(before.text, ChangedRange(before.text, after.text),
                                    [](std::size_t i) { return i; }));
    }
    bool converted = after.encoding != before.encoding && (after.encoding == text::FileEncoding::Utf8Bom ||
                                                           after.encoding == text::FileEncoding::Utf16Le);
    if (!converted && before.encoding != text::FileEncoding::Utf16Le) {
        Require(KeepsEveryLineBreak(before.text, ChangedRange(std::string(file), *written),
                                    [&](std::size_t i) { return before.offsets[i]; }));
    }
}

void CheckLanguageFile(std::string_view file, std::u16string_view key) {
    const std::u16string_view kMissing(u"\0missing", 8);  // no value read from a file holds a NUL
    text::LanguageFileContent content(file);
    Require(content.Name() == text::GetProfileValue(file, u"Setting", u"Language", u"", SIZE_MAX));
    Require(content.Text(key).value_or(kMissing) == text::GetProfileValue(file, u"String", key, kMissing, SIZE_MAX));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Input input(data, size);
    std::uint8_t flags = input.Byte();
    std::u16string section = input.Units(8);
    std::u16string key = input.Units(8);
    std::u16string value = input.Units(32);
    std::string_view file = input.Rest();

    text::DecodedText decoded = text::DecodeFileText(file);
    CheckDecoding(file, decoded);
    CheckLanguageFile(file, key);
    std::size_t buffer = flags & 0x3F;
    Require(text::GetProfileValue(file, section, key, value, buffer).size() < std::max<std::size_t>(buffer, 1));
    CheckWrite(file, decoded, section, key, value);
    return 0;
}
