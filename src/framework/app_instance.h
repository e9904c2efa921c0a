#pragma once
// Where the one application object and its main window are found. Kept apart from the
// application class so that windows, dialogs and error reports can ask for the main window
// without linking the message loop, the document template or the program entry.

class CWinAppEx;
class CWnd;

CWinAppEx* AfxGetApp();
CWnd* AfxGetMainWnd();

namespace framework {

// The application object's constructor and destructor announce it; the first one stays.
void RegisterApp(CWinAppEx* app);
void UnregisterApp(CWinAppEx* app);

}  // namespace framework
