#pragma once
// The application object: start-up in a fixed order, then the framework's message loop.

#include "framework/unique_handle.h"
#include "framework/win_app_ex.h"

class CPC_Kovrin30App : public CWinAppEx {
public:
    CPC_Kovrin30App();

    BOOL InitInstance() override;
    int ExitInstance() override;
    bool OnCmdMsg(UINT id) override;

    // The named single-instance event, held until the process ends.
    framework::UniqueHandle m_hInstanceEvent;

private:
    bool m_bOleInitialized = false;
};

extern CPC_Kovrin30App theApp;
