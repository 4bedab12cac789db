#include "app/logic/LongPress.h"

#include "core/CommandList.h"
#include "core/HoldMark.h"
#include "core/Text.h"

std::string LongPress::Pass(std::string command) {
    outcome_ = PressOutcome::Dispatched;
    return command;
}

std::string LongPress::Drop(PressOutcome outcome) {
    outcome_ = outcome;
    return "";
}

// The long item is run again by repeats only when it is a REPEAT macro.
bool LongPress::RunsOnRepeat(const std::string& longCommand) {
    const ItemMatch match = items_.findItemByCommand(longCommand.c_str(), true);
    const TMacroRecord* macro = match.id.empty() ? nullptr : items_.getMacro(match.id.c_str());
    return macro && ReadCommandList(FieldText(macro->Commands)).repeat;
}

std::string LongPress::Receive(const std::string& received, bool sequenceWaits) {
    const MarkedCommand marked = SplitHoldMark(received);
    const bool ofHeld = !held_.empty() && marked.button == held_;
    switch (marked.mark) {
        case HoldMark::Release: {
            if (!ofHeld) return Drop(PressOutcome::PartOfAHold);
            held_.clear();
            if (longRan_) return Drop(PressOutcome::PartOfAHold);
            const ItemMatch shortItem = items_.findItemByCommand(marked.button.c_str(), false);
            if (shortItem.id.empty() && shortItem.count <= 0) return Drop(PressOutcome::TooShortToRun);
            return Pass(marked.button);
        }
        case HoldMark::Hold:
            if (!ofHeld || longRan_) return Drop(PressOutcome::PartOfAHold);
            longRan_ = true;
            return Pass(received);
        case HoldMark::None:
            break;
    }
    if (ofHeld) {
        const std::string longCommand = WithHoldMark(received);
        return longRan_ && RunsOnRepeat(longCommand) ? Pass(longCommand) : Drop(PressOutcome::PartOfAHold);
    }
    held_.clear();
    if (!sequenceWaits && !items_.findItemByCommand(WithHoldMark(received).c_str(), true).id.empty()) {
        held_ = received;
        longRan_ = false;
        return Drop(PressOutcome::WaitingToTell);
    }
    return Pass(received);
}
