// Stand-in for the program a system opens documents with: it logs what it was asked to open and
// ends. Tests register it for the help document's file type.
#include <string>

#include "../stand_in_common/stand_in.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show)
{
    stand_in::Log(L"opened " + stand_in::Arguments());
    stand_in::Log(L"show=" + std::to_wstring(show));
    return 0;
}
