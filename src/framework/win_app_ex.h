#pragma once
// The one application object: start-up, the message loop, shutdown, and the program-wide
// message box. The program entry point lives in win_app_ex.cpp.

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

class CCommandLineInfo;
class CDocument;
class CSingleDocTemplate;
class CWnd;

class CWinAppEx {
public:
    // The smart resource update switch is accepted for the derived application's sake; nothing uses it.
    explicit CWinAppEx(BOOL bResourceSmartUpdate = FALSE);
    virtual ~CWinAppEx();
    CWinAppEx(const CWinAppEx&) = delete;
    CWinAppEx& operator=(const CWinAppEx&) = delete;

    // TRUE to run the message loop, FALSE to end at once.
    virtual BOOL InitInstance();
    // The message loop; returns ExitInstance's result once the main window is gone.
    virtual int Run();
    // Releases the document templates (and with them the frame); returns the exit code.
    virtual int ExitInstance();
    // Commands that reach the application from the main frame. True when handled.
    virtual bool OnCmdMsg(UINT id);

    void AddDocTemplate(std::unique_ptr<CSingleDocTemplate> docTemplate);
    void ParseCommandLine(CCommandLineInfo& info) const;
    BOOL ProcessShellCommand(CCommandLineInfo& info);
    CDocument* OpenDocumentFile(const wchar_t* path);
    void OnFileNew();

    // String resource IDS_APP_TITLE, or the program's file name when there is none.
    const std::wstring& GetAppName() const;

    CWnd* m_pMainWnd = nullptr;
    HINSTANCE m_hInstance = nullptr;
    int m_nCmdShow = SW_SHOWDEFAULT;
    int m_nExitCode = 0;

protected:
    void OnAppExit();

private:
    std::vector<std::unique_ptr<CSingleDocTemplate>> m_templates;
    mutable std::wstring m_strAppName;
};

CWinAppEx* AfxGetApp();
CWnd* AfxGetMainWnd();

// A message box captioned with the application title, owned by the main window when there is one.
int AfxMessageBox(const std::wstring& text, UINT type = MB_OK);
int AfxMessageBox(UINT idPrompt, UINT type = MB_OK);

namespace framework {
// A string resource of the program, empty when missing.
std::wstring LoadResourceString(UINT id);
}  // namespace framework
