// Tells of each change of the foreground window through an event hook out of
// context: Windows posts the change to this thread's message loop, so nothing
// runs while the window in front stays the same. One at a time per program.
#pragma once

#include <windows.h>

#include <functional>

class ForegroundHook {
  public:
    // changed runs with each new foreground window of another program.
    explicit ForegroundHook(std::function<void(HWND)> changed);
    ~ForegroundHook();
    ForegroundHook(const ForegroundHook&) = delete;
    ForegroundHook& operator=(const ForegroundHook&) = delete;

  private:
    static void CALLBACK Event(HWINEVENTHOOK hook, DWORD event, HWND window, LONG object, LONG child,
                               DWORD thread, DWORD time);

    std::function<void(HWND)> changed_;
    HWINEVENTHOOK hook_ = nullptr;
};
