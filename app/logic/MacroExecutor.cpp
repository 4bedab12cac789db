#include "app/logic/MacroExecutor.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "core/CommandList.h"
#include "core/KeyNames.h"
#include "core/LaunchElement.h"
#include "core/NumberFields.h"
#include "core/Settings.h"
#include "core/TargetWindow.h"
#include "core/Text.h"

namespace {
namespace vk {
constexpr uint8_t kShift = 16;
constexpr uint8_t kControl = 17;
constexpr uint8_t kMenu = 18;  // Alt
}  // namespace vk

constexpr uint32_t kSysCommand = 0x0112;  // WM_SYSCOMMAND
constexpr intptr_t kScMinimize = 61472;
constexpr intptr_t kScMaximize = 61488;
constexpr intptr_t kScRestore = 61728;

// How long a launch waits for the program's window: 5 units of 1/100000 day.
constexpr uint32_t kLaunchWindowWaitMs = 4320;
constexpr uint32_t kLaunchWindowPollMs = 50;

// A plug-in receives at most this much parameter text.
constexpr std::size_t kMaxPluginParameter = 255;

bool IsMouseClickCode(int code) {
    return code >= command_code::kLButtonClick && code <= command_code::kMButtonDblClick;
}

MouseButton ButtonOfClickCode(int code) {
    switch ((code - command_code::kLButtonClick) % 3) {
        case 0:
            return MouseButton::Left;
        case 1:
            return MouseButton::Right;
        default:
            return MouseButton::Middle;
    }
}

// Keeps a macro in the chain of running macros while it runs.
class ChainGuard {
  public:
    ChainGuard(std::vector<std::string>& chain, const char* id) : chain_(chain) { chain_.emplace_back(id); }
    ~ChainGuard() { chain_.pop_back(); }
    ChainGuard(const ChainGuard&) = delete;
    ChainGuard& operator=(const ChainGuard&) = delete;

  private:
    std::vector<std::string>& chain_;
};
}  // namespace

int CursorStepFor(int repeatCount, int cursorAcc) {
    if (repeatCount < 2) return 1;
    // cursorAcc x 0.1 x repeatCount in tenths, rounded half to even.
    const long long tenths = static_cast<long long>(cursorAcc) * repeatCount;
    long long step = tenths / 10;
    const long long rest = tenths % 10;
    if (rest > 5 || (rest == 5 && step % 2 != 0)) ++step;
    return static_cast<int>(step);
}

struct MacroExecutor::Run {
    TItemID id;
    WindowHandle target = 0;
    // The window whose thread's input this thread shares while keys go to
    // it: kept across consecutive key presses, because attaching anew for
    // each key can reset the keyboard state between a modifier and its key.
    WindowHandle attached = 0;
    bool currentWindow = false;
    bool dontFocus = false;
    // The target was in front as the macro started; this holds for its
    // first command only.
    bool inFront = false;
    bool stopped = false;
};

MacroExecutor::MacroExecutor(Items& items, Desktop& desktop, Clock& clock, ProgramHooks& hooks,
                             const KeyboardLayout& layout)
    : items_(items), desktop_(desktop), clock_(clock), hooks_(hooks), layout_(layout) {}

bool MacroExecutor::IsRunning(const TItemID& id) const {
    return std::find(chain_.begin(), chain_.end(), FieldText(id)) != chain_.end();
}

void MacroExecutor::ExecuteMacro(const char* id, bool showOSD, int index) {
    ExecuteMacro(id, showOSD, index, desktop_.ForegroundWindow());
}

