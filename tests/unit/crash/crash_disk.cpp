#include "crash_disk.h"

#include <algorithm>
#include <cstring>

#include "fake_text_platform.h"
#include "text/replacement_name.h"

namespace crash {
namespace {

using emulator::FileError;

std::u16string ParentOf(std::u16string_view path)
{
    const auto slash = path.rfind(u'\\');
    return std::u16string(slash == std::u16string_view::npos ? std::u16string_view() : path.substr(0, slash));
}

class DiskInput : public emulator::InputFile {
public:
    DiskInput(std::string bytes, std::size_t piece, std::size_t readable)
        : m_bytes(std::move(bytes)), m_piece(piece), m_readable(readable)
    {
    }
    std::optional<std::size_t> Read(std::span<std::byte> buffer, FileError& error) override
    {
        if (m_position >= m_readable && m_position < m_bytes.size()) {
            error = FileError{FileError::Kind::Other, 23};  // a data error, as a bad sector gives
            return std::nullopt;
        }
        const std::size_t n = std::min({buffer.size(), m_piece, m_bytes.size() - m_position, m_readable - m_position});
        std::memcpy(buffer.data(), m_bytes.data() + m_position, n);
        m_position += n;
        return n;
    }

private:
    std::string m_bytes;
    std::size_t m_piece;
    std::size_t m_readable;
    std::size_t m_position = 0;
};

// As the Win32 writer does it: a new file beside the target, written, flushed, then moved over it.
class DiskReplacement : public emulator::ReplacementFile {
public:
    DiskReplacement(Disk& disk, std::u16string target) : m_disk(disk), m_target(std::move(target))
    {
        m_disk.RemoveLeftovers(m_target);
        m_temporary = m_disk.NewReplacementName(m_target);
        m_disk.Create(m_temporary);
    }
    ~DiskReplacement() override
    {
        if (!m_committed)
            m_disk.DeleteQuietly(m_temporary);
    }
    bool Write(std::span<const std::byte> data, FileError& error) override
    {
        m_size += data.size();
        if (auto full = m_disk.diskFullAfter.find(m_target); full != m_disk.diskFullAfter.end() && m_size > full->second) {
            error = FileError{FileError::Kind::DiskFull, 112};
            return false;
        }
        m_disk.Write(m_temporary, std::string(reinterpret_cast<const char*>(data.data()), data.size()));
        return true;
    }
    bool Commit(std::u16string_view keepReplacedAs, FileError& error) override
    {
        m_disk.Flush(m_temporary);
        // As the system refuses it: a file held open, or a directory in the target's place.
        if (m_disk.held.count(m_target) || m_disk.IsDirectory(m_target)) {
            error = FileError{FileError::Kind::AccessDenied, 5};
            return false;
        }
        // As the Win32 layer does: a second name first, then the replace; a replaced file that
        // cannot be kept goes all the same.
        const std::u16string keepAs(keepReplacedAs);
        if (!keepAs.empty() && m_disk.Has(m_target) && !m_disk.Has(keepAs) && m_disk.MayChange(keepAs))
            m_disk.Link(m_target, keepAs);
        m_disk.Replace(m_temporary, m_target);
        m_committed = true;
        ++m_disk.replacementsCommitted;
        return true;
    }

private:
    Disk& m_disk;
    std::u16string m_target, m_temporary;
    std::size_t m_size = 0;
    bool m_committed = false;
};

// 2026-12-11 09:00:00 and the disk's seconds since.
emulator::LocalTime ClockTime(std::uint32_t seconds)
{
    const std::uint32_t minutes = seconds / 60, hours = 9 + minutes / 60;
    return {2026, 12, static_cast<int>(11 + hours / 24), static_cast<int>(hours % 24), static_cast<int>(minutes % 60),
            static_cast<int>(seconds % 60)};
}

}  // namespace

void Disk::Put(const std::u16string& path, const std::string& bytes)
{
    entries[path] = File{bytes, bytes, false, m_nextVersion++, m_clock};
    wholeContents[path].insert(bytes);
}

void Disk::PutDirectory(const std::u16string& path) { entries[path] = File{{}, {}, true, 0}; }

const std::string* Disk::Find(const std::u16string& path) const
{
    auto it = entries.find(path);
    return it == entries.end() || it->second.directory ? nullptr : &it->second.bytes;
}

void Disk::StopAfter(int n, StopKind kind)
{
    m_stopAt = n == 0 ? 0 : m_changes + n;
    m_kind = kind;
}

void Disk::Restart()
{
    if (m_stopped && m_kind == StopKind::PowerCut) {
        for (auto& [path, file] : entries) {
            if (file.bytes != file.durable) {
                file.bytes = file.durable;
                file.version = m_nextVersion++;
            }
        }
    }
    m_stopped = false;  // a chosen stop that has come does not come again: the count is past it
    ++m_processId;
}

void Disk::Begin()
{
    if (m_stopped)
        throw Stopped{};
    ++m_clock;
    if (++m_changes == m_stopAt)
        m_stopped = true;
}

void Disk::End() const
{
    if (m_stopped)
        throw Stopped{};
}

void Disk::Create(const std::u16string& path)
{
    Begin();
    entries[path] = File{{}, {}, false, m_nextVersion++, m_clock};
    End();
}

void Disk::Write(const std::u16string& path, const std::string& bytes)
{
    Begin();
    File& file = entries.at(path);
    file.bytes += bytes;
    file.version = m_nextVersion++;
    file.written = m_clock;
    End();
}

void Disk::Flush(const std::u16string& path)
{
    Begin();
    entries.at(path).durable = entries.at(path).bytes;
    End();
}

void Disk::Replace(const std::u16string& from, const std::u16string& to)
{
    Begin();
    File moved = entries.at(from);
    entries.erase(from);
    wholeContents[to].insert(moved.bytes);
    entries[to] = std::move(moved);
    End();
}

void Disk::Link(const std::u16string& existing, const std::u16string& newName)
{
    Begin();
    entries[newName] = entries.at(existing);
    wholeContents[newName].insert(entries.at(existing).bytes);
    End();
}

bool Disk::Delete(const std::u16string& path)
{
    if (!entries.count(path))
        return false;
    Begin();
    entries.erase(path);
    End();
    return true;
}

void Disk::DeleteQuietly(const std::u16string& path)
{
    // While unwinding from a stop nothing may throw, and a dead program deletes nothing.
    if (m_stopped || !entries.count(path))
        return;
    if (++m_changes == m_stopAt)
        m_stopped = true;  // done; the program dies at its next change, or has ended by then
    entries.erase(path);
}

std::u16string Disk::NewReplacementName(const std::u16string& target)
{
    return text::ReplacementFileName(target, m_processId, m_tick++, 0);
}

void Disk::RemoveLeftovers(const std::u16string& target)
{
    if (!MayChange(target))
        return;
    const std::u16string folder = ParentOf(target) + u"\\";
    const std::u16string name = target.substr(folder.size());
    std::vector<std::u16string> leftovers;
    for (const auto& [path, file] : entries) {
        if (file.directory || path.compare(0, folder.size(), folder) != 0)
            continue;
        auto writer = text::ReplacementWriterId(std::u16string_view(path).substr(folder.size()), name);
        if (writer && *writer != m_processId && !runningProcesses.count(*writer) && !held.count(path))
            leftovers.push_back(path);
    }
    for (const auto& path : leftovers)
        Delete(path);
}

bool Disk::ParentIsDirectory(const std::u16string& path) const
{
    const std::u16string parent = ParentOf(path);
    return parent.size() <= 2 || IsDirectory(parent);  // a drive root, or a folder
}

bool Disk::IsDirectory(const std::u16string& path) const
{
    auto it = entries.find(path);
    return it != entries.end() && it->second.directory;
}

bool Disk::MayChange(const std::u16string& path) const
{
    return ParentIsDirectory(path) && !readOnlyFolders.count(ParentOf(path));
}

std::unique_ptr<emulator::InputFile> Disk::OpenExclusive(std::u16string_view path, FileError& error)
{
    const std::u16string key = FullPath(path);
    const std::string* bytes = Find(key);
    if (!bytes) {
        error = FileError{FileError::Kind::NotFound, 2};
        return nullptr;
    }
    if (held.count(key)) {
        error = FileError{FileError::Kind::InUse, 32};
        return nullptr;
    }
    const auto readError = readErrorAfter.find(key);
    return std::make_unique<DiskInput>(*bytes, readPiece,
                                       readError == readErrorAfter.end() ? bytes->size() : readError->second);
}

std::unique_ptr<emulator::ReplacementFile> Disk::CreateReplacement(std::u16string_view target, FileError& error)
{
    const std::u16string key = FullPath(target);
    if (readOnlyTargets.count(key)) {
        error = FileError{FileError::Kind::AccessDenied, 5};
        return nullptr;
    }
    if (!MayChange(key)) {
        error = ParentIsDirectory(key) ? FileError{FileError::Kind::AccessDenied, 5} : FileError{FileError::Kind::NotFound, 3};
        return nullptr;
    }
    return std::make_unique<DiskReplacement>(*this, key);
}

void Disk::RemoveLeftoverReplacements(std::u16string_view target) { RemoveLeftovers(FullPath(target)); }

bool Disk::FileExists(std::u16string_view path) { return entries.count(FullPath(path)) != 0; }

bool Disk::DirectoryExists(std::u16string_view path) { return IsDirectory(FullPath(path)); }

void Disk::MakeDirectory(std::u16string_view path)
{
    const std::u16string key = FullPath(path);
    if (entries.count(key) || !MayChange(key))
        return;
    Begin();
    PutDirectory(key);
    End();
}

bool Disk::RemoveFile(std::u16string_view path)
{
    const std::u16string key = FullPath(path);
    return MayChange(key) && !held.count(key) && Delete(key);
}

bool Disk::RenameFile(std::u16string_view from, std::u16string_view to, FileError& error)
{
    const std::u16string source = FullPath(from), target = FullPath(to);
    if (held.count(source)) {
        error = FileError{FileError::Kind::InUse, 32};
        return false;
    }
    if (!entries.count(source) || entries.count(target) || !MayChange(source) || !MayChange(target)) {
        error = FileError{FileError::Kind::Other, 183};
        return false;
    }
    Replace(source, target);
    return true;
}

bool Disk::ReplaceKeeping(std::u16string_view target, std::u16string_view replacement,
                                 std::u16string_view keepReplacedAs, FileError& error)
{
    const std::u16string to = FullPath(target), from = FullPath(replacement), keepAs = FullPath(keepReplacedAs);
    if (!Find(from)) {
        error = FileError{FileError::Kind::NotFound, 2};
        return false;
    }
    const bool keep = !keepReplacedAs.empty() && Has(to);
    if (held.count(to) || held.count(from) || IsDirectory(to) || !MayChange(to) || !MayChange(from) ||
        (keep && (Has(keepAs) || !MayChange(keepAs)))) {
        error = FileError{FileError::Kind::AccessDenied, 5};
        return false;
    }
    if (keep)
        Link(to, keepAs);
    Replace(from, to);
    return true;
}

std::optional<emulator::FileFacts> Disk::Facts(std::u16string_view path)
{
    auto it = entries.find(FullPath(path));
    if (it == entries.end() || it->second.directory)
        return std::nullopt;
    return emulator::FileFacts{it->second.bytes.size(), it->second.version, ClockTime(it->second.written)};
}

std::vector<std::u16string> Disk::FileNamesIn(std::u16string_view folder)
{
    const std::u16string parent = FullPath(folder);
    std::vector<std::u16string> names;
    for (const auto& [path, file] : entries)
        if (!file.directory && ParentOf(path) == parent)
            names.push_back(path.substr(parent.size() + 1));
    return names;
}

std::u16string Disk::FullPath(std::u16string_view path)
{
    if ((path.size() > 1 && path[1] == u':') || (!path.empty() && path[0] == u'\\'))
        return std::u16string(path);
    return currentDirectory + std::u16string(path);
}

std::optional<std::string> Disk::ReadSmallFile(std::u16string_view path)
{
    const std::string* bytes = Find(FullPath(path));
    return bytes ? std::optional<std::string>(*bytes) : std::nullopt;
}

bool Disk::WriteHiddenFile(std::u16string_view path, std::string_view content, FileError& error)
{
    const std::u16string key = FullPath(path);
    if (!MayChange(key) || DirectoryExists(path)) {
        const bool refused = DirectoryExists(path) || readOnlyFolders.count(ParentOf(key));
        error = refused ? FileError{FileError::Kind::AccessDenied, 5} : FileError{FileError::Kind::NotFound, 3};
        return false;
    }
    // Opened or created, then written in place: no flush, as the Win32 layer does it.
    if (!entries.count(key))
        Create(key);
    Begin();
    entries.at(key).bytes = std::string(content);
    entries.at(key).hidden = true;
    End();
    return true;
}

std::vector<text::DirectoryEntry> TextDisk::FindFiles(std::u16string_view pattern)
{
    const std::u16string folder = ParentOf(pattern);
    std::vector<text::DirectoryEntry> entries{{u".", true}, {u"..", true}};
    for (const auto& [path, file] : m_disk.entries) {
        if (ParentOf(path) != folder)
            continue;
        const std::u16string name = path.substr(folder.size() + 1);
        if (name.size() > 4 && name.ends_with(u".ini"))
            entries.push_back({name, file.directory});
    }
    return entries;
}

std::optional<text::Bytes> TextDisk::ReadWholeFile(std::u16string_view path)
{
    const std::string* bytes = m_disk.Find(std::u16string(path));
    return bytes ? std::optional<text::Bytes>(*bytes) : std::nullopt;
}

std::optional<text::FileStamp> TextDisk::StampOf(std::u16string_view path)
{
    auto it = m_disk.entries.find(std::u16string(path));
    if (it == m_disk.entries.end() || it->second.directory)
        return std::nullopt;
    return text::FileStamp{it->second.bytes.size(), it->second.version};
}

text::WriteResult TextDisk::ReplaceFileContent(std::u16string_view path, std::string_view content)
{
    const std::u16string target(path);
    auto it = m_disk.entries.find(target);
    if (!m_disk.ParentIsDirectory(target) || (it != m_disk.entries.end() && it->second.directory))
        return text::WriteResult::Failed(u"access denied");
    DiskReplacement replacement(m_disk, target);
    emulator::FileError ignored;
    replacement.Write({reinterpret_cast<const std::byte*>(content.data()), content.size()}, ignored);
    replacement.Commit({}, ignored);
    return text::WriteResult::Done();
}

text::WriteResult TextDisk::MakeDirectory(std::u16string_view path)
{
    const std::u16string key(path);
    if (m_disk.entries.count(key) || !m_disk.ParentIsDirectory(key))
        return text::WriteResult::Failed(u"exists");
    m_disk.Begin();
    m_disk.PutDirectory(key);
    m_disk.End();
    return text::WriteResult::Done();
}

std::optional<text::Bytes> TextDisk::LoadOwnerData(int resourceId)
{
    static const text::Bytes chinese = text::testing::BuiltinFileBytes("PC_Kovrin_CH.ini");
    static const text::Bytes english = text::testing::BuiltinFileBytes("PC_Kovrin_EN.ini");
    if (resourceId == 130)
        return chinese;
    if (resourceId == 324)
        return english;
    return std::nullopt;
}

}  // namespace crash
