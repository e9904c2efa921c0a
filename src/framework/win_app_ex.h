#pragma once
// The one application object: start-up, the message loop and shutdown. The program entry that
// drives it is in win_main.cpp.

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/app_instance.h"
#include "framework/message_box.h"

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

    // The application title (framework::ApplicationTitle), read once.
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
