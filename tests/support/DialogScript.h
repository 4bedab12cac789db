// Drives a modal dialog that the code under test runs on the test's own
// thread: from the dialog's first activation on, a timer of the thread,
// which the dialog's message loop serves, runs the steps in turn.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

#include "tests/support/DialogSteps.h"

class DialogScript {
  public:
    // A step returns true when done; otherwise it is tried again at the
    // next tick.
    using Step = std::function<bool(HWND dialog)>;

    explicit DialogScript(std::vector<Step> steps)
        : steps_(std::move(steps)), activation_({[this](HWND dialog) { Start(dialog); }}) {}
    ~DialogScript() {
        if (timer_) KillTimer(nullptr, timer_);
        running_ = nullptr;
    }
    DialogScript(const DialogScript&) = delete;
    DialogScript& operator=(const DialogScript&) = delete;

    bool shown() const { return dialog_ != nullptr; }
    std::size_t done() const { return next_; }

  private:
    static constexpr UINT kTickMs = 50;

    void Start(HWND dialog) {
        dialog_ = dialog;
        running_ = this;
        timer_ = SetTimer(nullptr, 0, kTickMs, &Tick);
    }
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        DialogScript* self = running_;
        if (self && self->next_ < self->steps_.size() && IsWindow(self->dialog_) &&
            self->steps_[self->next_](self->dialog_))
            ++self->next_;
    }

    static inline DialogScript* running_ = nullptr;
    std::vector<Step> steps_;
    std::size_t next_ = 0;
    HWND dialog_ = nullptr;
    UINT_PTR timer_ = 0;
    DialogSteps activation_;
};
