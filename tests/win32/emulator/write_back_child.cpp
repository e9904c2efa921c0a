// Does one write-back, as the launcher's watch tick does, so a test can kill it at any moment.
#include <windows.h>

#include "emulator/win32/win32_session_files.h"
#include "emulator/xor_file_copy.h"
#include "text/win32/wide.h"

int wmain(int argc, wchar_t** argv)
{
    if (argc != 3)
        return 2;
    emulator::win32::Win32SessionFiles files;
    return emulator::ScrambledCopy(files, text::AsU16(argv[1]), text::AsU16(argv[2])).Ok() ? 0 : 1;
}
