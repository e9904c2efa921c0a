// Entry of the Win32 test programs: the application object exists before any test runs.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "test_support.h"

int wmain(int argc, wchar_t** argv)
{
    test::App();
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof(controls);
    controls.dwICC = ICC_WIN95_CLASSES;
    ::InitCommonControlsEx(&controls);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
