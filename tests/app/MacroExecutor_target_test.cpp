// The target window of a macro, and launching programs.
#include <gtest/gtest.h>

#include "core/TargetWindow.h"
#include "tests/app/ExecutorFixture.h"

namespace {

class MacroExecutorTarget : public ExecutorFixture {
  protected:
    MacroExecutorTarget() {
        desktop.AddWindow(200, FakeWindow{"Report.txt - Editor", "C:\\Tools\\editor.exe"});
        desktop.AddWindow(300, FakeWindow{"Notes.txt - Editor", "C:\\Tools\\EDITOR.EXE"});
        desktop.AddWindow(400, FakeWindow{"Notes - Viewer", "C:\\Tools\\viewer.exe"});
    }

    std::string TargetedMacro(const std::string& commands, const std::string& file,
                              const std::string& caption) {
        const std::string id = items.AddMacro("Targeted", commands);
        Macro(id).CurrentWindow = 0;
        CopyText(Macro(id).TargetFile, file);
        CopyText(Macro(id).TargetCaption, caption);
        return id;
    }
};

TEST_F(MacroExecutorTarget, ForegroundWindowWhenNoTargetIsNamed) {
    const std::string id = TargetedMacro("", "", "");
    Macro(id).TargetWindow = 300;
    EXPECT_EQ(executor.ResolveTargetWindow(id.c_str()), kTarget);
    EXPECT_EQ(Macro(id).TargetWindow, 0);
}

TEST_F(MacroExecutorTarget, CaptionMatchesWithoutCaseAndWithTheProgramFile) {
    EXPECT_EQ(executor.ResolveTargetWindow(TargetedMacro("", "", "notes").c_str()), 300u);
    EXPECT_EQ(executor.ResolveTargetWindow(TargetedMacro("", "viewer.exe", "NOTES").c_str()), 400u);
    EXPECT_EQ(executor.ResolveTargetWindow(TargetedMacro("", "other.exe", "Notes").c_str()), 0u);
}

TEST_F(MacroExecutorTarget, ProgramFileMatchesWithoutCaseAndGivesTheTopOwner) {
    desktop.zOrder.insert(desktop.zOrder.begin(), 250);
    desktop.windows[250] = FakeWindow{"Find", "C:\\Tools\\editor.exe", 200};
    const std::string id = TargetedMacro("", "Editor.exe", "");
    EXPECT_EQ(executor.ResolveTargetWindow(id.c_str()), 200u);
    EXPECT_EQ(Macro(id).TargetWindow, 200);
}

TEST_F(MacroExecutorTarget, InvisibleWindowsAreNotAProgramsWindow) {
    desktop.windows[200].visible = false;
    EXPECT_EQ(FindAppWindow(desktop, "editor.exe"), 300u);
    EXPECT_EQ(FindAppWindow(desktop, ""), 0u);
}

TEST_F(MacroExecutorTarget, MinimizedProgramWindowIsRestoredUnlessDontFocus) {
    desktop.windows[200].minimized = true;
    const std::string id = TargetedMacro("", "editor.exe", "");
    EXPECT_EQ(executor.ResolveTargetWindow(id.c_str()), 200u);
    EXPECT_EQ(desktop.events, (Events{"message 200 274 61728 0"}));

    desktop.events.clear();
    desktop.windows[200].minimized = true;
    const std::string quiet = TargetedMacro("", "editor.exe", "");
    Macro(quiet).DontFocus = 1;
    EXPECT_EQ(executor.ResolveTargetWindow(quiet.c_str()), 200u);
    EXPECT_TRUE(desktop.events.empty());
}

TEST_F(MacroExecutorTarget, CachedWindowIsUsedWhileItLivesAndSearchedAnewWhenGone) {
    const std::string id = TargetedMacro("", "editor.exe", "");
    Macro(id).TargetWindow = 300;
    EXPECT_EQ(executor.ResolveTargetWindow(id.c_str()), 300u);
    desktop.windows.erase(300);
    desktop.zOrder.erase(std::find(desktop.zOrder.begin(), desktop.zOrder.end(), 300));
    EXPECT_EQ(executor.ResolveTargetWindow(id.c_str()), 200u);
    EXPECT_EQ(Macro(id).TargetWindow, 200);
}

TEST_F(MacroExecutorTarget, WindowHandlesSurviveTheirThirtyTwoBitField) {
    const WindowHandle high = static_cast<WindowHandle>(static_cast<intptr_t>(-1000));
    desktop.AddWindow(high, FakeWindow{"Sign", "C:\\sign.exe"});
    const std::string id = TargetedMacro("", "sign.exe", "");
    EXPECT_EQ(executor.ResolveTargetWindow(id.c_str()), high);
    EXPECT_EQ(executor.ResolveTargetWindow(id.c_str()), high);
}

TEST_F(MacroExecutorTarget, WithoutATargetKeysAreSkippedButOtherCommandsRun) {
    const std::string id = TargetedMacro(
        "ENTER,PAUSE:100,MOUSE-UP,LBUTTON-CLICK,Maximize window,media:x,Volume up", "absent.exe", "");
    executor.ExecuteMacro(id.c_str(), true, -1);
    EXPECT_EQ(desktop.events, (Events{"move 0 -1"}));
    EXPECT_EQ(clock.waits, (std::vector<std::string>{"100"}));
    EXPECT_EQ(hooks.calls.back(), "volume up");
}

TEST_F(MacroExecutorTarget, CurrentWindowFollowsTheForegroundFromTokenToToken) {
    const std::string id = items.AddMacro("Follow", "TAB,PAUSE:10,TAB");
    desktop.foreground = 200;
    executor.ExecuteMacro(id.c_str(), true, -1);
    desktop.foreground = 300;
    executor.ExecuteMacro(id.c_str(), true, -1);
    EXPECT_EQ(std::count(desktop.events.begin(), desktop.events.end(), "attach 200"), 2);
    EXPECT_EQ(std::count(desktop.events.begin(), desktop.events.end(), "attach 300"), 2);
}

TEST_F(MacroExecutorTarget, BringToFrontRestoresAMinimizedOwner) {
    desktop.windows[250] = FakeWindow{"Find", "C:\\Tools\\editor.exe", 200};
    desktop.windows[200].minimized = true;
    EXPECT_TRUE(executor.BringToFront(250));
    EXPECT_EQ(desktop.events, (Events{"restore 200", "foreground 250"}));
}

using MacroExecutorLaunch = MacroExecutorTarget;

TEST_F(MacroExecutorLaunch, OpensTheFileAndWaitsForItsWindow) {
    desktop.launches["C:\\Tools\\app.exe"] = {500, FakeWindow{"App", "C:\\Tools\\app.exe"}};
    EXPECT_EQ(Run("LAUNCH:C:\\Tools\\app.exe -v"),
              (Events{"plugin LAUNCH|C:\\Tools\\app.exe -v|100", "open C:\\Tools\\app.exe|-v"}));
    EXPECT_TRUE(clock.waits.empty());
}

TEST_F(MacroExecutorLaunch, OneInstanceBringsTheRunningProgramForward) {
    EXPECT_EQ(Run("LAUNCH:I:C:\\Other\\Editor.exe"),
              (Events{"plugin LAUNCH|I:C:\\Other\\Editor.exe|100", "foreground 200"}));
}

TEST_F(MacroExecutorLaunch, DeactivatesTheReceiverAndWatchesTheWindow) {
    desktop.launches["C:\\Tools\\app.exe"] = {500, FakeWindow{"App", "C:\\Tools\\app.exe"}};
    Run("LAUNCH:D:I:C:\\Tools\\app.exe");
    EXPECT_EQ(hooks.calls, (std::vector<std::string>{"repeat off", "receiver off", "watch 500"}));
}

TEST_F(MacroExecutorLaunch, WaitsAboutFourSecondsForAWindowThatNeverComes) {
    Run("LAUNCH:D:notes.txt");
    uint32_t waited = 0;
    for (const std::string& wait : clock.waits) waited += std::stoul(wait);
    EXPECT_GE(waited, 4320u);
    EXPECT_LT(waited, 4400u);
    EXPECT_EQ(hooks.calls.back(), "watch 0");
}

TEST_F(MacroExecutorLaunch, FailedLaunchDoesNotWait) {
    desktop.openResult = 2;
    Run("LAUNCH:C:\\missing.exe");
    EXPECT_TRUE(clock.waits.empty());
}

TEST_F(MacroExecutorLaunch, EmptyLaunchDoesNothing) {
    EXPECT_EQ(Run("LAUNCH:,LAUNCH:D:"), (Events{"plugin LAUNCH||100", "plugin LAUNCH|D:|100"}));
    EXPECT_EQ(hooks.calls, (std::vector<std::string>{"repeat off"}));
}

}  // namespace
