// From a received IR command to the item it selects: collects multi-button
// sequences, tells long presses from short ones, asks the store, runs macros
// and activates button groups, counts back-to-back repetitions and brings
// back the window that was in front.
#pragma once

#include <string>

#include "app/logic/Desktop.h"
#include "app/logic/DispatchMonitor.h"
#include "app/logic/ItemRunner.h"
#include "app/logic/Items.h"
#include "app/logic/LongPress.h"
#include "app/logic/MacroExecutor.h"
#include "app/logic/ProgramHooks.h"
#include "app/logic/Timers.h"

class Dispatcher : public ItemRunner {
  public:
    // Repetitions of one macro closer together than this count up.
    static constexpr unsigned kRepeatGapMs = 200;

    Dispatcher(Items& items, Desktop& desktop, Timers& timers, ProgramHooks& hooks, MacroExecutor& executor);

    // The receiver's callback: one IR command.
    void ReceiveIRCommand(const char* command);
    // The sequence's wait is over (the Button timer).
    void timButtonTimer();
    // A burst of repetitions ended (the Repeat timer).
    void RepeatTimerFired();

    // The window in front changed (FollowForeground): the group of its
    // program becomes the active group, without its start macro. Not while
    // a sequence waits or a macro runs, nor for a window that is no longer
    // in front when the word arrives.
    void ForegroundChanged(WindowHandle window);

    void ExecuteItem(const char* id) override;
    bool ActivateGroup(const char* id) override;
    void MacroStarted() override;

    // Activation of the receiver forgets the last macro, and the held
    // button, whose release was dropped with the receiver.
    void ClearLastMacro() {
        LastMacroID.clear();
        longPress_.Forget();
    }
    // What became of the last received command.
    PressOutcome LastOutcome() const { return longPress_.Outcome(); }
    // The receiver monitor while it is open; null while it is closed.
    void SetMonitor(DispatchMonitor* monitor) { monitor_ = monitor; }

    std::string PendingSequence;
    std::string LastMacroID;

  private:
    // Makes the group the active one and shows its name.
    void SelectGroup(const TItemID& id, const TBGroupRecord& group);
    // The repetitions counted for the macro with that ID if it runs now.
    int NextRepeatCount(const char* id) const;
    // Tells an open monitor what became of a command (or of a sequence).
    void Report(const std::string& command, DispatchOutcome outcome);
    void ReportItem(const std::string& command, const std::string& id);

    Items& items_;
    Desktop& desktop_;
    Timers& timers_;
    ProgramHooks& hooks_;
    MacroExecutor& executor_;
    std::string activeGroup_;  // the group this dispatch made active last
    LongPress longPress_{items_};
    DispatchMonitor* monitor_ = nullptr;
};
