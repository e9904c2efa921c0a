#pragma once
// The program's message box: captioned with the application title and owned by the main
// window when there is one.

#include <windows.h>

#include <string>

int AfxMessageBox(const std::wstring& text, UINT type = MB_OK);
int AfxMessageBox(UINT idPrompt, UINT type = MB_OK);

namespace framework {

// A string resource of the program, empty when missing.
std::wstring LoadResourceString(UINT id);
// String resource IDS_APP_TITLE, or the program's file name without extension when there is none.
std::wstring ApplicationTitle();

}  // namespace framework
