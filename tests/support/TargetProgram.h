// A window of another program (target_window.exe) for the tests that send
// keys, clicks and messages to a target, read back from the test program.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class TargetProgram {
  public:
    // Starts the program and waits until its window is in front.
    explicit TargetProgram(const std::string& title, int left = 100, int top = 100);
    ~TargetProgram();
    TargetProgram(const TargetProgram&) = delete;
    TargetProgram& operator=(const TargetProgram&) = delete;

    HWND window() const { return window_; }
    HWND edit() const;
    HWND button() const;
    std::string EditText() const;
    int ButtonClicks() const;
    // "message wParam lParam" of each message from WM_USER on, oldest first.
    std::vector<std::string> UserMessages() const;

  private:
    std::vector<std::string> Log() const;
    PROCESS_INFORMATION process_{};
    HWND window_ = nullptr;
};