void MacroExecutor::ExecuteMacro(const char* id, bool showOSD, int index, WindowHandle foreground) {
    if (chain_.size() >= kMaxNesting) return;
    Run run;
    CopyItemID(run.id, id);
    ChainGuard inChain(chain_, run.id);
    TMacroRecord* macro = items_.getMacro(run.id);
    if (!macro) return;

    const CommandList list = ReadCommandList(FieldText(macro->Commands));
    hooks_.SetReceiverRepeat(list.repeat);

    if (macro->Loop) {
        // Each run takes the next command; an index left over from a longer
        // list starts again at the first.
        const int count = CountCommands(list.body);
        index = macro->LoopIndex >= 0 && macro->LoopIndex < count ? macro->LoopIndex : 0;
        macro->LoopIndex = index + 1 >= count ? 0 : index + 1;
    }

    run.currentWindow = macro->CurrentWindow != 0;
    run.dontFocus = macro->DontFocus != 0;
    run.target = ResolveTargetWindow(run.id);
    run.inFront = IsWindowHandle(run.target) && run.target == foreground;
    if (IsWindowHandle(run.target) && !run.dontFocus && !run.inFront) BringToFront(run.target);

    // However the list ends, the input is given back.
    struct InputRelease {
        MacroExecutor& executor;
        Run& run;
        ~InputRelease() { executor.ReleaseInput(run); }
    } release{*this, run};

    std::vector<std::string> tokens;
    if (index < 0) {
        tokens = SplitCommands(list.body);
    } else if (std::optional<std::string> token = CommandAt(list.body, index)) {
        tokens.push_back(*token);
    }

    // The display and the word to the dispatch that the macro has started
    // come right after its first input event, so that neither delays the
    // key; before anything else they would delay.
    const bool showsDisplay = showOSD && macro->OSD;
    const std::string display(FieldText(macro->Name));
    bool startPending = true;
    const auto started = [&] {
        if (!startPending) return;
        startPending = false;
        if (showsDisplay) hooks_.ShowCommandNear(display.c_str(), run.target);
        if (runner_) runner_->MacroStarted();
    };
    const auto runToken = [&](const std::string& token) {
        if (startPending && !IsInputToken(token)) started();
        RunToken(run, token);
        started();
    };

    for (const std::string& token : tokens) {
        if (std::optional<std::string_view> text = TextAfter(token, kTypePrefix)) {
            // Typed text: each character is a key element of its own.
            for (char c : *text) {
                runToken(std::string(1, c));
                if (run.stopped) return;
            }
            continue;
        }
        runToken(token);
        if (run.stopped) return;
    }
    started();
}

bool MacroExecutor::IsInputToken(const std::string& token) const {
    const std::string key(ReadKeyElement(token).key);
    const int code = KeyCode(key, layout_);
    return IsKeyPressCode(code) || IsMouseClickCode(code) ||
           (code >= command_code::kMouseUp && code <= command_code::kMouseRight) ||
           StartsWith(key, kClickPrefix);
}

void MacroExecutor::RunToken(Run& run, const std::string& token) {
    if (run.currentWindow) {
        run.target = ResolveTargetWindow(run.id);
        if (IsWindowHandle(run.target) && !run.dontFocus && run.target != desktop_.ForegroundWindow())
            BringToFront(run.target);
    }
    const KeyElement element = ReadKeyElement(token);
    const std::string key(element.key);
    const int code = KeyCode(key, layout_);
    if (!IsKeyPressCode(code) || run.attached != run.target) ReleaseInput(run);
    if (IsWindowHandle(run.target)) TargetActions(run, token, element, code);
    run.inFront = false;
    CommonActions(run, key, code);
}

