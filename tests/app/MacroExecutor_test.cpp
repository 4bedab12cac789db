// The executor token by token: what each element of the command language
// does on the desktop.
#include <gtest/gtest.h>

#include "tests/app/ExecutorFixture.h"

namespace {

using MacroExecutorKeys = ExecutorFixture;

TEST_F(MacroExecutorKeys, ModifiersGoDownInOrderAndUpInReverse) {
    EXPECT_EQ(Run("CTRL+SHIFT+HOME"), (Events{"attach 100", "down 17", "down 16", "down 36", "up 36", "up 16",
                                              "up 17", "detach 100"}));
}

TEST_F(MacroExecutorKeys, CtrlAltDeleteAndNamedKeys) {
    EXPECT_EQ(Run("CTRL+ALT+DELETE,ENTER"), (Events{"attach 100", "down 17", "down 18", "down 46", "up 46",
                                                    "up 18", "up 17", "down 13", "up 13", "detach 100"}));
}

TEST_F(MacroExecutorKeys, NumpadPlusKeepsItsPlusAndShiftPlusPressesPlus) {
    EXPECT_EQ(Run("CTRL+NUMPAD +,SHIFT++"), (Events{"attach 100", "down 17", "down 107", "up 107", "up 17",
                                                    "down 16", "down 187", "up 187", "up 16", "detach 100"}));
}

TEST_F(MacroExecutorKeys, TypedTextPressesShiftOnlyForTheCapital) {
    EXPECT_EQ(Run("TYPE:Ab1"), (Events{"attach 100", "down 16", "down 65", "up 65", "up 16", "down 66",
                                       "up 66", "down 49", "up 49", "detach 100"}));
}

TEST_F(MacroExecutorKeys, InputStaysAttachedOnlyAcrossConsecutiveKeys) {
    // Other commands give the input back first, so a pause, a click or a
    // nested macro never runs while this program shares the target's input.
    EXPECT_EQ(Run("TAB,PAUSE:5,TAB,LBUTTON-CLICK,EXIT,TAB"),
              (Events{"attach 100", "down 9", "up 9", "detach 100", "plugin PAUSE|5|100", "attach 100",
                      "down 9", "up 9", "detach 100", "mouse left down", "mouse left up", "shutdown"}));
    // Each attachment and each click names its window first, for the notice about elevated programs.
    EXPECT_EQ(hooks.inputTargets, (std::vector<WindowHandle>{100, 100, 100}));
}

TEST_F(MacroExecutorKeys, CommaElementPressesTheNumpadDecimalKey) {
    EXPECT_EQ(Run("\"\""), (Events{"attach 100", "down 110", "up 110", "detach 100"}));
}

TEST_F(MacroExecutorKeys, KeyIsSkippedWhenInputCannotBeAttached) {
    desktop.refusesInput.insert(kTarget);
    EXPECT_EQ(Run("ENTER,TAB"), Events{});
}

// A named target comes to the front for keys unless DontFocus; a first key finds it there already.
TEST_F(MacroExecutorKeys, KeysOfAMacroWithANamedTargetGoToItInFront) {
    desktop.AddWindow(200, FakeWindow{"Calculator", "C:\\Windows\\calc.exe"});
    const struct {
        WindowHandle inFrontBefore;
        bool dontFocus;
        const char* commands;
        Events events;
    } rows[] = {
        {kTarget,
         false,
         "ENTER",
         {"foreground 200", "attach 200", "foreground 200", "down 13", "up 13", "detach 200"}},
        {200,
         false,
         "ENTER,TAB",
         {"attach 200", "down 13", "up 13", "foreground 200", "down 9", "up 9", "detach 200"}},
        {kTarget, true, "ENTER", {"attach 200", "down 13", "up 13", "detach 200"}},
    };
    for (const auto& row : rows) {
        desktop.foreground = row.inFrontBefore;
        desktop.events.clear();
        const std::string id = items.AddMacro("Calc", row.commands);
        Macro(id).CurrentWindow = 0;
        Macro(id).DontFocus = row.dontFocus;
        CopyText(Macro(id).TargetFile, "calc.exe");
        executor.ExecuteMacro(id.c_str(), true, -1);
        EXPECT_EQ(desktop.events, row.events) << row.commands << " " << row.dontFocus;
        EXPECT_EQ(desktop.foreground, row.dontFocus ? kTarget : 200) << row.commands;
    }
}

using MacroExecutorMouse = ExecutorFixture;

TEST_F(MacroExecutorMouse, ButtonClicksAtTheCursor) {
    EXPECT_EQ(Run("LBUTTON-CLICK,RBUTTON-DBLCLICK,MBUTTON-CLICK"),
              (Events{"mouse left down", "mouse left up", "mouse right down", "mouse right up",
                      "mouse right down", "mouse right up", "mouse middle down", "mouse middle up"}));
}

TEST_F(MacroExecutorMouse, ModifierWordsAreHeldDuringAClick) {
    EXPECT_EQ(Run("CTRL+LBUTTON-CLICK"), (Events{"down 17", "mouse left down", "mouse left up", "up 17"}));
}

TEST_F(MacroExecutorMouse, WindowRelativeClickDownOnly) {
    desktop.windows[kTarget].rect = WindowRect{300, 200, 800, 600};
    EXPECT_EQ(Run("CLICK:0100:0050:R:W:DOWN"),
              (Events{"plugin CLICK|0100:0050:R:W:DOWN|100", "cursor 400 250", "mouse right down"}));
}

TEST_F(MacroExecutorMouse, ScreenDoubleClick) {
    EXPECT_EQ(Run("CLICK:0100:0020:R:S:D:CLICK"),
              (Events{"plugin CLICK|0100:0020:R:S:D:CLICK|100", "cursor 100 20", "mouse right down",
                      "mouse right up", "mouse right down", "mouse right up"}));
}

TEST_F(MacroExecutorMouse, MalformedClickOnlyReachesPlugIns) {
    EXPECT_EQ(Run("CLICK:01,CLICK:01x0:0020:L:S:CLICK"),
              (Events{"plugin CLICK|01|100", "plugin CLICK|01x0:0020:L:S:CLICK|100"}));
}

TEST_F(MacroExecutorMouse, MovesSpeedUpWithRepetitions) {
    const std::string id = items.AddMacro("Right", "REPEAT,MOUSE-RIGHT");
    std::vector<int> steps;
    for (int repeat = 0; repeat < 6; ++repeat) {
        executor.SetRepeatCount(repeat);
        executor.ExecuteMacro(id.c_str(), true, -1);
        steps.push_back(executor.CursorStep());
    }
    EXPECT_EQ(steps, (std::vector<int>{1, 1, 4, 6, 8, 10}));
    EXPECT_EQ(desktop.events.back(), "move 10 0");
}

TEST_F(MacroExecutorMouse, MoveDirectionsAndAccelerationSetting) {
    WriteSetting(setting::CursorAcc, 5);
    executor.SetRepeatCount(3);
    // 5 x 0.1 x 3 = 1.5, which rounds to the even 2.
    EXPECT_EQ(Run("MOUSE-UP,MOUSE-DOWN,MOUSE-LEFT,MOUSE-RIGHT"),
              (Events{"move 0 -2", "move 0 2", "move -2 0", "move 2 0"}));
}

TEST(CursorStepFor, RoundsHalvesToEven) {
    EXPECT_EQ(CursorStepFor(0, 20), 1);
    EXPECT_EQ(CursorStepFor(1, 100), 1);
    EXPECT_EQ(CursorStepFor(5, 1), 0);   // 0.5
    EXPECT_EQ(CursorStepFor(15, 1), 2);  // 1.5
    EXPECT_EQ(CursorStepFor(25, 1), 2);  // 2.5
    EXPECT_EQ(CursorStepFor(7, 1), 1);   // 0.7
    EXPECT_EQ(CursorStepFor(1000000, 100), 10000000);
}

using MacroExecutorCommands = ExecutorFixture;

TEST_F(MacroExecutorCommands, PauseWaitsWithoutMessagesAndIsCapped) {
    Run("PAUSE:250,PAUSE:45000,PAUSE:0,PAUSE:abc,PAUSE:-5");
    EXPECT_EQ(clock.waits, (std::vector<std::string>{"250", "30000"}));
}

TEST_F(MacroExecutorCommands, SendMessageReachesTheTargetOnlyWithThreeNumbers) {
    EXPECT_EQ(
        Run("SENDMESSAGE:16:0:0,SENDMESSAGE:16:x:0,SENDMESSAGE:$10:$FF:7,SENDMESSAGE:16"),
        (Events{"plugin SENDMESSAGE|16:0:0|100", "message 100 16 0 0", "plugin SENDMESSAGE|16:x:0|100",
                "plugin SENDMESSAGE|$10:$FF:7|100", "message 100 16 255 7", "plugin SENDMESSAGE|16|100"}));
}

TEST_F(MacroExecutorCommands, WindowCommandsGoToTheTarget) {
    EXPECT_EQ(Run("Maximize window,Minimize window,Restore window"),
              (Events{"message 100 274 61488 0", "message 100 274 61472 0", "message 100 274 61728 0"}));
}

TEST_F(MacroExecutorCommands, VolumeAndReceiverCommands) {
    Run("Volume up,Volume down,Toggle mute,Deactivate COM port,Activate COM port");
    EXPECT_EQ(hooks.calls,
              (std::vector<std::string>{"repeat off", "volume up", "volume down", "mute",
                                        "receiver off user minimize", "receiver on user minimize"}));
}

TEST_F(MacroExecutorCommands, StartMenuOpensAndClosesOnlyWhenNeeded) {
    EXPECT_EQ(Run("STARTDOWN,STARTDOWN,STARTUP,STARTUP"), (Events{"start menu", "start menu"}));
    EXPECT_FALSE(desktop.startMenuOpen);
}

TEST_F(MacroExecutorCommands, ExitShutsDownAndStopsTheList) {
    EXPECT_EQ(Run("EXIT,ENTER"), (Events{"shutdown"}));
}

TEST_F(MacroExecutorCommands, PluginTokensGoToTheirLibraryWithTheTargetWindow) {
    EXPECT_EQ(Run("media:playpause,media:,:x"), (Events{"plugin media|playpause|100", "plugin media||100"}));
}

TEST_F(MacroExecutorCommands, ShowsTheNameOnlyWhenAskedAndFlagged) {
    const std::string id = items.AddMacro("Volume", "Volume up");
    executor.ExecuteMacro(id.c_str(), true, -1);
    Macro(id).OSD = 1;
    executor.ExecuteMacro(id.c_str(), false, -1);
    executor.ExecuteMacro(id.c_str(), true, -1);
    EXPECT_EQ(std::count(hooks.calls.begin(), hooks.calls.end(), "show Volume"), 1);
}

TEST_F(MacroExecutorCommands, DisplayComesRightAfterTheFirstInputEvent) {
    // Drawing the display must not delay the first key, and nothing slow
    // may come before the display.
    hooks.timeline = &desktop.events;
    struct Case {
        std::string commands;
        Events events;
    };
    const std::vector<Case> cases{
        {"a,b", {"attach 100", "down 65", "up 65", "show Shown", "down 66", "up 66", "detach 100"}},
        {"TYPE:ab", {"attach 100", "down 65", "up 65", "show Shown", "down 66", "up 66", "detach 100"}},
        {"MOUSE-UP,a", {"move 0 -1", "show Shown", "attach 100", "down 65", "up 65", "detach 100"}},
        {"Volume up,a", {"show Shown", "attach 100", "down 65", "up 65", "detach 100"}},
        {"EXIT,a", {"show Shown", "shutdown"}},
        {"", {"show Shown"}},
    };
    for (const Case& c : cases) {
        desktop.events.clear();
        const std::string id = items.AddMacro("Shown", c.commands);
        Macro(id).OSD = 1;
        executor.ExecuteMacro(id.c_str(), true, -1);
        EXPECT_EQ(desktop.events, c.events) << c.commands;
    }
}

TEST_F(MacroExecutorCommands, RepeatPrefixSetsTheReceiverRepeatMode) {
    Run("REPEAT,MOUSE-UP");
    Run("MOUSE-UP,REPEAT");
    EXPECT_EQ(hooks.calls, (std::vector<std::string>{"repeat on", "repeat off"}));
}

TEST_F(MacroExecutorCommands, UnknownMacroAndUnknownTokensDoNothing) {
    executor.ExecuteMacro("M999", true, -1);
    executor.ExecuteMacro(nullptr, true, -1);
    EXPECT_EQ(Run("NOT-A-KEY,enter,"), Events{});
    EXPECT_TRUE(clock.waits.empty());
}

TEST_F(MacroExecutorCommands, IndexRunsOneCommand) {
    const std::string id = items.AddMacro("Keys", "REPEAT,TAB,ENTER,ESC");
    executor.ExecuteMacro(id.c_str(), true, 1);
    executor.ExecuteMacro(id.c_str(), true, 7);
    EXPECT_EQ(desktop.events, (Events{"attach 100", "down 13", "up 13", "detach 100"}));
}

TEST_F(MacroExecutorCommands, LoopRunsTheNextCommandEachTime) {
    const std::string id = items.AddMacro("Cycle", "TAB,ENTER,ESC");
    Macro(id).Loop = 1;
    std::vector<std::string> keys;
    for (int i = 0; i < 4; ++i) {
        desktop.events.clear();
        executor.ExecuteMacro(id.c_str(), true, -1);
        keys.push_back(desktop.events.at(1));
    }
    EXPECT_EQ(keys, (std::vector<std::string>{"down 9", "down 13", "down 27", "down 9"}));
    EXPECT_EQ(Macro(id).LoopIndex, 1);
}

TEST_F(MacroExecutorCommands, LoopIndexBeyondAShortenedListStartsAgain) {
    const std::string id = items.AddMacro("Cycle", "TAB,ENTER");
    Macro(id).Loop = 1;
    Macro(id).LoopIndex = 5;
    executor.ExecuteMacro(id.c_str(), true, -1);
    EXPECT_EQ(desktop.events.at(1), "down 9");
    EXPECT_EQ(Macro(id).LoopIndex, 1);
}

}  // namespace
