#include "framework/message_box.h"

#include "framework/app_instance.h"
#include "framework/framework_ids.h"
#include "framework/wnd.h"

namespace framework {

std::wstring LoadResourceString(UINT id)
{
    const wchar_t* text = nullptr;
    int length = ::LoadStringW(::GetModuleHandleW(nullptr), id, reinterpret_cast<wchar_t*>(&text), 0);
    return length > 0 && text ? std::wstring(text, static_cast<size_t>(length)) : std::wstring();
}

std::wstring ApplicationTitle()
{
    std::wstring title = LoadResourceString(IDS_APP_TITLE);
    if (!title.empty())
        return title;
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring name = path;
    name = name.substr(name.find_last_of(L"\\/") + 1);
    return name.substr(0, name.find_last_of(L'.'));
}

}  // namespace framework

int AfxMessageBox(const std::wstring& text, UINT type)
{
    HWND owner = nullptr;
    if (CWnd* main = AfxGetMainWnd(); main && ::IsWindow(main->m_hWnd))
        owner = main->m_hWnd;
    return ::MessageBoxW(owner, text.c_str(), framework::ApplicationTitle().c_str(), type);
}

int AfxMessageBox(UINT idPrompt, UINT type)
{
    return AfxMessageBox(framework::LoadResourceString(idPrompt), type);
}