void MacroExecutor::TargetActions(Run& run, const std::string& token, const KeyElement& element, int code) {
    const bool ctrl = element.ctrl || LayoutNeedsCtrl(layout_, token);
    const bool alt = element.alt || LayoutNeedsAlt(layout_, token);
    const bool shift = element.shift || LayoutNeedsShift(layout_, token);
    const std::string key(element.key);

    if (IsKeyPressCode(code)) {
        const bool attaching = !run.attached;
        if (attaching) {
            if (!desktop_.AttachInputTo(run.target)) {
                hooks_.InputGoesTo(run.target);
                return;
            }
            run.attached = run.target;
        }
        if (!run.dontFocus && !run.currentWindow && !run.inFront) desktop_.SetForeground(run.target);
        PressModifiers(ctrl, alt, shift, false);
        desktop_.KeyEvent(static_cast<uint8_t>(code), false);
        desktop_.KeyEvent(static_cast<uint8_t>(code), true);
        PressModifiers(ctrl, alt, shift, true);
        // Named for the notice about elevated programs after the first key,
        // so that looking up the program's level never delays that key.
        if (attaching) hooks_.InputGoesTo(run.target);
        return;
    }

    RunPluginCommand(key, run.target);
    if (StartsWith(key, kClickPrefix) || IsMouseClickCode(code)) hooks_.InputGoesTo(run.target);
    if (StartsWith(key, kClickPrefix)) ClickAtCommand(key, run.target);
    if (IsMouseClickCode(code)) {
        // Modifier words written with a click (CTRL+LBUTTON-CLICK) are held
        // during it, as they are for keys.
        PressModifiers(ctrl, alt, shift, false);
        MouseClick(ButtonOfClickCode(code), code >= command_code::kLButtonDblClick ? 2 : 1,
                   ClickAction::Click);
        PressModifiers(ctrl, alt, shift, true);
    }
    if (code == command_code::kMaximizeWindow)
        desktop_.SendWindowMessage(run.target, kSysCommand, kScMaximize, 0);
    if (code == command_code::kMinimizeWindow)
        desktop_.SendWindowMessage(run.target, kSysCommand, kScMinimize, 0);
    if (code == command_code::kRestoreWindow)
        desktop_.SendWindowMessage(run.target, kSysCommand, kScRestore, 0);
}

void MacroExecutor::ReleaseInput(Run& run) {
    if (!run.attached) return;
    desktop_.DetachInputFrom(run.attached);
    run.attached = 0;
}

void MacroExecutor::PressModifiers(bool ctrl, bool alt, bool shift, bool up) {
    // Down in the order Ctrl, Alt, Shift; up in the reverse order.
    if (!up) {
        if (ctrl) desktop_.KeyEvent(vk::kControl, false);
        if (alt) desktop_.KeyEvent(vk::kMenu, false);
        if (shift) desktop_.KeyEvent(vk::kShift, false);
    } else {
        if (shift) desktop_.KeyEvent(vk::kShift, true);
        if (alt) desktop_.KeyEvent(vk::kMenu, true);
        if (ctrl) desktop_.KeyEvent(vk::kControl, true);
    }
}

void MacroExecutor::CommonActions(Run& run, const std::string& token, int code) {
    using namespace command_code;
    if (StartsWith(token, kPausePrefix)) PauseCommand(token);

    if (code >= kMouseUp && code <= kMouseRight) {
        cursorStep_ = CursorStepFor(repeatCount_, ReadSetting(setting::CursorAcc));
        const int step = cursorStep_;
        if (code == kMouseUp) desktop_.MoveMouseBy(0, -step);
        if (code == kMouseDown) desktop_.MoveMouseBy(0, step);
        if (code == kMouseLeft) desktop_.MoveMouseBy(-step, 0);
        if (code == kMouseRight) desktop_.MoveMouseBy(step, 0);
    }

    if (token == kActivateReceiverElement) hooks_.SetReceiverActive(true, true, true);
    if (token == kDeactivateReceiverElement) hooks_.SetReceiverActive(true, false, true);

    if (token == kExitElement) {
        desktop_.ShutDown();
        run.stopped = true;
        return;
    }

    if (StartsWith(token, kLaunchPrefix)) LaunchCommand(token);
    if (StartsWith(token, kSendMessagePrefix)) SendMessageCommand(token, run.target);

    if (token == kStartMenuOpenElement && !desktop_.IsStartMenuOpen()) desktop_.ToggleStartMenu();
    if (token == kStartMenuCloseElement && desktop_.IsStartMenuOpen()) desktop_.ToggleStartMenu();

    if (runner_ && chain_.size() < kMaxNesting) {
        if (std::optional<std::string_view> name = TextAfter(token, kMacroPrefix)) {
            TMacroRecord* macro = items_.findMacroByName(std::string(*name).c_str());
            if (macro && !IsRunning(macro->ID)) {
                TItemID id;
                CopyItemID(id, macro->ID);
                runner_->ExecuteItem(id);
            }
        }
        if (std::optional<std::string_view> name = TextAfter(token, kGroupPrefix)) {
            TBGroupRecord* group = items_.findBGroupByName(std::string(*name).c_str());
            if (group && !IsRunning(group->MacroID)) {
                TItemID id;
                CopyItemID(id, group->ID);
                runner_->ActivateGroup(id);
            }
        }
    }

    if (code == kVolumeUp) hooks_.StepVolume(true);
    if (code == kVolumeDown) hooks_.StepVolume(false);
    if (code == kToggleMute) hooks_.ToggleMute();
}

