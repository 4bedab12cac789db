// One button, two items: the item learnt for the button's short press and the
// one learnt for its long press ("<button>@hold"). The receiver marks the
// hold and the release of the button held last; this decides what of it the
// dispatch runs. Buttons without a long item pass at once, unchanged.
#pragma once

#include <string>

#include "app/logic/Items.h"

// What became of the last received command, for a monitor to show.
enum class PressOutcome {
    Dispatched,     // handed on to the dispatch
    WaitingToTell,  // a button with a long item: held or short is not known yet
    TooShortToRun,  // a short press of a button that has only a long item
    PartOfAHold,    // a repeat or mark of a hold that already ran or ended
};

class LongPress {
  public:
    explicit LongPress(Items& items) : items_(items) {}

    // The command to dispatch for a received one ("" for none). A button
    // pressed while a sequence waits is part of the sequence, never held.
    std::string Receive(const std::string& received, bool sequenceWaits);
    PressOutcome Outcome() const { return outcome_; }
    void Forget() { held_.clear(); }

  private:
    std::string Pass(std::string command);
    std::string Drop(PressOutcome outcome);
    bool RunsOnRepeat(const std::string& longCommand);

    Items& items_;
    PressOutcome outcome_ = PressOutcome::Dispatched;
    // The button with a long item that is held now, "" for none.
    std::string held_;
    bool longRan_ = false;
};
