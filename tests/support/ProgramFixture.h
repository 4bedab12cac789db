// Tests of Tovanix.exe itself: each starts the program from a folder of its
// own with fresh settings, and takes both away afterwards.
#pragma once

#include <windows.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "core/Settings.h"
#include "tests/support/TovanixProgram.h"
#include "tests/support/WinTestSupport.h"

class ProgramTest : public ::testing::Test {
  protected:
    void SetUp() override {
        RegDeleteTreeA(HKEY_CURRENT_USER, "SOFTWARE\\Morvale");
        WriteSetting(setting::OSD, 0);
    }
    void TearDown() override {
        program.reset();
        RegDeleteTreeA(HKEY_CURRENT_USER, "SOFTWARE\\Morvale");
    }

    TovanixProgram& Start(const std::string& commandFile) {
        program = std::make_unique<TovanixProgram>(folder);
        program->WriteCommandFile(commandFile);
        EXPECT_TRUE(program->Start());
        return *program;
    }

    // Waits until the start-up (at least four seconds) has shown the window.
    bool WaitUntilShown() {
        return WaitFor([&] { return IsWindowVisible(program->MainWindow()); }, 20000);
    }

    TempFolder folder;
    std::unique_ptr<TovanixProgram> program;
};
