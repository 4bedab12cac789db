// Drives the modal dialogs and message boxes that the code under test opens
// on the test's own thread.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// Handles each window that becomes active on this thread (a dialog or a
// message box) with the next of the given steps.
class DialogSteps {
  public:
    explicit DialogSteps(std::vector<std::function<void(HWND)>> steps) : steps_(std::move(steps)) {
        active_ = this;
        hook_ = SetWindowsHookExA(WH_CBT, &Hook, nullptr, GetCurrentThreadId());
    }
    ~DialogSteps() {
        UnhookWindowsHookEx(hook_);
        active_ = nullptr;
    }
    std::size_t done() const { return next_; }

  private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
        if (code == HCBT_ACTIVATE && active_ && active_->next_ < active_->steps_.size()) {
            HWND window = reinterpret_cast<HWND>(wParam);
            char className[16] = "";
            GetClassNameA(window, className, sizeof className);
            if (std::string(className) == "#32770") active_->steps_[active_->next_++](window);
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    static inline DialogSteps* active_ = nullptr;
    HHOOK hook_;
    std::vector<std::function<void(HWND)>> steps_;
    std::size_t next_ = 0;
};
