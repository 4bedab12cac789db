// What the dispatch did with each received command, told to whoever watches
// (the receiver monitor); nobody watches while the monitor is closed.
#pragma once

#include <string>

enum class DispatchOutcome {
    RanMacro,
    ChoseCommand,  // a macro that lets the user pick one of its commands
    ActivatedGroup,
    FirstOfSequence,
    NextOfSequence,
    WaitingForHold,   // a button with a long item: held or short is not known yet
    TooShortForHold,  // a short press of a button that only a long press runs
    NoItem,
    // Told by the receiver, for commands that never reach the dispatch.
    SkippedRepeat,
    SkippedPaused,
    SkippedBusy,
    WhileLearning,
    ToChooser
};

struct DispatchReport {
    // The received command, or the whole sequence when its wait ended.
    std::string command;
    // Back-to-back repetitions of the same macro before this one; for a
    // command the receiver told of, its repeat count.
    int repeatCount = 0;
    DispatchOutcome outcome = DispatchOutcome::NoItem;
    // The macro or group, when there is one.
    std::string itemName;
};

class DispatchMonitor {
  public:
    virtual ~DispatchMonitor() = default;
    virtual void Dispatched(const DispatchReport& report) = 0;
};
