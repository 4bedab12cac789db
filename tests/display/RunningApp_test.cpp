// Finding a running program's window on the desktop.
#include "display/RunningApp.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct FakeWindow {
    WindowHandle handle;
    std::optional<std::string> programFile;
    std::string className;
    bool visible = true;
    WindowHandle owner = 0;
};

// Top-level windows in Z order, top first; owned windows are listed too.
class FakeDesktop final : public DesktopWindows {
  public:
    std::vector<FakeWindow> windows;
    mutable int namesAsked = 0;

    bool IsWindow(WindowHandle window) const override { return Find(window) != nullptr; }
    WindowHandle FirstTopLevel() const override { return windows.empty() ? 0 : windows.front().handle; }
    WindowHandle NextTopLevel(WindowHandle window) const override {
        for (std::size_t i = 0; i + 1 < windows.size(); ++i)
            if (windows[i].handle == window) return windows[i + 1].handle;
        return 0;
    }
    bool IsVisible(WindowHandle window) const override { return Find(window)->visible; }
    std::optional<std::string> ProgramFileOf(WindowHandle window) const override {
        ++namesAsked;
        return Find(window)->programFile;
    }
    std::string ClassNameOf(WindowHandle window) const override { return Find(window)->className; }
    WindowHandle OwnerOrParent(WindowHandle window) const override {
        const FakeWindow* found = Find(window);
        return found ? found->owner : 0;
    }

  private:
    const FakeWindow* Find(WindowHandle window) const {
        for (const FakeWindow& each : windows)
            if (each.handle == window) return &each;
        return nullptr;
    }
};

const char* const kNotepad = "C:\\windows\\system32\\notepad.exe";

class RunningAppTest : public ::testing::Test {
  protected:
    RunningAppTest() {
        desktop.windows = {
            {100, "C:\\Apps\\player.exe", "PlayerMain"}, {200, kNotepad, "Notepad", false},
            {300, kNotepad, "#32770", true, 400},        {400, kNotepad, "Notepad", true, 0},
            {500, kNotepad, "Notepad", true, 0},         {600, std::nullopt, "Unknown"},
        };
    }

    void ExpectFound(const RunningApp& app, bool matched, WindowHandle found) {
        EXPECT_EQ(app.matched, matched);
        EXPECT_EQ(app.found, found);
    }

    FakeDesktop desktop;
};

TEST_F(RunningAppTest, ALiveWindowIsTheAnswerWithoutLookingAtNames) {
    ExpectFound(FindRunningApp(desktop, 600, "other.exe", "Other"), true, 600);
    EXPECT_EQ(desktop.namesAsked, 0);
}

TEST_F(RunningAppTest, AHandleUpTo32MatchesNothing) {
    ExpectFound(FindRunningApp(desktop, 32, kNotepad, ""), false, 0);
    ExpectFound(FindRunningApp(desktop, 1, kNotepad, ""), false, 0);
    EXPECT_EQ(desktop.namesAsked, 0);
}

TEST_F(RunningAppTest, ADeadWindowSearchesLikeHandle0) {
    ExpectFound(FindRunningApp(desktop, 999, kNotepad, "Notepad"), true, 400);
}

TEST_F(RunningAppTest, FindsTheFirstVisibleWindowOfTheProgramAndClass) {
    ExpectFound(FindRunningApp(desktop, 0, kNotepad, "Notepad"), true, 400);
    ExpectFound(FindRunningApp(desktop, 0, "C:\\Apps\\player.exe", "PlayerMain"), true, 100);
}

TEST_F(RunningAppTest, WithoutAClassGivesTheTopOwnerOfTheFirstMatch) {
    ExpectFound(FindRunningApp(desktop, 0, kNotepad, ""), true, 400);
}

TEST_F(RunningAppTest, FileNamesCompareWithoutLetterCaseButClassNamesWithIt) {
    ExpectFound(FindRunningApp(desktop, 0, "C:\\WINDOWS\\SYSTEM32\\NOTEPAD.EXE", "Notepad"), true, 400);
    // Only the class differs: the last window of the program, not a match.
    ExpectFound(FindRunningApp(desktop, 0, kNotepad, "notepad"), false, 500);
}

TEST_F(RunningAppTest, AnUnknownProgramFindsNothing) {
    ExpectFound(FindRunningApp(desktop, 0, "C:\\Apps\\other.exe", ""), false, 0);
    ExpectFound(FindRunningApp(desktop, 0, "", ""), false, 0);
    desktop.windows.clear();
    ExpectFound(FindRunningApp(desktop, 0, kNotepad, ""), false, 0);
}

TEST(TopOwnerParent, ClimbsToTheTopOfTheChain) {
    FakeDesktop desktop;
    desktop.windows = {
        {100, "a.exe", "A", true, 0}, {200, "a.exe", "B", true, 100}, {300, "a.exe", "C", true, 200}};
    EXPECT_EQ(TopOwnerParent(desktop, 300), 100u);
    EXPECT_EQ(TopOwnerParent(desktop, 100), 100u);
}

TEST(TopOwnerParent, EndsOnAChainThatIsACycle) {
    FakeDesktop desktop;
    desktop.windows = {{100, "a.exe", "A", true, 200}, {200, "a.exe", "B", true, 100}};
    EXPECT_NE(TopOwnerParent(desktop, 100), 0u);
}

}  // namespace
