// Long presses, told the same way for every receiver: the button pressed last
// is held until the driver reports its release (repeat count -1, drivers that
// know it exactly) or until no repeat of it comes within a release time
// derived from the pace at which this receiver repeats. The watch reports
// two marked commands (HoldMark) for the host: "<button>@hold" once, as soon
// as a repeat shows the button held for the hold time, and
// "<button>@release" when the hold ends.
#pragma once

#include <chrono>
#include <optional>
#include <string>

class HoldWatch {
  public:
    using Clock = std::chrono::steady_clock;
    using Ms = std::chrono::milliseconds;
    // Until this receiver has shown its pace: the slowest first repeat of our
    // drivers (a Windows remote's 400 ms) and the slowest pace (LIRC's 200 ms).
    static constexpr Ms kFirstRepeatGuess{400};
    static constexpr Ms kPaceGuess{200};

    static constexpr Ms kDefaultHoldTime{600};

    void SetHoldTime(Ms holdTime) { holdTime_ = holdTime; }

    // A press (repeatCount 0), a repeat (n > 0) or an exact release (-1).
    // Fills before with a release to hand over ahead of this press, after
    // with a hold mark to hand over behind it ("" for none).
    void Arrive(const std::string& command, int repeatCount, Clock::time_point now, std::string& before,
                std::string& after);
    // The release inferred by now, if any ("" for none).
    std::string Due(Clock::time_point now);
    // Forgets the held button (its pace is kept), as after the receiver stopped.
    void Forget() {
        held_.reset();
        inferred_.reset();
    }
    // When the held button counts as released unless a repeat comes.
    std::optional<Clock::time_point> NextDue() const;

  private:
    struct Held {
        std::string command;
        Clock::time_point pressed;
        Clock::time_point last;
        int repeats = 0;
        bool holdReported = false;
    };
    // The wait for the next repeat before the button counts as released.
    Ms ReleaseTime(const Held& held) const;
    std::string End();

    Ms holdTime_ = kDefaultHoldTime;
    Ms firstRepeat_ = kFirstRepeatGuess;
    Ms pace_ = kPaceGuess;
    std::optional<Held> held_;
    // The hold ended last by inference: a repeat of it that comes later
    // shows that this receiver repeats more slowly than was thought.
    std::optional<Held> inferred_;
};