void MacroExecutor::PauseCommand(const std::string& token) {
    const int milliseconds = ReadPauseMilliseconds(token);
    if (milliseconds > 0) clock_.Wait(static_cast<uint32_t>(milliseconds), false);
}

void MacroExecutor::ClickAtCommand(const std::string& token, WindowHandle window) {
    const std::optional<ClickElement> click = ReadClickElement(token);
    if (!click) return;
    if (click->reference == ClickReference::Screen) {
        desktop_.SetCursorPosition(click->x, click->y);
    } else if (std::optional<WindowRect> rect = desktop_.WindowRectOf(window)) {
        desktop_.SetCursorPosition(rect->left + click->x, rect->top + click->y);
    }
    MouseClick(click->button, click->count, click->action);
}

void MacroExecutor::MouseClick(MouseButton button, int count, ClickAction action) {
    for (int i = 0; i < count; ++i) {
        if (action != ClickAction::Up) desktop_.MouseButtonEvent(button, false);
        if (action != ClickAction::Down) desktop_.MouseButtonEvent(button, true);
    }
}

void MacroExecutor::LaunchCommand(const std::string& token) {
    const LaunchElement launch = SplitLaunch(token);
    if (launch.file.empty()) return;
    if (launch.deactivate) hooks_.SetReceiverActive(false, false, false);

    WindowHandle window = 0;
    if (launch.oneInstance) {
        window = FindAppWindow(desktop_, launch.file);
        if (IsWindowHandle(window)) BringToFront(window);
    }
    if (!IsWindowHandle(window) && desktop_.OpenFile(launch.file, launch.parameters) > 32) {
        // Wait for the program's window, sleeping between looks.
        const uint32_t start = clock_.TickCount();
        for (;;) {
            window = FindAppWindow(desktop_, launch.file);
            if (IsWindowHandle(window) || clock_.TickCount() - start >= kLaunchWindowWaitMs) break;
            clock_.Wait(kLaunchWindowPollMs, false);
        }
    }
    if (IsWindowHandle(window)) window = desktop_.OwnerParent(window);
    if (launch.deactivate) hooks_.WatchLaunchedWindow(IsWindowHandle(window) ? window : 0);
}

void MacroExecutor::SendMessageCommand(const std::string& token, WindowHandle window) {
    const SendMessageElement element = ReadSendMessage(token);
    if (element.ShouldSend() && IsWindowHandle(window))
        desktop_.SendWindowMessage(window, static_cast<uint32_t>(element.message), element.wParam,
                                   element.lParam);
}

void MacroExecutor::RunPluginCommand(const std::string& token, WindowHandle window) {
    const std::size_t colon = token.find(':');
    if (colon == std::string::npos || colon == 0) return;
    desktop_.RunPlugin(token.substr(0, colon), token.substr(colon + 1, kMaxPluginParameter), window);
}

WindowHandle MacroExecutor::ResolveTargetWindow(const char* id) {
    TMacroRecord* macro = items_.getMacro(id);
    return macro ? ::ResolveTargetWindow(desktop_, *macro) : 0;
}

bool MacroExecutor::BringToFront(WindowHandle window) { return ::BringToFront(desktop_, window); }
