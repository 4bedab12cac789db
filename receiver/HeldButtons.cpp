#include "receiver/HeldButtons.h"

bool HeldButtons::Duplicate(const std::string& source, const std::string& command,
                            Clock::time_point now) const {
    const auto last = lastPress_.find(command);
    return last != lastPress_.end() && last->second.source != source &&
           now - last->second.at < kDuplicateWindow;
}

std::vector<HidPress> HeldButtons::Report(const std::string& source, const std::set<std::string>& down,
                                          Clock::time_point now) {
    std::set<std::string>& before = down_[source];
    if (held_ && held_->source == source && !down.count(held_->command)) held_.reset();
    std::vector<HidPress> presses;
    for (const std::string& command : down) {
        if (before.count(command)) continue;
        if (Duplicate(source, command, now)) continue;
        lastPress_[command] = {source, now};
        presses.push_back({command, 0});
        held_ = Held{source, command, now + kFirstRepeat, 0};
    }
    before = down;
    return presses;
}

std::optional<HidPress> HeldButtons::Due(Clock::time_point now) {
    if (!held_ || held_->next > now) return std::nullopt;
    held_->next += kRepeatPace;
    // After a late call (a busy machine) the pace starts again rather than
    // making up the repeats it missed in a burst.
    if (held_->next <= now) held_->next = now + kRepeatPace;
    return HidPress{held_->command, ++held_->repeats};
}

std::optional<HeldButtons::Clock::time_point> HeldButtons::NextDue() const {
    if (!held_) return std::nullopt;
    return held_->next;
}

void HeldButtons::Clear() {
    down_.clear();
    lastPress_.clear();
    held_.reset();
}
