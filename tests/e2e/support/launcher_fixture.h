#pragma once
// A test that starts the launcher in a fresh program folder of its own, with the stand-in
// emulator and manager beside it; whatever it started is ended after each test.

#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <memory>

#include "support/launcher_process.h"
#include "support/program_folder.h"

namespace e2e {

class LauncherFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Starts the program, waits for its main window and until `ready`, and brings it to the
    // front. Fails the test (fatally) when either never comes.
    void StartAndWaitUntil(const std::function<bool()>& ready);

    ProgramFolder folder{CurrentTestName()};
    std::unique_ptr<LauncherProcess> launcher;
    HWND frame = nullptr;
};

}  // namespace e2e
