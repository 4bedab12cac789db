#include "app/logic/Dispatcher.h"

#include "app/logic/ForegroundGroup.h"
#include "core/CommandList.h"
#include "core/Settings.h"
#include "core/Text.h"

namespace {
// A received command: at most 128 characters and its terminator.
constexpr std::size_t kIRCommandSize = 129;
}  // namespace

Dispatcher::Dispatcher(Items& items, Desktop& desktop, Timers& timers, ProgramHooks& hooks,
                       MacroExecutor& executor)
    : items_(items), desktop_(desktop), timers_(timers), hooks_(hooks), executor_(executor) {
    executor_.SetItemRunner(this);
}

void Dispatcher::ReceiveIRCommand(const char* command) {
    hooks_.CommandReceived();
    const std::string received = longPress_.Receive(std::string(FixedText(command, kIRCommandSize)),
                                                    timers_.IsRunning(DispatchTimer::Button));
    if (received.empty()) {
        // Busy while held or short is not known yet; the icon and the
        // monitor are left alone for the repeats and marks of a hold.
        const PressOutcome outcome = longPress_.Outcome();
        if (outcome == PressOutcome::PartOfAHold) return;
        const bool waiting = outcome == PressOutcome::WaitingToTell;
        Report(std::string(FixedText(command, kIRCommandSize)),
               waiting ? DispatchOutcome::WaitingForHold : DispatchOutcome::TooShortForHold);
        hooks_.UpdateTrayIcon(true, waiting);
        return;
    }
    // The tray icon turns red once the user can wait for something: while a
    // sequence waits for its next button, or right after a macro's first key
    // (MacroStarted), so that changing the icon never delays that key.
    const bool continues = timers_.IsRunning(DispatchTimer::Button);
    if (continues) {
        timers_.Stop(DispatchTimer::Button);
        PendingSequence += ";" + received;
    } else {
        PendingSequence = received;
    }

    const ItemMatch match = items_.findItemByCommand(PendingSequence.c_str(), false);
    if (!match.id.empty()) {
        PendingSequence.clear();
        ReportItem(received, match.id);
        ExecuteItem(match.id.c_str());
    } else if (match.count <= 0) {
        Report(received, DispatchOutcome::NoItem);
        hooks_.UpdateTrayIcon(true, false);
    } else {
        Report(received, continues ? DispatchOutcome::NextOfSequence : DispatchOutcome::FirstOfSequence);
        hooks_.UpdateTrayIcon(true, true);
        timers_.Start(DispatchTimer::Button, static_cast<unsigned>(ReadSetting(setting::SeqDelay)));
    }
}

void Dispatcher::timButtonTimer() {
    timers_.Stop(DispatchTimer::Button);
    const ItemMatch match = items_.findItemByCommand(PendingSequence.c_str(), true);
    const std::string sequence = std::move(PendingSequence);
    PendingSequence.clear();
    if (!match.id.empty() && match.count == 1) {
        ReportItem(sequence, match.id);
        ExecuteItem(match.id.c_str());
    } else {
        Report(sequence, DispatchOutcome::NoItem);
    }
    hooks_.UpdateTrayIcon(true, false);
}

void Dispatcher::RepeatTimerFired() {
    timers_.Stop(DispatchTimer::Repeat);
    executor_.SetRepeatCount(0);
}

void Dispatcher::ExecuteItem(const char* id) {
    TItemID itemID;
    CopyItemID(itemID, id);
    const WindowHandle previous = desktop_.ForegroundWindow();
    bool restore = false;

    if (TMacroRecord* macro = items_.getMacro(itemID)) {
        if (hooks_.IsReceiverActive())
            hooks_.SetReceiverRepeat(ReadCommandList(FieldText(macro->Commands)).repeat);
        if (macro->Select) {
            hooks_.UpdateTrayIcon(true, true);
            hooks_.ChooseAndExecuteCommand(macro);
        } else {
            restore = !macro->CurrentWindow && !macro->LeaveWindow;
            timers_.Stop(DispatchTimer::Repeat);
            const int repeatCount = NextRepeatCount(itemID);
            executor_.SetRepeatCount(repeatCount);
            if (repeatCount > 0) timers_.Start(DispatchTimer::Repeat, kRepeatGapMs);
            LastMacroID = itemID;
            executor_.ExecuteMacro(itemID, true, -1, previous);
        }
    } else if (items_.getBGroup(itemID)) {
        restore = !ActivateGroup(itemID);
    }

    if (restore && IsWindowHandle(previous)) executor_.BringToFront(previous);
    hooks_.UpdateTrayIcon(hooks_.IsReceiverActive(), false);
}

void Dispatcher::MacroStarted() { hooks_.UpdateTrayIcon(true, true); }

bool Dispatcher::ActivateGroup(const char* id) {
    TItemID groupID;
    CopyItemID(groupID, id);
    TBGroupRecord* group = items_.getBGroup(groupID);
    if (!group) return true;
    SelectGroup(groupID, *group);

    TItemID macroID;
    CopyItemID(macroID, group->MacroID);
    TMacroRecord* macro = items_.getMacro(macroID);
    if (!macro) return true;
    executor_.ExecuteMacro(macroID, false, -1);
    return macro->CurrentWindow || macro->LeaveWindow;
}

void Dispatcher::ForegroundChanged(WindowHandle window) {
    if (ReadSetting(setting::FollowForeground) != 1 || timers_.IsRunning(DispatchTimer::Button) ||
        executor_.Running())
        return;
    // A window that a macro brought to the front and that went back at its
    // end is no longer in front when its word arrives.
    if (!IsWindowHandle(window) || desktop_.ForegroundWindow() != window) return;
    TItemID groupID;
    CopyItemID(groupID, GroupOfProgram(items_, desktop_.ProgramFileOf(window)).c_str());
    const TBGroupRecord* group = items_.getBGroup(groupID);
    if (group && activeGroup_ != groupID) SelectGroup(groupID, *group);
}

void Dispatcher::SelectGroup(const TItemID& id, const TBGroupRecord& group) {
    items_.activateBGroup(id);
    activeGroup_ = id;
    hooks_.ShowCommand(std::string(FieldText(group.Name)).c_str());
}

int Dispatcher::NextRepeatCount(const char* id) const {
    return LastMacroID.empty() || LastMacroID != id ? 0 : executor_.RepeatCount() + 1;
}

void Dispatcher::Report(const std::string& command, DispatchOutcome outcome) {
    if (monitor_) monitor_->Dispatched({command, 0, outcome, ""});
}

void Dispatcher::ReportItem(const std::string& command, const std::string& id) {
    if (!monitor_) return;
    TItemID itemID;
    CopyItemID(itemID, id.c_str());
    DispatchReport report{command, 0, DispatchOutcome::NoItem, ""};
    if (const TMacroRecord* macro = items_.getMacro(itemID)) {
        report.itemName = FieldText(macro->Name);
        report.outcome = macro->Select ? DispatchOutcome::ChoseCommand : DispatchOutcome::RanMacro;
        if (!macro->Select) report.repeatCount = NextRepeatCount(itemID);
    } else if (const TBGroupRecord* group = items_.getBGroup(itemID)) {
        report.itemName = FieldText(group->Name);
        report.outcome = DispatchOutcome::ActivatedGroup;
    }
    monitor_->Dispatched(report);
}
