// The remote follows the program in front: two programs brought to the front
// in turn activate their groups, and a press of the sender runs the active
// group's macro in the window in front.
#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ProgramFixture.h"
#include "ProgramItems.h"
#include "TargetProgram.h"

namespace {

// Group An whose start macro names its program by target (or by launching
// it), and its macro for KEY_OK, which posts message 1025 with n to the
// window in front.
std::string FollowedGroup(const std::string& n, const std::string& file, bool launch) {
    std::string start = Macro("M" + n + "0", "Start " + n, launch ? "LAUNCH:" + file : "");
    if (!launch) start.replace(start.find("TARGETFILE:"), 11, "TARGETFILE:" + file);
    return Group("A" + n, "Group " + n, "", "M" + n + "0") + start +
           Macro("M" + n + "1", "Ok " + n, "SENDMESSAGE:1025:" + n + ":0", "A" + n, "KEY_OK");
}

// How many displays of that text are on the screen (they stay with OSDTime 0).
int Displays(const std::string& text) {
    int count = 0;
    for (HWND window = nullptr; (window = FindWindowExA(nullptr, window, "TdlgOSD", text.c_str()));) ++count;
    return count;
}

TEST_F(ProgramTest, TheProgramInFrontSelectsTheGroupOfTheNextPress) {
    const std::string other = folder.path() + "other_target.exe";
    ASSERT_TRUE(CopyFileA((TestProgramFolder() + "target_window.exe").c_str(), other.c_str(), FALSE));
    WriteStartSetting(true);
    WriteSetting(setting::FollowForeground, 1);
    WriteSetting(setting::OSD, 1);
    WriteSetting(setting::OSDTime, 0);
    TovanixProgram& tovanix =
        Start(FollowedGroup("1", "target_window.exe", false) + FollowedGroup("2", "other_target.exe", true));
    ASSERT_TRUE(WaitFor([&] { return tovanix.Caption() == "Tovanix - receiving"; }, 9000));
    // Brings the program to the front, waits for its group's name on screen
    // for the count-th time and presses OK. Wine 8 tells no one of a new
    // window in front: the test raises the event as Windows does.
    const auto press = [&](TargetProgram& front, const std::string& group, int count) {
        SetForegroundWindow(front.window());
        ASSERT_TRUE(WaitFor([&] { return GetForegroundWindow() == front.window(); }, 2000));
        NotifyWinEvent(EVENT_SYSTEM_FOREGROUND, front.window(), OBJID_WINDOW, CHILDID_SELF);
        ASSERT_TRUE(WaitFor([&] { return Displays(group) == count; }, 3000)) << group;
        const std::size_t before = front.UserMessages().size();
        ASSERT_EQ(RunProgram(tovanix.Folder() + "tovsend.exe", "KEY_OK"), 0);
        WaitFor([&] { return front.UserMessages().size() > before; }, 3000);
    };
    TargetProgram first("First program", 100, 100);
    press(first, "Group 1", 1);
    TargetProgram second("Second program", 300, 100, other);
    press(second, "Group 2", 1);
    press(first, "Group 1", 2);
    EXPECT_EQ(first.UserMessages(), (std::vector<std::string>{"1025 1 0", "1025 1 0"}));
    EXPECT_EQ(second.UserMessages(), (std::vector<std::string>{"1025 2 0"}));
}

}  // namespace
