#include "receiver/HoldWatch.h"

#include <algorithm>

#include "core/HoldMark.h"

HoldWatch::Ms HoldWatch::ReleaseTime(const Held& held) const {
    // Half a gap more than expected, and 50 ms for a busy machine or network.
    const Ms expected = held.repeats == 0 ? firstRepeat_ : pace_;
    return expected + expected / 2 + Ms(50);
}

std::string HoldWatch::End() {
    std::string release = WithHoldMark(held_->command, HoldMark::Release);
    held_.reset();
    return release;
}

void HoldWatch::Arrive(const std::string& command, int repeatCount, Clock::time_point now,
                       std::string& before, std::string& after) {
    before.clear();
    after.clear();
    const bool same = held_ && held_->command == command;
    if (repeatCount < 0) {
        if (same) before = End();
        return;
    }
    if (repeatCount > 0 && same) {
        const Ms gap = std::chrono::duration_cast<Ms>(now - held_->last);
        (held_->repeats == 0 ? firstRepeat_ : pace_) = gap;
        ++held_->repeats;
        held_->last = now;
        if (!held_->holdReported && now - held_->pressed >= holdTime_) {
            held_->holdReported = true;
            after = WithHoldMark(command);
        }
        return;
    }
    if (held_) before = End();
    if (repeatCount > 0) {
        // A repeat of a hold that was taken as released: wait longer next time.
        if (inferred_ && inferred_->command == command) {
            Ms& expected = inferred_->repeats == 0 ? firstRepeat_ : pace_;
            expected = std::max(expected, std::chrono::duration_cast<Ms>(now - inferred_->last));
            inferred_.reset();
        }
        return;
    }
    inferred_.reset();
    held_ = Held{command, now, now};
}

std::string HoldWatch::Due(Clock::time_point now) {
    if (!held_ || now < *NextDue()) return "";
    inferred_ = held_;
    return End();
}

std::optional<HoldWatch::Clock::time_point> HoldWatch::NextDue() const {
    if (!held_) return std::nullopt;
    return held_->last + ReleaseTime(*held_);
}
