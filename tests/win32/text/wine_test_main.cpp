// Test programs link with -municode, so they start at wmain.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

int wmain(int argc, wchar_t** argv) {
    // A second copy of this program stands in for another program that is still running.
    if (argc == 3 && std::wstring(argv[1]) == L"--idle-ms") {
        Sleep(std::stoul(argv[2]));
        return 0;
    }
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
