// Runs a macro's command list against its target window: keys, typed text,
// mouse, pauses, launching, window messages, volume, window commands, the
// Start menu, the receiver, shutting down, nested macros and groups.
#pragma once

#include <string>
#include <vector>

#include "app/logic/Clock.h"
#include "app/logic/Desktop.h"
#include "app/logic/ItemRunner.h"
#include "app/logic/Items.h"
#include "app/logic/ProgramHooks.h"
#include "core/KeyNames.h"
#include "core/KeyboardLayout.h"

class MacroExecutor {
  public:
    // Nested MACRO: and GROUP: commands stop at this depth; deeper ones are
    // skipped, and so is one that would start a macro already running in the
    // chain (a cycle), which would otherwise multiply the work at each level.
    static constexpr std::size_t kMaxNesting = 16;

    MacroExecutor(Items& items, Desktop& desktop, Clock& clock, ProgramHooks& hooks,
                  const KeyboardLayout& layout);

    // The dispatch, which the executor's MACRO: and GROUP: commands call.
    void SetItemRunner(ItemRunner* runner) { runner_ = runner; }

    // Runs the whole list (index -1) or the one command at index.
    void ExecuteMacro(const char* id, bool showOSD, int index);
    // The same, for a caller that has just asked for the window in front.
    void ExecuteMacro(const char* id, bool showOSD, int index, WindowHandle foreground);
    // While a macro runs (its pauses let window messages through).
    bool Running() const { return !chain_.empty(); }

    // The window a macro runs in (see TargetWindow.h); 0 when the macro or
    // its window is not found.
    WindowHandle ResolveTargetWindow(const char* id);
    bool BringToFront(WindowHandle window);

    // The count of back-to-back repetitions of one macro, kept by the
    // dispatch and read by mouse moves for their acceleration.
    int RepeatCount() const { return repeatCount_; }
    void SetRepeatCount(int repeatCount) { repeatCount_ = repeatCount; }
    int CursorStep() const { return cursorStep_; }

  private:
    struct Run;  // one execution's target and flags

    bool IsRunning(const TItemID& id) const;
    // A key, click or mouse move: an input event that goes out at once.
    bool IsInputToken(const std::string& token) const;
    void RunToken(Run& run, const std::string& token);
    void TargetActions(Run& run, const std::string& token, const KeyElement& element, int code);
    void ReleaseInput(Run& run);
    void PressModifiers(bool ctrl, bool alt, bool shift, bool up);
    void CommonActions(Run& run, const std::string& token, int code);
    void PauseCommand(const std::string& token);
    void ClickAtCommand(const std::string& token, WindowHandle window);
    void MouseClick(MouseButton button, int count, ClickAction action);
    void LaunchCommand(const std::string& token);
    void SendMessageCommand(const std::string& token, WindowHandle window);
    void RunPluginCommand(const std::string& token, WindowHandle window);

    Items& items_;
    Desktop& desktop_;
    Clock& clock_;
    ProgramHooks& hooks_;
    const KeyboardLayout& layout_;
    ItemRunner* runner_ = nullptr;
    int repeatCount_ = 0;
    int cursorStep_ = 1;
    // The IDs of the macros running, outermost first.
    std::vector<std::string> chain_;
};

// Pixels per mouse move: 1 for the first two executions, then growing with
// the repetitions, CursorAcc x 0.1 x repeatCount rounded half to even.
int CursorStepFor(int repeatCount, int cursorAcc);
