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
        if (m_disk.held.count(m_target)) {
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
    files[path] = File{bytes, bytes, false, m_nextVersion++, m_clock};
    wholeContents[path].insert(bytes);
}

void Disk::PutDirectory(const std::u16string& path) { files[path] = File{{}, {}, true, 0}; }

const std::string* Disk::Bytes(const std::u16string& path) const
{
    auto it = files.find(path);
    return it == files.end() || it->second.directory ? nullptr : &it->second.bytes;
}

void Disk::StopAfter(int n, StopKind kind)
{
    m_stopAt = n == 0 ? 0 : m_changes + n;
    m_kind = kind;
}

void Disk::Restart()
{
    if (m_stopped && m_kind == StopKind::PowerCut) {
        for (auto& [path, file] : files) {
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
    files[path] = File{{}, {}, false, m_nextVersion++, m_clock};
    End();
}

void Disk::Write(const std::u16string& path, const std::string& bytes)
{
    Begin();
    File& file = files.at(path);
    file.bytes += bytes;
    file.version = m_nextVersion++;
    file.written = m_clock;
    End();
}

void Disk::Flush(const std::u16string& path)
{
    Begin();
    files.at(path).durable = files.at(path).bytes;
    End();
}

void Disk::Replace(const std::u16string& from, const std::u16string& to)
{
    Begin();
    File moved = files.at(from);
    files.erase(from);
    wholeContents[to].insert(moved.bytes);
    files[to] = std::move(moved);
    End();
}

void Disk::Link(const std::u16string& existing, const std::u16string& newName)
{
    Begin();
    files[newName] = files.at(existing);
    wholeContents[newName].insert(files.at(existing).bytes);
    End();
}

bool Disk::Delete(const std::u16string& path)
{
    if (!files.count(path))
        return false;
    Begin();
    files.erase(path);
    End();
    return true;
}

void Disk::DeleteQuietly(const std::u16string& path)
{
    // While unwinding from a stop nothing may throw, and a dead program deletes nothing.
    if (m_stopped || !files.count(path))
        return;
    if (++m_changes == m_stopAt)
        m_stopped = true;  // done; the program dies at its next change, or has ended by then
    files.erase(path);
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
    for (const auto& [path, file] : files) {
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
    if (parent.size() <= 2)
        return true;  // a drive root
    auto it = files.find(parent);
    return it != files.end() && it->second.directory;
}

bool Disk::MayChange(const std::u16string& path) const
{
    return ParentIsDirectory(path) && !readOnlyFolders.count(ParentOf(path));
}

std::unique_ptr<emulator::InputFile> SessionDisk::OpenExclusive(std::u16string_view path, FileError& error)
{
    const std::u16string key = FullPath(path);
    const std::string* bytes = m_disk.Bytes(key);
    if (!bytes) {
        error = FileError{FileError::Kind::NotFound, 2};
        return nullptr;
    }
    if (m_disk.held.count(key)) {
        error = FileError{FileError::Kind::InUse, 32};
        return nullptr;
    }
    const auto readError = m_disk.readErrorAfter.find(key);
    return std::make_unique<DiskInput>(*bytes, m_disk.readPiece,
                                       readError == m_disk.readErrorAfter.end() ? bytes->size() : readError->second);
}

std::unique_ptr<emulator::ReplacementFile> SessionDisk::CreateReplacement(std::u16string_view target, FileError& error)
{
    const std::u16string key = FullPath(target);
    if (m_disk.readOnlyTargets.count(key)) {
        error = FileError{FileError::Kind::AccessDenied, 5};
        return nullptr;
    }
    if (!m_disk.MayChange(key)) {
        error = m_disk.ParentIsDirectory(key) ? FileError{FileError::Kind::AccessDenied, 5} : FileError{FileError::Kind::NotFound, 3};
        return nullptr;
    }
    return std::make_unique<DiskReplacement>(m_disk, key);
}

void SessionDisk::RemoveLeftoverReplacements(std::u16string_view target) { m_disk.RemoveLeftovers(FullPath(target)); }

bool SessionDisk::FileExists(std::u16string_view path) { return m_disk.files.count(FullPath(path)) != 0; }

bool SessionDisk::DirectoryExists(std::u16string_view path)
{
    auto it = m_disk.files.find(FullPath(path));
    return it != m_disk.files.end() && it->second.directory;
}

void SessionDisk::MakeDirectory(std::u16string_view path)
{
    const std::u16string key = FullPath(path);
    if (m_disk.files.count(key) || !m_disk.MayChange(key))
        return;
    m_disk.Begin();
    m_disk.PutDirectory(key);
    m_disk.End();
}

bool SessionDisk::RemoveFile(std::u16string_view path)
{
    const std::u16string key = FullPath(path);
    return m_disk.MayChange(key) && !m_disk.held.count(key) && m_disk.Delete(key);
}

bool SessionDisk::RenameFile(std::u16string_view from, std::u16string_view to, FileError& error)
{
    const std::u16string source = FullPath(from), target = FullPath(to);
    if (m_disk.held.count(source)) {
        error = FileError{FileError::Kind::InUse, 32};
        return false;
    }
    if (!m_disk.files.count(source) || m_disk.files.count(target) || !m_disk.MayChange(source) || !m_disk.MayChange(target)) {
        error = FileError{FileError::Kind::Other, 183};
        return false;
    }
    m_disk.Replace(source, target);
    return true;
}

bool SessionDisk::ReplaceKeeping(std::u16string_view target, std::u16string_view replacement,
                                 std::u16string_view keepReplacedAs, FileError& error)
{
    const std::u16string to = FullPath(target), from = FullPath(replacement), keepAs = FullPath(keepReplacedAs);
    if (!m_disk.Bytes(from)) {
        error = FileError{FileError::Kind::NotFound, 2};
        return false;
    }
    const bool keep = !keepReplacedAs.empty() && m_disk.Has(to);
    if (m_disk.held.count(to) || m_disk.held.count(from) || !m_disk.MayChange(to) || !m_disk.MayChange(from) ||
        (keep && (m_disk.Has(keepAs) || !m_disk.MayChange(keepAs)))) {
        error = FileError{FileError::Kind::AccessDenied, 5};
        return false;
    }
    if (keep)
        m_disk.Link(to, keepAs);
    m_disk.Replace(from, to);
    return true;
}

std::optional<emulator::FileFacts> SessionDisk::Facts(std::u16string_view path)
{
    auto it = m_disk.files.find(FullPath(path));
    if (it == m_disk.files.end() || it->second.directory)
        return std::nullopt;
    return emulator::FileFacts{it->second.bytes.size(), it->second.version, ClockTime(it->second.written)};
}

std::vector<std::u16string> SessionDisk::FileNamesIn(std::u16string_view folder)
{
    const std::u16string parent = FullPath(folder);
    std::vector<std::u16string> names;
    for (const auto& [path, file] : m_disk.files)
        if (!file.directory && ParentOf(path) == parent)
            names.push_back(path.substr(parent.size() + 1));
    return names;
}

std::u16string SessionDisk::FullPath(std::u16string_view path)
{
    if ((path.size() > 1 && path[1] == u':') || (!path.empty() && path[0] == u'\\'))
        return std::u16string(path);
    return m_currentDirectory + std::u16string(path);
}

std::optional<std::string> SessionDisk::ReadSmallFile(std::u16string_view path)
{
    const std::string* bytes = m_disk.Bytes(FullPath(path));
    return bytes ? std::optional<std::string>(*bytes) : std::nullopt;
}

bool SessionDisk::WriteHiddenFile(std::u16string_view path, std::string_view content, FileError& error)
{
    const std::u16string key = FullPath(path);
    if (!m_disk.MayChange(key) || DirectoryExists(path)) {
        const bool refused = DirectoryExists(path) || m_disk.readOnlyFolders.count(ParentOf(key));
        error = refused ? FileError{FileError::Kind::AccessDenied, 5} : FileError{FileError::Kind::NotFound, 3};
        return false;
    }
    // Opened or created, then written in place: no flush, as the Win32 layer does it.
    if (!m_disk.files.count(key))
        m_disk.Create(key);
    m_disk.Begin();
    m_disk.files.at(key).bytes = std::string(content);
    m_disk.files.at(key).hidden = true;
    m_disk.End();
    return true;
}

std::vector<text::DirectoryEntry> TextDisk::FindFiles(std::u16string_view pattern)
{
    const std::u16string folder = ParentOf(pattern);
    std::vector<text::DirectoryEntry> entries{{u".", true}, {u"..", true}};
    for (const auto& [path, file] : m_disk.files) {
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
    const std::string* bytes = m_disk.Bytes(std::u16string(path));
    return bytes ? std::optional<text::Bytes>(*bytes) : std::nullopt;
}

std::optional<text::FileStamp> TextDisk::StampOf(std::u16string_view path)
{
    auto it = m_disk.files.find(std::u16string(path));
    if (it == m_disk.files.end() || it->second.directory)
        return std::nullopt;
    return text::FileStamp{it->second.bytes.size(), it->second.version};
}

text::WriteResult TextDisk::ReplaceFileContent(std::u16string_view path, std::string_view content)
{
    const std::u16string target(path);
    auto it = m_disk.files.find(target);
    if (!m_disk.ParentIsDirectory(target) || (it != m_disk.files.end() && it->second.directory))
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
    if (m_disk.files.count(key) || !m_disk.ParentIsDirectory(key))
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
