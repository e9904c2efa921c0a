#include "support/document_viewer.h"

#include <commctrl.h>

#include "support/desktop_input.h"
#include "support/host_paths.h"
#include "support/remote_list_view.h"
#include "support/session_state.h"

namespace e2e {
namespace {

namespace fs = std::filesystem;

constexpr int kHelpItem = 1;

fs::path ViewerIn(const fs::path& folder) { return folder / L"DocumentViewer.exe"; }

}  // namespace

std::string Utf8(const std::wstring& text)
{
    const std::u8string bytes = fs::path(text).u8string();
    return std::string(bytes.begin(), bytes.end());
}

StandInDocumentViewer::StandInDocumentViewer()
    : m_folder(fs::path(WorkRoot()) / L"DocumentViewer"),
      m_registration(L".DOC", L"KovrinTest.Document", L"\"" + ViewerIn(m_folder).wstring() + L"\" \"%1\"")
{
    fs::remove_all(m_folder);
    fs::create_directories(m_folder);
    fs::copy_file(fs::path(StandInsDir()) / L"DocumentViewer.exe", ViewerIn(m_folder));
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
