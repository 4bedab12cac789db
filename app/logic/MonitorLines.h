// The receiver monitor's lines: one per dispatched command, the newest last,
// the oldest dropped beyond kMaxLines.
#pragma once

#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "app/logic/DispatchMonitor.h"

// The outcome for a command that the receiver told of with its TCommandFate:
// none for a command handed to the dispatch, which reports it itself.
// toDispatch: the dispatch holds the receiver (no learn dialog or chooser).
std::optional<DispatchOutcome> ReceiverOutcome(int fate, bool learning, bool toDispatch);

// What the user reads for an outcome: "ran macro Volume up", "no item", ...
std::string OutcomeText(const DispatchReport& report);

// "hh:mm:ss.mmm<TAB>command<TAB>repeat count<TAB>outcome", the time of day
// given in milliseconds since midnight.
std::string MonitorLineText(long long millisecondsOfDay, const DispatchReport& report);

class MonitorLines {
  public:
    static constexpr std::size_t kMaxLines = 1000;

    // True when the oldest line went to make room.
    bool Add(std::string line);
    void Clear() { lines_.clear(); }
    const std::deque<std::string>& Lines() const { return lines_; }
    // The lines at these places, each ended by CR LF, for the clipboard.
    std::string Copy(const std::vector<int>& selected) const;

  private:
    std::deque<std::string> lines_;
};
