// The wait between attempts to reach a receiver that went away: a quarter
// of a second at first, twice as long after each attempt that came to
// nothing, at most five seconds.
#pragma once

#include <chrono>

class Backoff {
  public:
    static constexpr std::chrono::milliseconds kFirst{250};
    static constexpr std::chrono::milliseconds kLongest{5000};

    // The wait before the next attempt; the one after it is twice as long.
    std::chrono::milliseconds Next();
    // After an attempt that reached the receiver: the next wait is short again.
    void Reset() { next_ = kFirst; }

  private:
    std::chrono::milliseconds next_ = kFirst;
};
