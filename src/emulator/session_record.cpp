#include "emulator/session_record.h"

#include <vector>

#include "emulator/session_paths.h"

namespace emulator {
namespace {

// UTF-16LE with a byte-order mark: any path survives, on any system.
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

}  // namespace

bool WriteSessionRecord(SessionFiles& files, std::u16string_view emulationFile, FileError& error)
{
    const std::string bytes = Encode(emulationFile);
    auto file = files.CreateReplacement(SessionRecordPath(), error);
    if (!file)
        return false;
    const auto* data = reinterpret_cast<const std::byte*>(bytes.data());
    return file->Write({data, bytes.size()}, error) && file->Commit(error);
}

std::optional<std::u16string> ReadSessionRecord(SessionFiles& files)
{
    auto bytes = files.ReadSmallFile(SessionRecordPath());
    auto path = bytes ? Decode(*bytes) : std::nullopt;
    if (!path || !IsRecordedTarget(*path))
        return std::nullopt;
    return path;
}

void DeleteSessionRecord(SessionFiles& files) { files.RemoveFile(SessionRecordPath()); }

}  // namespace emulator
