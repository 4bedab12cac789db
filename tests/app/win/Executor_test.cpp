// Macros against real windows: keys, typed text, clicks, messages, window
// commands, target windows and launching programs.
#include <windows.h>
#include <gtest/gtest.h>

#include "tests/app/win/WinExecutorFixture.h"
#include "tests/support/WinTestSupport.h"

namespace {

using ExecutorKeys = WinExecutorFixture;

TEST_F(ExecutorKeys, TypedTextAndKeysArriveInTheEditControl) {
    Execute(AddMacro("TYPE:Hello1,SPACE,SHIFT+W,TYPE:x.y"));
    ExpectTargetText("Hello1 Wx.y");
}

TEST_F(ExecutorKeys, ModifiedKeysReachTheWindow) {
    Execute(AddMacro("TYPE:abc,SHIFT+HOME,DELETE,TYPE:z"));
    ExpectTargetText("z");
}

TEST_F(ExecutorKeys, CommaElementTypesNothingHarmful) {
    Execute(AddMacro("TYPE:a,BACKSPACE,TYPE:ok"));
    ExpectTargetText("ok");
}

TEST_F(ExecutorKeys, KeysNeverReachThisProgramsOwnWindow) {
    // A remote button pressed while the program's own window is in front
    // must not press Ctrl+Del or Ctrl+X into its tree: those keys are skipped.
    TestWindow own("Own window", 500, 400);
    ASSERT_EQ(GetForegroundWindow(), own.window());
    Execute(AddMacro("TYPE:abc,CTRL+A,DELETE"));
    PumpMessages(100);
    EXPECT_EQ(own.EditText(), "");
    EXPECT_EQ(target.EditText(), "");
}

using ExecutorMouse = WinExecutorFixture;

TEST_F(ExecutorMouse, WindowRelativeClickLandsOnTheButton) {
    ASSERT_EQ(GetForegroundWindow(), target.window());
    RECT window, button;
    GetWindowRect(target.window(), &window);
    GetWindowRect(target.button(), &button);
    char click[64];
    snprintf(click, sizeof click, "CLICK:%04ld:%04ld:L:W:CLICK", button.left - window.left + 10,
             button.top - window.top + 10);
    Execute(AddMacro(click));
    EXPECT_TRUE(WaitFor([&] { return target.ButtonClicks() == 1; }, 2000)) << target.ButtonClicks();
    POINT cursor;
    GetCursorPos(&cursor);
    EXPECT_EQ(cursor.x, button.left + 10);
    EXPECT_EQ(cursor.y, button.top + 10);
}

TEST_F(ExecutorMouse, ScreenClickAndMovesPlaceTheCursor) {
    // Away from every window: under Wine, a window of another program under
    // the cursor can hand back a pointer position from before the last move.
    Execute(AddMacro("CLICK:0900:0700:L:S:UP,MOUSE-RIGHT,MOUSE-DOWN,MOUSE-DOWN"));
    POINT cursor{};
    // Relative moves reach the cursor through the input queue, a moment later.
    WaitFor([&] { return GetCursorPos(&cursor) && cursor.x == 901 && cursor.y == 702; }, 2000);
    EXPECT_EQ(cursor.x, 901);
    EXPECT_EQ(cursor.y, 702);
}

using ExecutorWindows = WinExecutorFixture;

// Named by its caption: under Wine the front can move to the desktop after the target took it.
TEST_F(ExecutorWindows, SendMessageReachesTheTargetWindow) {
    Execute(AddMacro("SENDMESSAGE:1029:7:$10,SENDMESSAGE:1030:x:0", "", "test target"));
    EXPECT_EQ(target.UserMessages(), (std::vector<std::string>{"1029 7 16"}));
}

TEST_F(ExecutorWindows, MaximizeMinimizeAndRestore) {
    Execute(AddMacro("Maximize window"));
    EXPECT_TRUE(IsZoomed(target.window()));
    Execute(AddMacro("Restore window"));
    EXPECT_FALSE(IsZoomed(target.window()));
    Execute(AddMacro("Minimize window"));
    EXPECT_TRUE(IsIconic(target.window()));
}

// Typed keys reach the window that has the focus when this thread reads
// them, so the tests that check where keys land keep the target in front.
TEST_F(ExecutorWindows, TargetFoundByCaptionGetsTheKeys) {
    TestWindow other("Another window", 500, 400);
    ASSERT_EQ(GetForegroundWindow(), other.window());
    const std::string id = AddMacro("TYPE:to target,SHIFT+1", "", "TEST TARGET");
    getMacro(id.c_str())->LeaveWindow = 1;
    dispatcher.ExecuteItem(id.c_str());
    PumpMessages(100);
    ExpectTargetText("to target!");
    EXPECT_EQ(other.EditText(), "");
    EXPECT_EQ(GetForegroundWindow(), target.window());
}

// Another program's, as for a user: this busy thread would get Wine's focus events late.
TEST_F(ExecutorWindows, PreviousWindowComesBackAfterTheMacro) {
    TargetProgram other("Another program", 500, 400);
    ASSERT_EQ(GetForegroundWindow(), other.window());
    const std::string id = AddMacro("PAUSE:10", "", "test target");
    dispatcher.ExecuteItem(id.c_str());
    EXPECT_EQ(HandleFromStored(getMacro(id.c_str())->TargetWindow), FromHwnd(target.window()));
    PumpMessages(100);
    EXPECT_EQ(GetForegroundWindow(), other.window());
}

TEST_F(ExecutorWindows, LeaveWindowKeepsTheTargetInFront) {
    TestWindow other("Another window", 500, 400);
    const std::string id = AddMacro("TYPE:x", "", "test target");
    getMacro(id.c_str())->LeaveWindow = 1;
    dispatcher.ExecuteItem(id.c_str());
    PumpMessages(100);
    EXPECT_EQ(GetForegroundWindow(), target.window());
}

TEST_F(ExecutorWindows, TargetFoundByItsProgramFile) {
    TestWindow other("Another window", 500, 400);
    const std::string id = AddMacro("TYPE:by file", "TARGET_WINDOW.EXE", "");
    EXPECT_EQ(executor.ResolveTargetWindow(id.c_str()), FromHwnd(target.window()));
    EXPECT_EQ(HandleFromStored(getMacro(id.c_str())->TargetWindow), FromHwnd(target.window()));
}

TEST_F(ExecutorWindows, MacroForAProgramThatIsNotRunningSkipsItsKeysButPauses) {
    const std::string id = AddMacro("TYPE:lost,PAUSE:200", "absent.exe", "");
    const DWORD start = GetTickCount();
    Execute(id);
    EXPECT_GE(GetTickCount() - start, 200u);
    PumpMessages(100);
    EXPECT_EQ(target.EditText(), "");
}

HWND FindLaunchTarget() {
    HWND found = nullptr;
    EnumWindows(
        [](HWND window, LPARAM result) -> BOOL {
            char title[256] = "";
            GetWindowTextA(window, title, sizeof title);
            if (std::string(title).rfind("Launch target", 0) == 0 && IsWindowVisible(window)) {
                *reinterpret_cast<HWND*>(result) = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

int CountLaunchTargets() {
    int count = 0;
    EnumWindows(
        [](HWND window, LPARAM result) -> BOOL {
            char title[256] = "";
            GetWindowTextA(window, title, sizeof title);
            if (std::string(title).rfind("Launch target", 0) == 0) ++*reinterpret_cast<int*>(result);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&count));
    return count;
}

class ExecutorLaunchTest : public WinExecutorFixture {
  protected:
    void TearDown() override {
        while (HWND window = FindLaunchTarget()) {
            PostMessageA(window, WM_CLOSE, 0, 0);
            for (int i = 0; i < 100 && IsWindow(window); ++i) Sleep(20);
        }
    }
    const std::string program = TestProgramFolder() + "launch_target.exe";
};

TEST_F(ExecutorLaunchTest, LaunchStartsTheProgramWithItsParametersAndWaitsForItsWindow) {
    Execute(AddMacro("LAUNCH:D:" + program + " -v"));
    HWND launched = FindLaunchTarget();
    ASSERT_NE(launched, nullptr);
    char title[256] = "";
    GetWindowTextA(launched, title, sizeof title);
    EXPECT_STREQ(title, "Launch target -v");
    EXPECT_EQ(hooks.calls, (std::vector<std::string>{"off", "watch window"}));
}

TEST_F(ExecutorLaunchTest, OneInstanceBringsTheRunningProgramForwardInstead) {
    Execute(AddMacro("LAUNCH:" + program));
    ASSERT_EQ(CountLaunchTargets(), 1);
    SetForegroundWindow(target.window());
    PumpMessages(50);
    Execute(AddMacro("LAUNCH:I:" + program));
    EXPECT_EQ(CountLaunchTargets(), 1);
    EXPECT_EQ(GetForegroundWindow(), FindLaunchTarget());
}

TEST_F(ExecutorLaunchTest, MissingProgramIsSkippedWithoutWaiting) {
    const DWORD start = GetTickCount();
    Execute(AddMacro("LAUNCH:C:\\nowhere\\missing.exe"));
    EXPECT_LT(GetTickCount() - start, 2000u);
    EXPECT_EQ(CountLaunchTargets(), 0);
}

}  // namespace
