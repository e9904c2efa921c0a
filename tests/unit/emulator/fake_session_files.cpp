#include "fake_session_files.h"

#include <algorithm>
#include <cstring>

#include "text/replacement_name.h"

namespace emulator::testing {
namespace {

class FakeInput : public InputFile {
public:
    FakeInput(std::string bytes, std::size_t piece) : m_bytes(std::move(bytes)), m_piece(piece) {}

    std::optional<std::size_t> Read(std::span<std::byte> buffer, FileError&) override
    {
        const std::size_t n = std::min({buffer.size(), m_piece, m_bytes.size() - m_position});
        std::memcpy(buffer.data(), m_bytes.data() + m_position, n);
        m_position += n;
        return n;
    }

private:
    std::string m_bytes;
    std::size_t m_piece;
    std::size_t m_position = 0;
};

class FakeReplacement : public ReplacementFile {
public:
    FakeReplacement(FakeSessionFiles& files, std::u16string target) : m_files(files), m_target(std::move(target)) {}

    bool Write(std::span<const std::byte> data, FileError& error) override
    {
        const std::size_t after = m_content.size() + data.size();
        if (auto kill = m_files.killAfter.find(m_target); kill != m_files.killAfter.end() && after > kill->second)
            throw SimulatedKill();
        if (auto full = m_files.diskFullAfter.find(m_target); full != m_files.diskFullAfter.end() && after > full->second) {
            error = FileError{FileError::Kind::DiskFull, 112};
            return false;
        }
        m_content.append(reinterpret_cast<const char*>(data.data()), data.size());
        return true;
    }

    bool Commit(FileError& error) override
    {
        if (m_files.held.count(m_target)) {
            error = FileError{FileError::Kind::AccessDenied, 5};
            return false;
        }
        auto& entry = m_files.entries[m_target];
        entry.bytes = m_content;
        ++m_files.replacementsCommitted;
        return true;
    }

private:
    FakeSessionFiles& m_files;
    std::u16string m_target;
    std::string m_content;
};

std::u16string ParentOf(const std::u16string& path)
{
    const auto slash = path.rfind(u'\\');
    return slash == std::u16string::npos ? std::u16string() : path.substr(0, slash);
}

}  // namespace

bool FakeSessionFiles::ParentIsUsable(const std::u16string& path) const
{
    const std::u16string parent = ParentOf(path);
    if (readOnlyFolders.count(parent))
        return false;
    if (parent.size() <= 2)  // a drive root
        return true;
    auto it = entries.find(parent);
    return it != entries.end() && it->second.directory;
}

std::unique_ptr<InputFile> FakeSessionFiles::OpenExclusive(std::u16string_view path, FileError& error)
{
    const std::u16string key = FullPath(path);
    auto it = entries.find(key);
    if (it == entries.end() || it->second.directory) {
        error = FileError{FileError::Kind::NotFound, 2};
        return nullptr;
    }
    if (held.count(key)) {
        error = FileError{FileError::Kind::InUse, 32};
        return nullptr;
    }
    return std::make_unique<FakeInput>(it->second.bytes, readPiece);
}

void FakeSessionFiles::RemoveLeftoverReplacements(std::u16string_view target)
{
    const std::u16string key = FullPath(target);
    const std::u16string folder = ParentOf(key) + u"\\";
    const std::u16string name = key.substr(folder.size());
    std::erase_if(entries, [&](const auto& entry) {
        if (entry.second.directory || entry.first.compare(0, folder.size(), folder) != 0 || held.count(entry.first))
            return false;
        auto writer = text::ReplacementWriterId(std::u16string_view(entry.first).substr(folder.size()), name);
        return writer && !runningProcesses.count(*writer);
    });
}

std::unique_ptr<ReplacementFile> FakeSessionFiles::CreateReplacement(std::u16string_view target, FileError& error)
{
    RemoveLeftoverReplacements(target);
    const std::u16string key = FullPath(target);
    if (readOnlyTargets.count(key) || !ParentIsUsable(key)) {
        error = FileError{FileError::Kind::AccessDenied, 5};
        return nullptr;
    }
    return std::make_unique<FakeReplacement>(*this, key);
}

bool FakeSessionFiles::DirectoryExists(std::u16string_view path)
{
    auto it = entries.find(FullPath(path));
    return it != entries.end() && it->second.directory;
}

void FakeSessionFiles::MakeDirectory(std::u16string_view path)
{
    if (!Has(FullPath(path)))
        PutDirectory(FullPath(path));
}

bool FakeSessionFiles::RemoveFile(std::u16string_view path)
{
    const std::u16string key = FullPath(path);
    if (held.count(key))
        return false;
    return entries.erase(key) != 0;
}

bool FakeSessionFiles::RenameFile(std::u16string_view from, std::u16string_view to, FileError& error)
{
    const std::u16string source = FullPath(from), target = FullPath(to);
    if (!Has(source) || Has(target) || held.count(source)) {
        error = FileError{held.count(source) ? FileError::Kind::InUse : FileError::Kind::Other, 183};
        return false;
    }
    entries[target] = entries[source];
    entries.erase(source);
    return true;
}

std::u16string FakeSessionFiles::FullPath(std::u16string_view path)
{
    if ((path.size() > 1 && path[1] == u':') || (!path.empty() && path[0] == u'\\'))
        return std::u16string(path);
    return currentDirectory + std::u16string(path);
}

std::optional<std::string> FakeSessionFiles::ReadSmallFile(std::u16string_view path)
{
    auto it = entries.find(FullPath(path));
    if (it == entries.end() || it->second.directory)
        return std::nullopt;
    return it->second.bytes;
}

bool FakeSessionFiles::WriteHiddenFile(std::u16string_view path, std::string_view content, FileError& error)
{
    const std::u16string key = FullPath(path);
    if (!ParentIsUsable(key) || DirectoryExists(path)) {
        const bool refused = DirectoryExists(path) || readOnlyFolders.count(ParentOf(key));
        error = refused ? FileError{FileError::Kind::AccessDenied, 5} : FileError{FileError::Kind::NotFound, 3};
        return false;
    }
    auto& entry = entries[key];
    entry.bytes = std::string(content);
    entry.hidden = true;
    return true;
}

}  // namespace emulator::testing
