#include "remote_list_view.h"

#include <commctrl.h>

#include <vector>

namespace e2e {
namespace {

// A block of memory in the list's process, freed with this object.
class RemoteBlock {
public:
    RemoteBlock(HWND window, size_t size) : m_size(size)
    {
        DWORD processId = 0;
        GetWindowThreadProcessId(window, &processId);
        m_process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
        if (m_process)
            m_address = VirtualAllocEx(m_process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    }
    ~RemoteBlock()
    {
        if (m_address)
            VirtualFreeEx(m_process, m_address, 0, MEM_RELEASE);
        if (m_process)
            CloseHandle(m_process);
    }
    RemoteBlock(const RemoteBlock&) = delete;
    RemoteBlock& operator=(const RemoteBlock&) = delete;

    bool Valid() const { return m_address != nullptr; }
    char* Address() const { return static_cast<char*>(m_address); }
    bool Write(size_t offset, const void* data, size_t size) const
    {
        return offset + size <= m_size && WriteProcessMemory(m_process, Address() + offset, data, size, nullptr);
    }
    bool Read(size_t offset, void* data, size_t size) const
    {
        return offset + size <= m_size && ReadProcessMemory(m_process, Address() + offset, data, size, nullptr);
    }

private:
    HANDLE m_process = nullptr;
    void* m_address = nullptr;
    size_t m_size;
};

}  // namespace

int ListItemCount(HWND list)
{
    return static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
}

std::wstring ListItemText(HWND list, int item)
{
    constexpr int kChars = 512;
    RemoteBlock block(list, sizeof(LVITEMW) + kChars * sizeof(wchar_t));
    if (!block.Valid())
        return L"<no access>";
    LVITEMW request{};
    request.iSubItem = 0;
    request.pszText = reinterpret_cast<wchar_t*>(block.Address() + sizeof(LVITEMW));
    request.cchTextMax = kChars;
    block.Write(0, &request, sizeof request);
    const auto length = static_cast<size_t>(
        SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(block.Address())));
    std::wstring text(length, L'\0');
    block.Read(sizeof(LVITEMW), text.data(), length * sizeof(wchar_t));
    return text;
}

RECT ListItemScreenRect(HWND list, int item, int code)
{
    RemoteBlock block(list, sizeof(RECT));
    RECT rect{};
    rect.left = code;
    if (!block.Valid() || !block.Write(0, &rect, sizeof rect) ||
        !SendMessageW(list, LVM_GETITEMRECT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(block.Address())))
        return RECT{};
    block.Read(0, &rect, sizeof rect);
    MapWindowPoints(list, HWND_DESKTOP, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

HWND CommandList(HWND frame)
{
    HWND splitter = GetWindow(frame, GW_CHILD);
    for (HWND pane = splitter ? GetWindow(splitter, GW_CHILD) : nullptr; pane; pane = GetWindow(pane, GW_HWNDNEXT)) {
        if (HWND list = GetDlgItem(pane, 1007))
            return list;
    }
    return nullptr;
}

}  // namespace e2e
