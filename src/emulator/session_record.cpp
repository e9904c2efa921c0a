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
    return bytes ? Decode(*bytes) : std::nullopt;
}

void DeleteSessionRecord(SessionFiles& files) { files.RemoveFile(SessionRecordPath()); }

}  // namespace emulator
