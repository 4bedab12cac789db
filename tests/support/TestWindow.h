// A top-level window of the test program with an edit control and a button,
// recording what reaches it.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class TestWindow {
  public:
    explicit TestWindow(const char* title, int left = 100, int top = 100);
    ~TestWindow();
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;

    HWND window() const { return window_; }
    HWND edit() const { return edit_; }
    HWND button() const { return button_; }
    std::string EditText() const;
    int buttonClicks = 0;
    std::vector<std::string> userMessages;  // "message wParam lParam" of WM_USER and above

  private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    HWND window_ = nullptr;
    HWND edit_ = nullptr;
    HWND button_ = nullptr;
};

// Dispatches the messages of the calling thread for that long.
void PumpMessages(DWORD milliseconds);
