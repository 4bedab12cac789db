// The button panel of the real Tovanix.exe: opened from the Tools menu, its
// shortcut, the tray menu or at start, its buttons running macros through
// the dispatch into another program's window, and its file written when it
// or Tovanix closes.
#include <windows.h>
#include <gtest/gtest.h>

#include <string>

#include "app/win/resource.h"
#include "tests/support/ProgramFixture.h"
#include "tests/support/ProgramItems.h"
#include "tests/support/TargetProgram.h"
#include "tests/support/TovanixProgram.h"

namespace {

std::string Entry(int id, int x, int y, int w, int h, const std::string& mid, const std::string& cap) {
    return "ID:" + std::to_string(id) + "\r\nX:" + std::to_string(x) + "\r\nY:" + std::to_string(y) +
           "\r\nW:" + std::to_string(w) + "\r\nH:" + std::to_string(h) + "\r\nMID:" + mid + "\r\nCAP:" + cap +
           "\r\nPIC:\r\n";
}

RECT WindowRectOf(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

void Click(POINT point, bool right = false) {
    SetCursorPos(point.x, point.y);
    mouse_event(MOUSEEVENTF_MOVE, 0, 0, 0, 0);
    mouse_event(right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
    mouse_event(right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
}

void PressCtrl(BYTE key) {
    keybd_event(VK_CONTROL, 0, 0, 0);
    keybd_event(key, 0, 0, 0);
    keybd_event(key, 0, KEYEVENTF_KEYUP, 0);
    keybd_event(VK_CONTROL, 0, KEYEVENTF_KEYUP, 0);
}

class ProgramPanelTest : public ProgramTest {
  protected:
    std::string ListPath() const { return folder.path() + "BTNLIST.TXT"; }
    bool AwaitPanel(bool open) {
        return WaitFor([&] { return (program->ButtonPanel() != nullptr) == open; }, 5000);
    }
    // The file once Tovanix has written it.
    bool AwaitList(const std::string& text) {
        return WaitFor([&] { return ReadWholeFile(ListPath()) == text; }, 5000);
    }
};

TEST_F(ProgramPanelTest, TheToolsMenuCtrlPAndTheTrayMenuOpenAndCloseThePanel) {
    WriteSetting(setting::BtnPanelX, 500);
    WriteSetting(setting::BtnPanelY, 200);
    TovanixProgram& tovanix = Start("");
    ASSERT_TRUE(WaitUntilShown());
    EXPECT_EQ(tovanix.ButtonPanel(), nullptr);

    PostMessageA(tovanix.MainWindow(), WM_COMMAND, IDM_BUTTONPANEL, 0);
    ASSERT_TRUE(AwaitPanel(true));
    EXPECT_EQ(WindowRectOf(tovanix.ButtonPanel()).left, 500);
    // Closing it writes its (here empty) list.
    ASSERT_TRUE(tovanix.ChooseFromTrayMenu('b'));
    ASSERT_TRUE(AwaitPanel(false));
    EXPECT_TRUE(AwaitList(""));
    DeleteFileA(ListPath().c_str());

    SetForegroundWindow(tovanix.MainWindow());
    ASSERT_TRUE(WaitFor([&] { return GetForegroundWindow() == tovanix.MainWindow(); }, 3000));
    PressCtrl('P');
    ASSERT_TRUE(AwaitPanel(true));
    PressCtrl('P');
    ASSERT_TRUE(AwaitPanel(false));
    EXPECT_TRUE(AwaitList(""));
}

TEST_F(ProgramPanelTest, AButtonRunsItsMacroIntoTheWindowInFrontAndTheFileIsWrittenAtTheEnd) {
    WriteSetting(setting::BtnPanelStart, 1);
    WriteSetting(setting::BtnPanelX, 600);
    WriteSetting(setting::BtnPanelY, 100);
    WriteSetting(setting::BtnPanelW, 80);
    // A line that is not part of the format, which the written file leaves out.
    const std::string list = Entry(1, 5, 5, 70, 30, "M1", "Type");
    WriteWholeFile(ListPath(), "note\r\n" + list);
    TovanixProgram& tovanix = Start(Macro("M1", "Type", "TYPE:from the panel"));
    ASSERT_TRUE(AwaitPanel(true));
    const HWND panel = tovanix.ButtonPanel();

    TargetProgram target("Panel target", 100, 100);
    ASSERT_EQ(GetForegroundWindow(), target.window());
    const HWND button = FindWindowExA(panel, nullptr, "Button", "Type");
    ASSERT_NE(button, nullptr);
    const RECT rect = WindowRectOf(button);
    Click({(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
    EXPECT_TRUE(WaitFor([&] { return target.EditText() == "from the panel"; }, 3000)) << target.EditText();

    ASSERT_TRUE(tovanix.Close());
    EXPECT_EQ(ReadWholeFile(ListPath()), list);
}

TEST_F(ProgramPanelTest, APanelClosedFromItsOwnMenuIsOpenedAnewByTheToolsMenu) {
    WriteSetting(setting::BtnPanelStart, 1);
    WriteSetting(setting::BtnPanelX, 600);
    WriteSetting(setting::BtnPanelY, 100);
    TovanixProgram& tovanix = Start("");
    ASSERT_TRUE(AwaitPanel(true));
    const HWND first = tovanix.ButtonPanel();

    // "&Close", the fourth item of the background's menu.
    const RECT rect = WindowRectOf(first);
    Click({rect.left + 3, rect.bottom - 3}, true);
    HWND menu = nullptr;
    ASSERT_TRUE(
        WaitFor([&] { return (menu = FindWindowA("#32768", nullptr)) && IsWindowVisible(menu); }, 3000));
    for (int i = 0; i < 4; ++i) PostMessageA(menu, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageA(menu, WM_KEYDOWN, VK_RETURN, 0);
    ASSERT_TRUE(AwaitPanel(false));
    EXPECT_TRUE(AwaitList(""));

    // Tovanix was told: the menu opens a new panel rather than closing the old one.
    PostMessageA(tovanix.MainWindow(), WM_COMMAND, IDM_BUTTONPANEL, 0);
    ASSERT_TRUE(AwaitPanel(true));
    EXPECT_NE(tovanix.ButtonPanel(), first);
}

}  // namespace
