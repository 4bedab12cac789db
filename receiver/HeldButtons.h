// Press, hold and release of a Windows remote's buttons, made to look like an
// IR remote's: a press, then while the button is held repeats with their
// count (the first after kFirstRepeat, then every kRepeatPace) until the
// release, which is reported too. Only the button pressed last repeats, as
// on a remote. The time
// comes from the caller, so the pace is tested without waiting.
#pragma once

#include <chrono>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

struct HidPress {
    std::string command;
    int repeatCount;  // 0 for the press, n for the n-th repeat, -1 for the release
    bool operator==(const HidPress& other) const {
        return command == other.command && repeatCount == other.repeatCount;
    }
};

class HeldButtons {
  public:
    using Clock = std::chrono::steady_clock;
    static constexpr std::chrono::milliseconds kFirstRepeat{400};
    static constexpr std::chrono::milliseconds kRepeatPace{110};
    // A receiver may report one press on two of its collections: the same
    // button from another source this soon after the first is the same press.
    static constexpr std::chrono::milliseconds kDuplicateWindow{100};

    // A report of one source (a collection of a device, or a keyboard) with
    // every button it now holds down; the presses and the release it makes.
    std::vector<HidPress> Report(const std::string& source, const std::set<std::string>& down,
                                 Clock::time_point now);
    // The repeat due by now, if one is.
    std::optional<HidPress> Due(Clock::time_point now);
    // When the next repeat is due; nothing while no button repeats.
    std::optional<Clock::time_point> NextDue() const;
    // Forgets every button, as after the receiver stopped.
    void Clear();

  private:
    struct Press {
        std::string source;
        Clock::time_point at;
    };
    struct Held {
        std::string source;
        std::string command;
        Clock::time_point next;
        int repeats;
    };

    bool Duplicate(const std::string& source, const std::string& command, Clock::time_point now) const;

    std::map<std::string, std::set<std::string>> down_;  // by source
    std::map<std::string, Press> lastPress_;             // by command
    std::optional<Held> held_;
};
