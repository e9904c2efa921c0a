#include "support/document_viewer.h"

#include <commctrl.h>

#include "support/desktop_input.h"
#include "support/host_paths.h"
#include "support/remote_list_view.h"
#include "support/session_state.h"

namespace e2e {
namespace {

namespace fs = std::filesystem;

constexpr wchar_t kProgId[] = L"KovrinTest.Document";
constexpr int kHelpItem = 1;

bool SetDefaultValue(const std::wstring& key, const std::wstring& value)
{
    HKEY handle = nullptr;
    if (RegCreateKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &handle, nullptr) != 0)
        return false;
    const bool set = RegSetValueExW(handle, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                    static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))) == 0;
    RegCloseKey(handle);
    return set;
}

}  // namespace

std::string Utf8(const std::wstring& text)
{
    const std::u8string bytes = fs::path(text).u8string();
    return std::string(bytes.begin(), bytes.end());
}

StandInDocumentViewer::StandInDocumentViewer() : m_folder(fs::path(WorkRoot()) / L"DocumentViewer")
{
    fs::remove_all(m_folder);
    fs::create_directories(m_folder);
    const fs::path viewer = m_folder / L"DocumentViewer.exe";
    fs::copy_file(fs::path(StandInsDir()) / L"DocumentViewer.exe", viewer);
    m_registered = SetDefaultValue(L".DOC", kProgId) &&
                   SetDefaultValue(std::wstring(kProgId) + L"\\shell\\open\\command", L"\"" + viewer.wstring() + L"\" \"%1\"");
}

StandInDocumentViewer::~StandInDocumentViewer()
{
    RegDeleteTreeW(HKEY_CLASSES_ROOT, kProgId);
    RegDeleteTreeW(HKEY_CLASSES_ROOT, L".DOC");
}

std::string StandInDocumentViewer::Log() const
{
    const fs::path log = m_folder / L"DocumentViewer.log";
    return fs::exists(log) ? ReadBinaryFile(log) : std::string();
}

std::string StandInDocumentViewer::WaitForNextDocument()
{
    std::string log;
    // The viewer writes its two lines and ends; the second one marks a whole entry.
    WaitUntil([&] {
        log = Log();
        return log.size() > m_seen && log.find("show=", m_seen) != std::string::npos;
    });
    std::string next = log.size() > m_seen ? log.substr(m_seen) : std::string();
    m_seen = log.size();
    return next;
}

std::string StandInDocumentViewer::OpenHelpOf(HWND frame)
{
    HWND list = nullptr;
    if (!WaitUntil([&] { return (list = CommandList(frame)) && ListItemCount(list) == 5; }))
        return {};
    BringToFront(frame);
    const RECT help = ListItemScreenRect(list, kHelpItem, LVIR_ICON);
    ClickAt(POINT{(help.left + help.right) / 2, (help.top + help.bottom) / 2});
    return WaitForNextDocument();
}

}  // namespace e2e
