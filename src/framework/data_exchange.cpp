#include "framework/data_exchange.h"

#include <stdexcept>
#include <string>

HWND CDataExchange::PrepareCtrl(int id) const
{
    HWND control = m_pDlgWnd ? m_pDlgWnd->GetDlgItem(id) : nullptr;
    if (!control)
        throw std::logic_error("data exchange: no control " + std::to_string(id) + " in the dialog");
    return control;
}

void DDX_Control(CDataExchange* dx, int id, CWnd& control)
{
    if (control.m_hWnd)
        return;
    if (!control.SubclassWindow(dx->PrepareCtrl(id)))
        throw std::logic_error("data exchange: control " + std::to_string(id) + " is bound to another object");
}

void DDX_Text(CDataExchange* dx, int id, std::wstring& value)
{
    HWND control = dx->PrepareCtrl(id);
    if (dx->m_bSaveAndValidate) {
        std::wstring text(static_cast<size_t>(::GetWindowTextLengthW(control)) + 1, L'\0');
        text.resize(static_cast<size_t>(::GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
        value = std::move(text);
    } else {
        ::SetWindowTextW(control, value.c_str());
    }
}
