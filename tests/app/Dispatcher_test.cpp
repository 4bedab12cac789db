// From received IR commands to running items: sequences, repetitions,
// button groups, nested macros and the window that comes back.
#include "app/logic/Dispatcher.h"

#include <gtest/gtest.h>

#include "app/logic/MonitorLines.h"
#include "tests/app/ExecutorFixture.h"

namespace {

class DispatcherTest : public ExecutorFixture {
  protected:
    DispatcherTest() { desktop.AddWindow(200, FakeWindow{"Player", "C:\\Media\\player.exe"}); }

    // Runs in the player window 200; each run types its key there.
    std::string PlayerMacro(const std::string& name, const std::string& key, const std::string& ir,
                            const std::string& group = "") {
        const std::string id = items.AddMacro(name, key, ir, group);
        Macro(id).CurrentWindow = 0;
        CopyText(Macro(id).TargetFile, "player.exe");
        return id;
    }

    int KeyPresses(int virtualKey) {
        return static_cast<int>(
            std::count(desktop.events.begin(), desktop.events.end(), "down " + std::to_string(virtualKey)));
    }

    void Receive(const char* command) { dispatcher.ReceiveIRCommand(command); }

    FakeTimers timers;
    Dispatcher dispatcher{items, desktop, timers, hooks, executor};
};

TEST_F(DispatcherTest, SingleButtonRunsAtOnceAndBringsBackThePreviousWindow) {
    PlayerMacro("Play", "P", "play");
    Receive("play");
    EXPECT_EQ(KeyPresses('P'), 1);
    EXPECT_EQ(desktop.foreground, kTarget);
    EXPECT_FALSE(timers.IsRunning(DispatchTimer::Button));
    EXPECT_EQ(hooks.calls.back(), "tray active");
    EXPECT_EQ(hooks.commandsReceived, 1);
}

TEST_F(DispatcherTest, TrayIconTurnsRedAfterTheFirstKeyAndWhileASequenceWaits) {
    // Changing the icon costs the shell and the display server several
    // milliseconds: it must not come between the press and the first key.
    hooks.timeline = &desktop.events;
    PlayerMacro("Play", "P,Q", "play");
    PlayerMacro("Chapter", "C", "menu;ok");
    Receive("play");
    const auto at = [&](const std::string& event) {
        return std::find(desktop.events.begin(), desktop.events.end(), event) - desktop.events.begin();
    };
    EXPECT_LT(at("up 80"), at("tray active busy"));
    EXPECT_LT(at("tray active busy"), at("down 81"));
    EXPECT_EQ(desktop.events.back(), "tray active");

    desktop.events.clear();
    Receive("menu");
    EXPECT_EQ(desktop.events, Events{"tray active busy"});
}

TEST_F(DispatcherTest, APreviousWindowThatItsOwnQuestionDisablesComesBackAsTheQuestion) {
    PlayerMacro("Play", "P", "play");
    desktop.AddWindow(300, FakeWindow{"Save changes?", "", kTarget});
    desktop.disablingPopup[kTarget] = 300;
    Receive("play");
    EXPECT_EQ(desktop.foreground, 300u);
}

TEST_F(DispatcherTest, LeaveWindowKeepsTheTargetInFront) {
    const std::string id = PlayerMacro("Play", "P", "play");
    Macro(id).LeaveWindow = 1;
    Receive("play");
    EXPECT_EQ(desktop.foreground, 200u);
}

TEST_F(DispatcherTest, SequenceWaitsForItsNextButton) {
    PlayerMacro("Chapter", "C", "menu;ok");
    WriteSetting(setting::SeqDelay, 450);
    Receive("menu");
    EXPECT_EQ(timers.running[DispatchTimer::Button], 450u);
    EXPECT_EQ(dispatcher.PendingSequence, "menu");
    Receive("ok");
    EXPECT_EQ(KeyPresses('C'), 1);
    EXPECT_EQ(dispatcher.PendingSequence, "");
}

TEST_F(DispatcherTest, ShortItemThatStartsALongerOneRunsWhenTheWaitEnds) {
    PlayerMacro("Menu", "M", "menu");
    PlayerMacro("Chapter", "C", "menu;ok");
    Receive("menu");
    EXPECT_EQ(KeyPresses('M'), 0);
    dispatcher.timButtonTimer();
    EXPECT_EQ(KeyPresses('M'), 1);
    EXPECT_EQ(KeyPresses('C'), 0);
    EXPECT_FALSE(timers.IsRunning(DispatchTimer::Button));
    EXPECT_EQ(hooks.calls.back(), "tray active");
}

TEST_F(DispatcherTest, AnyStoredSequenceDelayWaitsAtMostTwoSeconds) {
    // A delay that became huge as an unsigned never ended: the short macro
    // never ran and the next sequence was swallowed into the waiting one.
    PlayerMacro("Menu", "M", "menu");
    PlayerMacro("Chapter", "C", "menu;ok");
    struct Case {
        int32_t stored;
        unsigned waitMs;
    };
    for (const Case& c : {Case{-1, 0}, Case{100000, 2000}, Case{INT32_MAX, 2000}, Case{INT32_MIN, 0}}) {
        WriteSetting(setting::SeqDelay, c.stored);
        Receive("menu");
        EXPECT_EQ(timers.running[DispatchTimer::Button], c.waitMs) << c.stored;
        dispatcher.timButtonTimer();
    }
    EXPECT_EQ(KeyPresses('M'), 4);
    Receive("menu");
    Receive("ok");
    EXPECT_EQ(KeyPresses('C'), 1);
}

TEST_F(DispatcherTest, ButtonsFurtherApartThanTheWaitNeverFormASequence) {
    PlayerMacro("Chapter", "C", "menu;ok");
    PlayerMacro("Ok", "O", "ok");
    Receive("menu");
    dispatcher.timButtonTimer();
    Receive("ok");
    EXPECT_EQ(KeyPresses('C'), 0);
    EXPECT_EQ(KeyPresses('O'), 1);
}

TEST_F(DispatcherTest, SequenceThatNoItemCompletesIsDroppedWhole) {
    PlayerMacro("Chapter", "C", "menu;ok");
    PlayerMacro("Up", "U", "up");
    Receive("menu");
    Receive("up");
    EXPECT_EQ(KeyPresses('U'), 0);
    EXPECT_FALSE(timers.IsRunning(DispatchTimer::Button));
    Receive("up");
    EXPECT_EQ(KeyPresses('U'), 1);
}

TEST_F(DispatcherTest, UnknownButtonLeavesTheTrayIconAsItWas) {
    Receive("nothing");
    Receive(nullptr);
    EXPECT_EQ(hooks.calls, (std::vector<std::string>{"tray active", "tray active"}));
    EXPECT_TRUE(desktop.events.empty());
}

TEST_F(DispatcherTest, RepetitionsCountUpWhileTheyComeCloseTogether) {
    items.AddMacro("Right", "REPEAT,MOUSE-RIGHT", "right");
    items.AddMacro("Left", "MOUSE-LEFT", "left");
    Receive("left");
    std::vector<int> counts;
    for (int i = 0; i < 4; ++i) {
        Receive("right");
        counts.push_back(executor.RepeatCount());
    }
    EXPECT_EQ(counts, (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(timers.running[DispatchTimer::Repeat], 200u);

    dispatcher.RepeatTimerFired();
    EXPECT_EQ(executor.RepeatCount(), 0);
    EXPECT_FALSE(timers.IsRunning(DispatchTimer::Repeat));
    Receive("right");
    EXPECT_EQ(executor.RepeatCount(), 1);
    Receive("left");
    EXPECT_EQ(executor.RepeatCount(), 0);
}

TEST_F(DispatcherTest, ReceiverRepeatModeFollowsTheMacro) {
    items.AddMacro("Right", "REPEAT,MOUSE-RIGHT", "right");
    items.AddMacro("Left", "MOUSE-LEFT", "left");
    Receive("right");
    hooks.receiverActive = false;
    Receive("left");
    // Set by the dispatch while the receiver is active, and by the executor.
    EXPECT_EQ(std::count(hooks.calls.begin(), hooks.calls.end(), "repeat on"), 2);
    EXPECT_EQ(std::count(hooks.calls.begin(), hooks.calls.end(), "repeat off"), 1);
}

TEST_F(DispatcherTest, SelectMacroGoesToTheChooser) {
    const std::string id = PlayerMacro("Pick", "A,B", "pick");
    Macro(id).Select = 1;
    Receive("pick");
    EXPECT_EQ(std::count(hooks.calls.begin(), hooks.calls.end(), "choose " + id), 1);
    EXPECT_TRUE(desktop.events.empty());
}

TEST_F(DispatcherTest, GroupActivationShowsItsNameRunsItsStartMacroAndSelectsItsMacros) {
    const std::string start = PlayerMacro("Start player", "S", "");
    const std::string group = items.AddGroup("Player", "player", start);
    PlayerMacro("Pause", "Q", "ok", group);
    Receive("ok");
    EXPECT_EQ(KeyPresses('Q'), 0);
    Receive("player");
    EXPECT_EQ(KeyPresses('S'), 1);
    EXPECT_EQ(std::count(hooks.calls.begin(), hooks.calls.end(), "show Player"), 1);
    EXPECT_EQ(desktop.foreground, kTarget);
    Receive("ok");
    EXPECT_EQ(KeyPresses('Q'), 1);
}

// Held back by: nothing, the setting off, a waiting sequence, the window gone from the front.
enum class Hold { None, Off, Sequence, Gone };

struct FollowCase {
    const char* rule;
    const char* program;  // of the window 300 that comes to the front
    std::string shown;    // the group whose name is shown, "" for none
    Hold hold = Hold::None;
};

// Groups that name their programs in the ways a start macro can, one world per case.
class FollowWorld : public DispatcherTest {
  public:
    FollowWorld() {
        Group("Player", "C:\\Media\\Player.exe", "S");
        Group("Viewer", "", "TYPE:v,LAUNCH:I:D:\\Pictures\\viewer.exe /full");
        Group("Radio", "radio.exe", "LAUNCH:tuner.exe");
        Group("Notes", "", "LAUNCH:C:\\Notes\\today.txt");
        Group("Second player", "player.exe", "");
        items.getBGroup(Group("Off", "off.exe", "").c_str())->Disabled = 1;
    }
    void TestBody() override {}

    std::string Group(const std::string& name, const std::string& target, const std::string& commands) {
        const std::string start = items.AddMacro(name + " start", commands);
        CopyText(Macro(start).TargetFile, target);
        return items.AddGroup(name, "", start);
    }

    void Check(const FollowCase& c) {
        WriteSetting(setting::FollowForeground, c.hold == Hold::Off ? 0 : 1);
        desktop.AddWindow(300, FakeWindow{"Front", c.program});
        desktop.foreground = c.hold == Hold::Gone ? kTarget : 300;
        if (c.hold == Hold::Sequence) timers.Start(DispatchTimer::Button, 600);
        dispatcher.ForegroundChanged(300), dispatcher.ForegroundChanged(300);  // the name shows once
        std::vector<std::string> shown;
        for (const std::string& call : hooks.calls)
            if (call.rfind("show ", 0) == 0) shown.push_back(call.substr(5));
        EXPECT_EQ(shown, c.shown.empty() ? Events{} : Events{c.shown}) << c.rule;
        EXPECT_EQ(KeyPresses('S'), 0) << c.rule;
    }
};

TEST(DispatcherFollow, TheProgramInFrontActivatesTheGroupOfItsStartMacroWithoutRunningIt) {
    const FollowCase cases[] = {
        {"the start macro's target program, by file name, letter case aside", "D:\\Other\\PLAYER.EXE",
         "Player"},
        {"else the program of its first LAUNCH, options and parameters aside", "d:\\pictures\\viewer.exe",
         "Viewer"},
        {"the target program comes before the launched one", "C:\\tuner.exe", ""},
        {"a launched document stands for no program", "C:\\Windows\\notepad.exe", ""},
        {"a disabled group selects nothing", "off.exe", ""},
        {"the first of two groups of one program", "player.exe", "Player"},
        {"off by default", "player.exe", "", Hold::Off},
        {"not while a sequence waits", "player.exe", "", Hold::Sequence},
        {"not for a window no longer in front", "player.exe", "", Hold::Gone},
    };
    for (const FollowCase& c : cases) FollowWorld().Check(c);
}

TEST_F(DispatcherTest, GroupWithoutStartMacroLeavesTheWindowsAlone) {
    const std::string group = items.AddGroup("Empty", "empty", "M999");
    desktop.foreground = 200;
    EXPECT_TRUE(dispatcher.ActivateGroup(group.c_str()));
    EXPECT_TRUE(dispatcher.ActivateGroup("A999"));
    Receive("empty");
    EXPECT_EQ(desktop.foreground, 200u);
}

TEST_F(DispatcherTest, NestedMacroAndGroupRunInsideTheList) {
    PlayerMacro("Inner", "I", "");
    const std::string start = PlayerMacro("Group start", "G", "");
    items.AddGroup("Media", "", start);
    items.AddMacro("Outer", "TYPE:a,MACRO:Inner,GROUP:Media,MACRO:Missing,TYPE:b", "outer");
    Receive("outer");
    EXPECT_EQ(KeyPresses('A'), 1);
    EXPECT_EQ(KeyPresses('I'), 1);
    EXPECT_EQ(KeyPresses('G'), 1);
    EXPECT_EQ(KeyPresses('B'), 1);
    const auto a = std::find(desktop.events.begin(), desktop.events.end(), "down 65");
    const auto i = std::find(desktop.events.begin(), desktop.events.end(), "down 73");
    const auto b = std::find(desktop.events.begin(), desktop.events.end(), "down 66");
    EXPECT_TRUE(a < i && i < b);
}

TEST_F(DispatcherTest, MacroAlreadyRunningInTheChainIsNotStartedAgain) {
    // Without the cycle rule this list runs 2^16 times and freezes the program.
    items.AddMacro("Twice", "TYPE:x,MACRO:Twice,MACRO:Twice", "twice");
    Receive("twice");
    EXPECT_EQ(KeyPresses('X'), 1);

    // Ping's start macro activates Pong, whose start macro would start Ping's again.
    const std::string ping = items.AddMacro("Ping", "TYPE:p,GROUP:Pong", "");
    const std::string pong = items.AddMacro("Pong", "TYPE:q,GROUP:Ping", "");
    items.AddGroup("Ping", "ping", ping);
    items.AddGroup("Pong", "", pong);
    Receive("ping");
    EXPECT_EQ(KeyPresses('P'), 1);
    EXPECT_EQ(KeyPresses('Q'), 1);
}

TEST_F(DispatcherTest, MacroCalledTwiceOutsideACycleRunsTwice) {
    PlayerMacro("Inner", "I", "");
    items.AddMacro("Outer", "MACRO:Inner,MACRO:Inner", "outer");
    Receive("outer");
    EXPECT_EQ(KeyPresses('I'), 2);
}

TEST_F(DispatcherTest, ChainOfDistinctMacrosStopsAtTheNestingLimit) {
    const int chainLength = static_cast<int>(MacroExecutor::kMaxNesting) + 4;
    for (int i = 0; i < chainLength; ++i)
        items.AddMacro("Step" + std::to_string(i), "TYPE:x,MACRO:Step" + std::to_string(i + 1),
                       i == 0 ? "step" : "");
    Receive("step");
    EXPECT_EQ(KeyPresses('X'), static_cast<int>(MacroExecutor::kMaxNesting));
}

TEST_F(DispatcherTest, DisabledItemsAreNotSelected) {
    const std::string id = PlayerMacro("Play", "P", "play");
    Macro(id).Disabled = 1;
    Receive("play");
    EXPECT_EQ(KeyPresses('P'), 0);
}

TEST_F(DispatcherTest, ExecuteItemIgnoresUnknownIDs) {
    dispatcher.ExecuteItem("M42");
    dispatcher.ExecuteItem("");
    dispatcher.ExecuteItem(nullptr);
    dispatcher.ExecuteItem("Q1");
    EXPECT_TRUE(desktop.events.empty());
    EXPECT_EQ(hooks.calls.back(), "tray active");
}

// The receiver monitor: one report per received command, and one when a sequence's wait ends.
TEST_F(DispatcherTest, TellsAnOpenMonitorWhatEachCommandDid) {
    struct Recorder : DispatchMonitor {
        void Dispatched(const DispatchReport& r) override {
            lines.push_back(r.command + " " + std::to_string(r.repeatCount) + " " + OutcomeText(r));
        }
        std::vector<std::string> lines;
    } monitor;
    PlayerMacro("Play", "P", "play");
    PlayerMacro("Chapter", "C", "menu;ok;go");
    const std::string pick = items.AddMacro("Pick", "P,Q", "pick");
    Macro(pick).Select = 1;
    items.AddGroup("Player", "player");
    PlayerMacro("Menu", "M", "ctx@hold");
    Receive("play");  // before the monitor opens: not told
    dispatcher.SetMonitor(&monitor);
    for (const char* command :
         {"play", "play", "menu", "ok", "go", "nothing", "pick", "player", "ctx", "ctx@release", "menu"})
        Receive(command);
    dispatcher.timButtonTimer();
    dispatcher.SetMonitor(nullptr);
    Receive("play");
    EXPECT_EQ(monitor.lines,
              (std::vector<std::string>{
                  "play 1 ran macro Play", "play 2 ran macro Play", "menu 0 first button of a sequence",
                  "ok 0 next button of a sequence", "go 0 ran macro Chapter", "nothing 0 no item",
                  "pick 0 opened the command chooser of macro Pick", "player 0 activated group Player",
                  "ctx 0 waiting: a short or a long press", "ctx@release 0 skipped: only a long press runs an item",
                  "menu 0 first button of a sequence", "menu 0 no item"}));
}

}  // namespace
