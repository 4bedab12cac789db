// How received presses reach the host's callback: on the host's thread, one
// at a time, never while paused, and repeats of a held button only when the
// host wants them. The receiver's status texts take the same way to their
// own callback, one call at a time with the commands.
#pragma once

#include <chrono>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>

#include "receiver/tovdrv.h"

// Repeats of a held button that are dropped even with repeat on, so that a
// short press on a fast-repeating remote does not count twice: the first
// skipRepeats repeats, and every repeat sooner than delay after the press.
struct FirstRepeatDelay {
    int skipRepeats = 0;
    std::chrono::milliseconds delay{0};
};

class Delivery {
  public:
    using Clock = std::chrono::steady_clock;
    // At most this many commands wait while the host is busy.
    static constexpr std::size_t kMaxWaiting = 64;
    // At most this many status texts wait (the latest), each cut to
    // kMaxStatusLength.
    static constexpr std::size_t kMaxStatuses = 8;
    static constexpr std::size_t kMaxStatusLength = 255;

    // wake asks the host's thread, from any thread, to call DeliverNext soon.
    explicit Delivery(std::function<void()> wake);

    void SetCallback(TIRCommandProc callback);
    TIRCommandProc Callback() const;
    void SetStatusCallback(TStatusProc callback);
    void SetPause(bool paused);
    void SetRepeat(bool on);
    void SetFirstRepeatDelay(FirstRepeatDelay delay);

    // Any thread: a press reported by the receiver. repeatCount 0 is a new
    // press, n > 0 the n-th repeat of a held button.
    void Arrive(std::string_view command, int repeatCount, Clock::time_point now);
    // Any thread: a status text of the receiver. Pause does not hold it
    // back, and it waits while no status callback is set.
    void ArriveStatus(std::string_view text);

    // The host's thread: hands the oldest waiting status text, or else the
    // oldest waiting command, to its callback. Does nothing while a call is
    // running (a nested message loop inside the callback): that one is
    // handed over after the call returns.
    void DeliverNext();

    // Drops every waiting command and status text.
    void Clear();

  private:
    struct Press {
        std::string command;
        bool repeat;
    };

    bool Wanted(const Press& press) const;
    bool RepeatWaiting(const std::string& command) const;
    bool TooEarly(const std::string& command, bool repeat, Clock::time_point now);
    bool RequestWake();
    bool Deliverable() const;

    const std::function<void()> wake_;
    mutable std::mutex mutex_;
    std::deque<Press> waiting_;
    TIRCommandProc callback_{nullptr, nullptr};
    std::deque<std::string> statuses_;
    TStatusProc statusCallback_{nullptr, nullptr};
    bool paused_ = false;
    bool repeat_ = false;
    bool delivering_ = false;
    bool wakeRequested_ = false;
    FirstRepeatDelay firstRepeat_;
    // The button being held, for the first-repeat delay.
    std::string held_;
    Clock::time_point heldSince_{};
    int heldRepeats_ = 0;
};
