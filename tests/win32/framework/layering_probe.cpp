// A program that uses only windows and the error report: what it links shows that the
// framework's lower layers do not pull in the application object, the document template, the
// frame, the splitter or the program entry.
#include "framework/error_report.h"
#include "framework/wnd.h"

int wmain()
{
    CWnd window;
    return framework::RunGuarded([&] { window.DestroyWindow(); }) ? 0 : 1;
}
