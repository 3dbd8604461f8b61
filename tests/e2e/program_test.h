// A test that starts a fresh tervalo.exe and ends it afterwards.
#ifndef TERVALO_TESTS_E2E_PROGRAM_TEST_H
#define TERVALO_TESTS_E2E_PROGRAM_TEST_H

#include "driver.h"

#include <gtest/gtest.h>

class ProgramTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(StartProgram(program)) << "no window of class TERVALO from " << ProgramPath;
        window = program.window;
    }
    void TearDown() override { EndProgram(program); }

    // Puts the window in front, where typed keys go, ready for them.
    void Focus() {
        ASSERT_TRUE(BringToFront(window) && WaitForKeyboard(program, window))
            << "the main window did not come to the front";
    }
    // The exit code, after the process has ended by itself.
    DWORD ExitCode() { return WaitForExit(program); }
    HWND Control(int id) const { return GetDlgItem(window, id); }

    Program program;
    HWND window = nullptr;
};

#endif
