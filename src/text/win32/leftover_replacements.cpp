#include "text/win32/leftover_replacements.h"

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "framework/unique_handle.h"
#include "text/replacement_name.h"
#include "text/win32/wide.h"
#include "text/win32/win32_files.h"

namespace text::win32 {
namespace {

using framework::OwnFile;
using framework::OwnFind;
using framework::UniqueHandle;

// File times may be kept in steps of up to two seconds (FAT); within that a process start
// cannot be told apart from the file's making, and the file is kept.
constexpr std::uint64_t kTimeSlack = 2ull * 10'000'000;

std::uint64_t Ticks(const FILETIME& time)
{
    return (static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

UniqueHandle OpenProcessToQuery(DWORD processId, bool& canWait)
{
    canWait = true;
    if (UniqueHandle process{OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | SYNCHRONIZE, FALSE, processId)})
        return process;
    if (GetLastError() != ERROR_ACCESS_DENIED)
        return nullptr;
    canWait = false;
    return UniqueHandle(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
}

bool HasEnded(HANDLE process, bool canWait)
{
    if (canWait)
        return WaitForSingleObject(process, 0) == WAIT_OBJECT_0;
    DWORD code = 0;
    return GetExitCodeProcess(process, &code) && code != STILL_ACTIVE;
}

// Whether the process that wrote a file made at `made` may still be writing it. Anything that
// cannot be told counts as yes: a process of another user in another logon session, say.
bool WriterMayBeRunning(DWORD processId, const FILETIME& made)
{
    bool canWait = true;
    const UniqueHandle process = OpenProcessToQuery(processId, canWait);
    if (!process)
        return GetLastError() != ERROR_INVALID_PARAMETER;  // that error: no process has this id
    if (HasEnded(process.get(), canWait))
        return false;
    FILETIME started{}, exited{}, kernel{}, user{};
    if (!GetProcessTimes(process.get(), &started, &exited, &kernel, &user))
        return true;
    return Ticks(started) <= Ticks(made) + kTimeSlack;
}

// Opening with no sharing fails while anyone has the file open, so a writer still at work
// keeps its file whatever the process check said; the file goes when the handle closes.
void DeleteUnlessOpen(const std::wstring& path)
{
    OwnFile(CreateFileW(path.c_str(), DELETE, 0, nullptr, OPEN_EXISTING, FILE_FLAG_DELETE_ON_CLOSE, nullptr));
}

struct Candidate {
    std::wstring path;
    DWORD processId;
    FILETIME made;
};

std::vector<Candidate> ReplacementsBeside(std::wstring_view target)
{
    const std::size_t slash = target.find_last_of(L"\\/");
    const std::wstring folder(target.substr(0, slash == std::wstring_view::npos ? 0 : slash + 1));
    const std::u16string targetName = AsU16(target.substr(folder.size()));
    std::vector<Candidate> found;
    WIN32_FIND_DATAW data{};
    const framework::UniqueFindHandle search =
        OwnFind(FindFirstFileW(ExtendedLengthPath(std::wstring(target) + L".*.tmp").c_str(), &data));
    if (!search)
        return found;
    do {
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            continue;
        // The wildcard also matches short 8.3 names: the long name alone decides.
        if (auto writer = ReplacementWriterId(AsU16(data.cFileName), targetName))
            found.push_back({ExtendedLengthPath(folder + data.cFileName), *writer, data.ftCreationTime});
    } while (FindNextFileW(search.get(), &data));
    return found;
}

}  // namespace

int RemoveLeftoverReplacements(std::wstring_view target)
{
    if (target.empty())
        return 0;
    int removed = 0;
    for (const Candidate& candidate : ReplacementsBeside(target)) {
        if (WriterMayBeRunning(candidate.processId, candidate.made))
            continue;
        DeleteUnlessOpen(candidate.path);
        if (GetFileAttributesW(candidate.path.c_str()) == INVALID_FILE_ATTRIBUTES)
            ++removed;
    }
    return removed;
}

}  // namespace text::win32
