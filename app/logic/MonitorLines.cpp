#include "app/logic/MonitorLines.h"

#include <cstdio>

#include "receiver/tovdrv.h"

std::optional<DispatchOutcome> ReceiverOutcome(int fate, bool learning, bool toDispatch) {
    if (learning) return DispatchOutcome::WhileLearning;
    switch (fate) {
        case cfHandedOver:
            if (toDispatch) return std::nullopt;
            return DispatchOutcome::ToChooser;
        case cfRepeatDropped:
            return DispatchOutcome::SkippedRepeat;
        case cfPausedDropped:
            return DispatchOutcome::SkippedPaused;
        default:
            return DispatchOutcome::SkippedBusy;
    }
}

std::string OutcomeText(const DispatchReport& report) {
    switch (report.outcome) {
        case DispatchOutcome::RanMacro:
            return "ran macro " + report.itemName;
        case DispatchOutcome::ChoseCommand:
            return "opened the command chooser of macro " + report.itemName;
        case DispatchOutcome::ActivatedGroup:
            return "activated group " + report.itemName;
        case DispatchOutcome::FirstOfSequence:
            return "first button of a sequence";
        case DispatchOutcome::NextOfSequence:
            return "next button of a sequence";
        case DispatchOutcome::WaitingForHold:
            return "waiting: a short or a long press";
        case DispatchOutcome::TooShortForHold:
            return "skipped: only a long press runs an item";
        case DispatchOutcome::SkippedRepeat:
            return "skipped: repeat";
        case DispatchOutcome::SkippedPaused:
            return "skipped: receiver paused";
        case DispatchOutcome::SkippedBusy:
            return "skipped: too many presses waiting";
        case DispatchOutcome::WhileLearning:
            return "while learning";
        case DispatchOutcome::ToChooser:
            return "to the command chooser";
        case DispatchOutcome::NoItem:
            break;
    }
    return "no item";
}

std::string MonitorLineText(long long millisecondsOfDay, const DispatchReport& report) {
    char time[32];
    const long long seconds = millisecondsOfDay / 1000;
    std::snprintf(time, sizeof time, "%02lld:%02lld:%02lld.%03lld", seconds / 3600 % 24, seconds / 60 % 60,
                  seconds % 60, millisecondsOfDay % 1000);
    return std::string(time) + "\t" + report.command + "\t" + std::to_string(report.repeatCount) + "\t" +
           OutcomeText(report);
}

bool MonitorLines::Add(std::string line) {
    lines_.push_back(std::move(line));
    if (lines_.size() <= kMaxLines) return false;
    lines_.pop_front();
    return true;
}

std::string MonitorLines::Copy(const std::vector<int>& selected) const {
    std::string text;
    for (const int index : selected)
        if (index >= 0 && static_cast<std::size_t>(index) < lines_.size()) text += lines_[index] + "\r\n";
    return text;
}
