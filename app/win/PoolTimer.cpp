#include "app/win/PoolTimer.h"

#include "core/Guarded.h"

PoolTimer::PoolTimer(std::function<void()> fire)
    : fire_(std::move(fire)), timer_(CreateThreadpoolTimer(&PoolTimer::Fired, this, nullptr)) {}

PoolTimer::~PoolTimer() {
    if (!timer_) return;
    SetThreadpoolTimer(timer_, nullptr, 0, 0);
    WaitForThreadpoolTimerCallbacks(timer_, TRUE);
    CloseThreadpoolTimer(timer_);
}

void PoolTimer::Start(unsigned milliseconds) {
    if (!timer_) {
        // No pool timer: at once, on this thread.
        fire_();
        return;
    }
    // A negative due time is relative, in units of 100 ns.
    LARGE_INTEGER due;
    due.QuadPart = -static_cast<LONGLONG>(milliseconds) * 10000;
    FILETIME dueTime{due.LowPart, static_cast<DWORD>(due.HighPart)};
    SetThreadpoolTimer(timer_, &dueTime, 0, 0);
}

void CALLBACK PoolTimer::Fired(PTP_CALLBACK_INSTANCE, void* context, PTP_TIMER) {
    Guarded([&] { static_cast<PoolTimer*>(context)->fire_(); });
}
