#include "receiver/Delivery.h"

#include <utility>

#include "core/Text.h"
#include "receiver/IRCommandText.h"

Delivery::Delivery(std::function<void()> wake) : wake_(std::move(wake)) {}

void Delivery::SetCallback(TIRCommandProc callback) {
    std::lock_guard lock(mutex_);
    callback_ = callback;
}

TIRCommandProc Delivery::Callback() const {
    std::lock_guard lock(mutex_);
    return callback_;
}

void Delivery::SetStatusCallback(TStatusProc callback) {
    std::lock_guard lock(mutex_);
    statusCallback_ = callback;
}

void Delivery::SetWatchCallback(TWatchProc watch) {
    std::lock_guard lock(mutex_);
    watch_ = watch;
}

void Delivery::SetPause(bool paused) {
    std::lock_guard lock(mutex_);
    paused_ = paused;
}

void Delivery::SetRepeat(bool on) {
    std::lock_guard lock(mutex_);
    repeat_ = on;
}

void Delivery::SetFirstRepeatDelay(FirstRepeatDelay delay) {
    std::lock_guard lock(mutex_);
    firstRepeat_ = delay;
}

void Delivery::SetHoldReports(bool on) {
    std::lock_guard lock(mutex_);
    holdReports_ = on;
}

void Delivery::SetHoldTime(std::chrono::milliseconds holdTime) {
    std::lock_guard lock(mutex_);
    hold_.SetHoldTime(holdTime);
}

bool Delivery::Wanted(const Press& press) const {
    return callback_.Proc && !paused_ && (repeat_ || !press.repeat());
}

// Why a command that is not wanted is dropped.
TCommandFate Delivery::DroppedFate() const {
    return !callback_.Proc || paused_ ? cfPausedDropped : cfRepeatDropped;
}

TCommandFate Delivery::FateNow(const Press& press) const {
    if (!Wanted(press)) return DroppedFate();
    if (CommandsWaiting() >= kMaxWaiting) return cfBusyDropped;
    // While the host is busy one waiting repeat stands for the whole hold: a
    // long macro must not be run again for every repeat.
    if (press.repeat() && RepeatWaiting(press.command)) return cfRepeatDropped;
    return cfHandedOver;
}

bool Delivery::RepeatWaiting(const std::string& command) const {
    for (const Press& press : waiting_)
        if (press.fate == cfHandedOver && press.repeat() && press.command == command) return true;
    return false;
}

// Queues a command, or the note of a dropped one while a watch wants it;
// true when the host must be woken.
bool Delivery::Queue(Press press) {
    if (press.fate != cfHandedOver) {
        if (!watch_.Proc || dropNotes_ >= kMaxDropNotes) return false;
        ++dropNotes_;
    }
    waiting_.push_back(std::move(press));
    return RequestWake();
}

bool Delivery::TooEarly(const std::string& command, bool repeat, Clock::time_point now) {
    // Every press is tracked, so a change of mode later still sees the true
    // hold; a repeat of another button starts a hold whose press was missed.
    if (!repeat || command != held_) {
        held_ = command;
        heldSince_ = now;
        heldRepeats_ = 0;
    }
    if (!repeat) return false;
    ++heldRepeats_;
    return heldRepeats_ <= firstRepeat_.skipRepeats || now - heldSince_ < firstRepeat_.delay;
}

// Something waits that a callback would take now (a note for the watch waits
// with the commands).
bool Delivery::Deliverable() const {
    return !waiting_.empty() || (statusCallback_.Proc && !statuses_.empty());
}

bool Delivery::RequestWake() {
    if (wakeRequested_) return false;
    wakeRequested_ = true;
    return true;
}

// Queues a marked command of the hold watch; true when the host must be woken.
bool Delivery::Mark(const std::string& command) {
    if (!holdReports_ || command.empty()) return false;
    Press mark{command, 0};
    mark.fate = FateNow(mark);
    return Queue(std::move(mark));
}

