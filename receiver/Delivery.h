// How received presses reach the host's callback: on the host's thread, one
// at a time, never while paused, and repeats of a held button only when the
// host wants them. The receiver's status texts take the same way to their
// own callback, one call at a time with the commands.
#pragma once

#include <chrono>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

#include "receiver/HoldWatch.h"
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
    // At most this many dropped commands wait for the watch callback.
    static constexpr std::size_t kMaxDropNotes = 64;

    // wake asks the host's thread, from any thread, to call DeliverNext soon.
    explicit Delivery(std::function<void()> wake);

    void SetCallback(TIRCommandProc callback);
    TIRCommandProc Callback() const;
    void SetStatusCallback(TStatusProc callback);
    // Every later press, repeat and mark is also told to it with its fate; a
    // command handed over just before the callback gets it.
    void SetWatchCallback(TWatchProc watch);
    void SetPause(bool paused);
    void SetRepeat(bool on);
    void SetFirstRepeatDelay(FirstRepeatDelay delay);
    // On: the host also gets the marked commands of HoldWatch, for long
    // presses, whatever the repeat mode.
    void SetHoldReports(bool on);
    void SetHoldTime(std::chrono::milliseconds holdTime);

    // Any thread: a press reported by the receiver. repeatCount 0 is a new
    // press, n > 0 the n-th repeat of a held button, -1 its release.
    void Arrive(std::string_view command, int repeatCount, Clock::time_point now);
    // Any thread: a status text of the receiver. Pause does not hold it
    // back, and it waits while no status callback is set.
    void ArriveStatus(std::string_view text);

    // The host's thread: hands the oldest waiting status text, or else the
    // oldest waiting command, to its callback, and then the next one while
    // keepGoing() (asked after each call) says so, so that one wake-up
    // serves what came together, such as a release mark and the next press.
    // What is left asks for another wake-up. Does nothing while a call is
    // running (a nested message loop inside the callback): what waits is
    // handed over after the call returns.
    void DeliverNext(const std::function<bool()>& keepGoing = {});

    // The host's thread: hands over the release of a button whose repeats
    // stopped by now. Returns when to ask again, if a button is held.
    std::optional<Clock::time_point> CheckRelease(Clock::time_point now);

    // Drops every waiting command and status text.
    void Clear();

  private:
    // A command to hand over, or (with another fate) a note of a dropped one
    // for the watch.
    struct Press {
        std::string command;
        int repeatCount;
        TCommandFate fate = cfHandedOver;
        bool repeat() const { return repeatCount > 0; }
    };

    bool Wanted(const Press& press) const;
    TCommandFate DroppedFate() const;
    TCommandFate FateNow(const Press& press) const;
    bool Queue(Press press);
    std::size_t CommandsWaiting() const { return waiting_.size() - dropNotes_; }
    bool RepeatWaiting(const std::string& command) const;
    bool TooEarly(const std::string& command, bool repeat, Clock::time_point now);
    bool RequestWake();
    bool Mark(const std::string& command);
    bool Deliverable() const;
    bool HandOverOne();

    const std::function<void()> wake_;
    mutable std::mutex mutex_;
    std::deque<Press> waiting_;
    TIRCommandProc callback_{nullptr, nullptr};
    std::deque<std::string> statuses_;
    TStatusProc statusCallback_{nullptr, nullptr};
    TWatchProc watch_{nullptr, nullptr};
    // Notes of dropped commands among waiting_.
    std::size_t dropNotes_ = 0;
    bool paused_ = false;
    bool repeat_ = false;
    bool delivering_ = false;
    bool wakeRequested_ = false;
    FirstRepeatDelay firstRepeat_;
    bool holdReports_ = false;
    HoldWatch hold_;
    // The button being held, for the first-repeat delay.
    std::string held_;
    Clock::time_point heldSince_{};
    int heldRepeats_ = 0;
};
