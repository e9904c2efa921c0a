#include "emulator/session_record.h"

#include <charconv>

#include "emulator/session_paths.h"

namespace emulator {
namespace {

// UTF-16LE with a byte-order mark: any path survives, on any system. The target comes first,
// alone on its line; what follows is one "name=value" a line.
std::string Encode(std::u16string_view text)
{
    std::string bytes = "\xFF\xFE";
    for (char16_t c : text) {
        bytes.push_back(static_cast<char>(c & 0xFF));
        bytes.push_back(static_cast<char>(c >> 8));
    }
    return bytes;
}

std::optional<std::u16string> Decode(const std::string& bytes)
{
    if (bytes.size() < 4 || bytes.size() % 2 != 0 || bytes.compare(0, 2, "\xFF\xFE") != 0)
        return std::nullopt;
    std::u16string text;
    for (std::size_t i = 2; i < bytes.size(); i += 2)
        text.push_back(static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                             (static_cast<unsigned char>(bytes[i + 1]) << 8)));
    return text;
}

std::u16string Ascii(std::string_view text) { return {text.begin(), text.end()}; }

std::optional<std::uint64_t> Number(std::u16string_view digits)
{
    std::string ascii;
    for (char16_t c : digits) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        ascii.push_back(static_cast<char>(c));
    }
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (ascii.empty() || error != std::errc() || end != ascii.data() + ascii.size())
        return std::nullopt;
    return value;
}

bool SamePathIgnoringCase(std::u16string_view a, std::u16string_view b)
{
    auto fold = [](char16_t c) { return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c; };
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (fold(a[i]) != fold(b[i]))
            return false;
    return true;
}

// This program records full paths only (a drive or a network path) of the emulation file. A
// record after a crash can hold anything: a relative path, a control character that the system
// would cut the name at, or the session's own files would send the state where nobody finds it,
// or into the very file that is deleted next.
bool IsRecordedTarget(std::u16string_view path)
{
    const bool drive = path.size() > 3 && path[1] == u':' && path[2] == u'\\';
    const bool network = path.size() > 2 && path[0] == u'\\' && path[1] == u'\\';
    for (char16_t c : path)
        if (c < u' ')
            return false;
    return (drive || network) && !SamePathIgnoringCase(path, g_strTempStateFile) &&
           !SamePathIgnoringCase(path, SessionRecordPath());
}

// The lines after the target; a fingerprint only when all three of its lines read whole.
void ReadDetails(std::u16string_view lines, SessionRecord& record)
{
    std::optional<StateDigest> digest;
    std::optional<std::uint64_t> size, stamp;
    while (!lines.empty()) {
        const auto end = lines.find(u'\n');
        const std::u16string_view line = lines.substr(0, end);
        lines = end == std::u16string_view::npos ? std::u16string_view() : lines.substr(end + 1);
        const auto equals = line.find(u'=');
        const std::u16string_view name = line.substr(0, equals);
        const std::u16string_view value = equals == std::u16string_view::npos ? std::u16string_view() : line.substr(equals + 1);
        if (name == u"digest")
            digest = DigestFromHex(value);
        else if (name == u"size")
            size = Number(value);
        else if (name == u"stamp")
            stamp = Number(value);
        else if (line == u"suspect")
            record.suspect = true;
    }
    if (digest && size && stamp)
        record.saved = StateFingerprint{*digest, FileFacts{*size, *stamp, {}}};
}

}  // namespace

bool WriteSessionRecord(SessionFiles& files, const SessionRecord& record, FileError& error)
{
    std::u16string text = record.target;
    if (record.saved) {
        text += u"\ndigest=" + Ascii(DigestToHex(record.saved->digest));
        text += u"\nsize=" + Ascii(std::to_string(record.saved->facts.size));
        text += u"\nstamp=" + Ascii(std::to_string(record.saved->facts.stamp));
    }
    if (record.suspect)
        text += u"\nsuspect";
    const std::string bytes = Encode(text);
    auto file = files.CreateReplacement(SessionRecordPath(), error);
    if (!file)
        return false;
    const auto* data = reinterpret_cast<const std::byte*>(bytes.data());
    return file->Write({data, bytes.size()}, error) && file->Commit({}, error);
}

std::optional<SessionRecord> ReadSessionRecord(SessionFiles& files)
{
    auto bytes = files.ReadSmallFile(SessionRecordPath());
    auto text = bytes ? Decode(*bytes) : std::nullopt;
    if (!text)
        return std::nullopt;
    const auto lineEnd = text->find(u'\n');
    SessionRecord record;
    record.target = text->substr(0, lineEnd);
    if (!IsRecordedTarget(record.target))
        return std::nullopt;
    if (lineEnd != std::u16string::npos)
        ReadDetails(std::u16string_view(*text).substr(lineEnd + 1), record);
    return record;
}

void DeleteSessionRecord(SessionFiles& files) { files.RemoveFile(SessionRecordPath()); }

}  // namespace emulator
