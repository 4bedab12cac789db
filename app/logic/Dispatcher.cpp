#include "app/logic/Dispatcher.h"

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
    const std::string received(FixedText(command, kIRCommandSize));
    hooks_.CommandReceived();
    // The tray icon turns red once the user can wait for something: while a
    // sequence waits for its next button, or right after a macro's first key
    // (MacroStarted), so that changing the icon never delays that key.
    if (timers_.IsRunning(DispatchTimer::Button)) {
        timers_.Stop(DispatchTimer::Button);
        PendingSequence += ";" + received;
    } else {
        PendingSequence = received;
    }

    const ItemMatch match = items_.findItemByCommand(PendingSequence.c_str(), false);
    if (!match.id.empty()) {
        PendingSequence.clear();
        ExecuteItem(match.id.c_str());
    } else if (match.count <= 0) {
        hooks_.UpdateTrayIcon(true, false);
    } else {
        hooks_.UpdateTrayIcon(true, true);
        timers_.Start(DispatchTimer::Button, static_cast<unsigned>(ReadSetting(setting::SeqDelay)));
    }
}

void Dispatcher::timButtonTimer() {
    timers_.Stop(DispatchTimer::Button);
    const ItemMatch match = items_.findItemByCommand(PendingSequence.c_str(), true);
    PendingSequence.clear();
    if (!match.id.empty() && match.count == 1) ExecuteItem(match.id.c_str());
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
            if (LastMacroID.empty() || LastMacroID != itemID) {
                executor_.SetRepeatCount(0);
            } else {
                executor_.SetRepeatCount(executor_.RepeatCount() + 1);
                timers_.Start(DispatchTimer::Repeat, kRepeatGapMs);
            }
            LastMacroID = itemID;
            executor_.ExecuteMacro(itemID, true, -1);
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
    items_.activateBGroup(groupID);
    hooks_.ShowCommand(std::string(FieldText(group->Name)).c_str());

    TItemID macroID;
    CopyItemID(macroID, group->MacroID);
    TMacroRecord* macro = items_.getMacro(macroID);
    if (!macro) return true;
    executor_.ExecuteMacro(macroID, false, -1);
    return macro->CurrentWindow || macro->LeaveWindow;
}
