// A one-shot timer whose function runs on a thread of the process's pool, so
// that it fires also while the window thread is busy (a macro's pause does
// not process messages). Starting it again moves the time it fires.
#pragma once

#include <windows.h>

#include <functional>

class PoolTimer {
  public:
    explicit PoolTimer(std::function<void()> fire);
    // Cancels the timer and waits for a run that has begun.
    ~PoolTimer();
    PoolTimer(const PoolTimer&) = delete;
    PoolTimer& operator=(const PoolTimer&) = delete;

    void Start(unsigned milliseconds);

  private:
    static void CALLBACK Fired(PTP_CALLBACK_INSTANCE, void* context, PTP_TIMER);

    std::function<void()> fire_;
    PTP_TIMER timer_;
};
