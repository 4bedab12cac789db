// A hidden message-only window on the thread that registered the callback:
// the driver's thread wakes that thread through it, and the callback then
// runs from the thread's own message processing. onWake returns how many
// milliseconds later it wants to run again without a wake (INFINITE: not).
#pragma once

#include <windows.h>

#include <atomic>

class DeliveryWindow {
  public:
    explicit DeliveryWindow(unsigned (*onWake)()) : onWake_(onWake) {}

    // Makes the window live on the calling thread (the one on another
    // thread is closed); false when it cannot be created.
    bool MoveToCurrentThread();
    // Any thread: onWake will run on the window's thread.
    void Wake();
    void Close();

  private:
    unsigned (*const onWake_)();
    std::atomic<HWND> window_{nullptr};
};