void Delivery::Arrive(std::string_view text, int repeatCount, Clock::time_point now) {
    Press press{MakeIRCommand(text), repeatCount};
    if (press.command.empty()) return;
    bool wake = false;
    {
        std::lock_guard lock(mutex_);
        std::string before;
        std::string after;
        hold_.Arrive(press.command, repeatCount, now, before, after);
        wake = Mark(before);
        if (repeatCount >= 0) {
            press.fate = TooEarly(press.command, press.repeat(), now) ? cfRepeatDropped : FateNow(press);
            wake = Queue(std::move(press)) || wake;
        }
        wake = Mark(after) || wake;
        // The host's thread watches for the release of the new hold.
        if (repeatCount == 0 && holdReports_) wake = RequestWake() || wake;
    }
    if (wake) wake_();
}

std::optional<Delivery::Clock::time_point> Delivery::CheckRelease(Clock::time_point now) {
    bool wake = false;
    std::optional<Clock::time_point> next;
    {
        std::lock_guard lock(mutex_);
        wake = Mark(hold_.Due(now));
        if (holdReports_) next = hold_.NextDue();
    }
    if (wake) wake_();
    return next;
}

void Delivery::ArriveStatus(std::string_view text) {
    bool wake = false;
    {
        std::lock_guard lock(mutex_);
        // The latest texts tell how the receiver fares now.
        if (statuses_.size() >= kMaxStatuses) statuses_.pop_front();
        statuses_.emplace_back(text.substr(0, kMaxStatusLength));
        wake = statusCallback_.Proc && RequestWake();
    }
    if (wake) wake_();
}

void Delivery::DeliverNext(const std::function<bool()>& keepGoing) {
    {
        std::lock_guard lock(mutex_);
        wakeRequested_ = false;
        if (delivering_) return;
    }
    while (HandOverOne() && keepGoing && keepGoing()) {
    }
    bool wake = false;
    {
        std::lock_guard lock(mutex_);
        wake = Deliverable() && RequestWake();
    }
    if (wake) wake_();
}

// Hands one waiting text to its callback; true when one was handed over.
bool Delivery::HandOverOne() {
    std::string text;
    // One of the two procedures, both taking a context and a text.
    void (*proc)(void*, const char*) = nullptr;
    void* context = nullptr;
    TWatchProc watch{nullptr, nullptr};
    Press press{"", 0};
    {
        std::lock_guard lock(mutex_);
        if (statusCallback_.Proc && !statuses_.empty()) {
            text = std::move(statuses_.front());
            statuses_.pop_front();
            proc = statusCallback_.Proc;
            context = statusCallback_.Context;
        } else {
            do {
                if (waiting_.empty()) return false;
                press = std::move(waiting_.front());
                waiting_.pop_front();
                if (press.fate != cfHandedOver) {
                    --dropNotes_;
                } else if (!Wanted(press)) {
                    // Pause and repeat apply again now: they may have changed
                    // while the command waited.
                    press.fate = DroppedFate();
                }
            } while (press.fate != cfHandedOver && !watch_.Proc);
            watch = watch_;
            if (press.fate == cfHandedOver) {
                text = press.command;
                proc = callback_.Proc;
                context = callback_.Context;
            }
        }
        delivering_ = true;
    }
    struct EndOfCall {
        Delivery& delivery;
        ~EndOfCall() {
            std::lock_guard lock(delivery.mutex_);
            delivery.delivering_ = false;
        }
    } endOfCall{*this};
    if (watch.Proc) watch.Proc(watch.Context, press.command.c_str(), press.repeatCount, press.fate);
    if (proc) proc(context, text.c_str());
    return true;
}

void Delivery::Clear() {
    std::lock_guard lock(mutex_);
    waiting_.clear();
    dropNotes_ = 0;
    statuses_.clear();
    hold_.Forget();
}
