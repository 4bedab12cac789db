// The tray icon of Tovanix.exe as a user works it: minimizing hides the main
// window to the tray, the icon's double click and its menu bring it back,
// minimize it again and close the program.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include "app/win/TrayIcon.h"
#include "tests/support/ProgramFixture.h"
#include "tests/support/TovanixProgram.h"

namespace {

class TrayTest : public ProgramTest {
  protected:
    // The program, started with an empty command file and shown.
    TovanixProgram& Shown() {
        TovanixProgram& tovanix = Start("");
        EXPECT_TRUE(WaitUntilShown());
        return tovanix;
    }

    bool WaitForVisible(HWND window, bool visible) {
        return WaitFor([&] { return (IsWindowVisible(window) != FALSE) == visible; }, 3000);
    }
};

TEST_F(TrayTest, MinimizingHidesTheWindowToTheTrayAndADoubleClickBringsItBack) {
    TovanixProgram& tovanix = Shown();
    const HWND main = tovanix.MainWindow();
    ASSERT_NE(tovanix.TrayWindow(), nullptr);
    EXPECT_TRUE(tovanix.TrayIconShown());

    // What the caption's minimize button sends.
    PostMessageA(main, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ASSERT_TRUE(WaitForVisible(main, false));
    EXPECT_TRUE(tovanix.Running());
    EXPECT_TRUE(tovanix.TrayIconShown());

    PostMessageA(tovanix.TrayWindow(), TTrayIcon::kCallbackMessage, 0, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(WaitForVisible(main, true));
    EXPECT_FALSE(IsIconic(main));
}

TEST_F(TrayTest, TheMenuMinimizesShowsAndClosesTheProgram) {
    TovanixProgram& tovanix = Shown();
    const HWND main = tovanix.MainWindow();
    // While the window is shown the first item reads "&Minimize"...
    ASSERT_TRUE(tovanix.ChooseFromTrayMenu('m'));
    ASSERT_TRUE(WaitForVisible(main, false));
    // ...and "&Show" while it is in the tray.
    ASSERT_TRUE(tovanix.ChooseFromTrayMenu('s'));
    ASSERT_TRUE(WaitForVisible(main, true));
    // The menu opens again after a choice, and "&Close" ends the program.
    ASSERT_TRUE(tovanix.ChooseFromTrayMenu('c'));
    EXPECT_TRUE(WaitFor([&] { return !tovanix.Running(); }, 5000));
}

// The shell shows a balloon as a tooltip window of its own process.
int VisibleBalloons() {
    int count = 0;
    for (HWND window = FindWindowA(TOOLTIPS_CLASSA, nullptr); window;
         window = FindWindowExA(nullptr, window, TOOLTIPS_CLASSA, nullptr)) {
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        if (process != GetCurrentProcessId() && IsWindowVisible(window)) ++count;
    }
    return count;
}

TEST_F(TrayTest, AReceiverServerThatCannotBeReachedIsToldInABalloon) {
    WriteSetting(setting::Driver, "tovnet.dll");
    WriteSetting(setting::NetworkHost, "127.0.0.1");
    WriteSetting(setting::NetworkPort, 9);  // nothing listens there
    WriteStartSetting(true);
    const int before = VisibleBalloons();
    Start("");
    EXPECT_TRUE(WaitFor([&] { return VisibleBalloons() > before; }, 12000));
}

}  // namespace
