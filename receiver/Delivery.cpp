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

bool Delivery::Wanted(const Press& press) const {
    return callback_.Proc && !paused_ && (repeat_ || !press.repeat);
}

bool Delivery::RepeatWaiting(const std::string& command) const {
    for (const Press& press : waiting_)
        if (press.repeat && press.command == command) return true;
    return false;
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

// Something waits that a callback would take now.
bool Delivery::Deliverable() const {
    return !waiting_.empty() || (statusCallback_.Proc && !statuses_.empty());
}

bool Delivery::RequestWake() {
    if (wakeRequested_) return false;
    wakeRequested_ = true;
    return true;
}

void Delivery::Arrive(std::string_view text, int repeatCount, Clock::time_point now) {
    Press press{MakeIRCommand(text), repeatCount > 0};
    if (press.command.empty()) return;
    bool wake = false;
    {
        std::lock_guard lock(mutex_);
        if (TooEarly(press.command, press.repeat, now) || !Wanted(press)) return;
        // While the host is busy one waiting repeat stands for the whole
        // hold: a long macro must not be run again for every repeat.
        if (waiting_.size() >= kMaxWaiting || (press.repeat && RepeatWaiting(press.command))) return;
        waiting_.push_back(std::move(press));
        wake = RequestWake();
    }
    if (wake) wake_();
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

void Delivery::DeliverNext() {
    std::string text;
    // One of the two procedures, both taking a context and a text.
    void (*proc)(void*, const char*) = nullptr;
    void* context = nullptr;
    {
        std::lock_guard lock(mutex_);
        wakeRequested_ = false;
        if (delivering_) return;
        if (statusCallback_.Proc && !statuses_.empty()) {
            text = std::move(statuses_.front());
            statuses_.pop_front();
            proc = statusCallback_.Proc;
            context = statusCallback_.Context;
        } else {
            // Pause and repeat apply again now: they may have changed while
            // the command waited.
            while (!waiting_.empty() && !Wanted(waiting_.front())) waiting_.pop_front();
            if (waiting_.empty()) return;
            text = std::move(waiting_.front().command);
            waiting_.pop_front();
            proc = callback_.Proc;
            context = callback_.Context;
        }
        delivering_ = true;
    }
    struct EndOfCall {
        Delivery& delivery;
        ~EndOfCall() {
            bool wake = false;
            {
                std::lock_guard lock(delivery.mutex_);
                delivery.delivering_ = false;
                wake = delivery.Deliverable() && delivery.RequestWake();
            }
            if (wake) delivery.wake_();
        }
    } endOfCall{*this};
    proc(context, text.c_str());
}

void Delivery::Clear() {
    std::lock_guard lock(mutex_);
    waiting_.clear();
    statuses_.clear();
}
