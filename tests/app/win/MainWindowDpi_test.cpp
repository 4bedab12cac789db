// The main window at the DPI of its screen, and moved to a screen of another
// DPI: its width, margins and controls scale with the DPI.
#include <windows.h>
#include <gtest/gtest.h>

#include "app/win/resource.h"
#include "tests/support/ProgramFixture.h"
#include "tests/support/ProgramItems.h"

namespace {

const char* const kDesktopKey = "Control Panel\\Desktop";

// The DPI that Wine gives the programs started while it lives.
class ScreenDpi {
  public:
    explicit ScreenDpi(DWORD dpi) {
        DWORD size = sizeof previous_;
        hadValue_ = RegGetValueA(HKEY_CURRENT_USER, kDesktopKey, "LogPixels", RRF_RT_REG_DWORD, nullptr,
                                 &previous_, &size) == ERROR_SUCCESS;
        RegSetKeyValueA(HKEY_CURRENT_USER, kDesktopKey, "LogPixels", REG_DWORD, &dpi, sizeof dpi);
    }
    ~ScreenDpi() {
        if (hadValue_)
            RegSetKeyValueA(HKEY_CURRENT_USER, kDesktopKey, "LogPixels", REG_DWORD, &previous_,
                            sizeof previous_);
        else
            RegDeleteKeyValueA(HKEY_CURRENT_USER, kDesktopKey, "LogPixels");
    }
    ScreenDpi(const ScreenDpi&) = delete;
    ScreenDpi& operator=(const ScreenDpi&) = delete;

  private:
    DWORD previous_ = 0;
    bool hadValue_ = false;
};

SIZE SizeOf(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

// The tree's left edge from the window's client edge.
LONG TreeMargin(HWND main) {
    RECT tree{};
    GetWindowRect(GetDlgItem(main, IDC_MAIN_TREE), &tree);
    POINT corner{0, 0};
    ClientToScreen(main, &corner);
    return tree.left - corner.x;
}

struct DpiCase {
    DWORD dpi;
    LONG width;   // the window's fixed width
    LONG height;  // its first height
    SIZE button;  // "Activate"
    LONG margin;  // left of the tree
};

TEST_F(ProgramTest, TheMainWindowScalesWithTheScreensDpi) {
    const DpiCase cases[] = {{96, 296, 472, {90, 24}, 4}, {144, 444, 708, {135, 36}, 6}};
    for (const DpiCase& expected : cases) {
        SCOPED_TRACE(expected.dpi);
        ScreenDpi dpi(expected.dpi);
        TovanixProgram& tovanix = Start(Macro("M1", "Anything", "ENTER"));
        ASSERT_TRUE(WaitUntilShown());
        const HWND main = tovanix.MainWindow();
        EXPECT_EQ(SizeOf(main).cx, expected.width);
        EXPECT_EQ(SizeOf(main).cy, expected.height);
        const SIZE button = SizeOf(GetDlgItem(main, IDC_MAIN_ACTIVATE));
        EXPECT_EQ(button.cx, expected.button.cx);
        EXPECT_EQ(button.cy, expected.button.cy);
        EXPECT_EQ(TreeMargin(main), expected.margin);
        ASSERT_TRUE(tovanix.Close());
        program.reset();
        RegDeleteTreeA(HKEY_CURRENT_USER, "SOFTWARE\\Morvale");
    }
}

// Windows hands the suggested rectangle by pointer: it is written into the
// program's memory, as Windows would.
TEST_F(ProgramTest, MovedToAScreenOfTwiceTheDpiTheMainWindowTakesTheSuggestedPlaceAndScales) {
    TovanixProgram& tovanix = Start(Macro("M1", "Anything", "ENTER"));
    ASSERT_TRUE(WaitUntilShown());
    const HWND main = tovanix.MainWindow();
    DWORD processId = 0;
    GetWindowThreadProcessId(main, &processId);
    const HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, processId);
    ASSERT_NE(process, nullptr);
    const RECT suggested{100, 50, 100 + 592, 50 + 944};
    void* remote = VirtualAllocEx(process, nullptr, sizeof suggested, MEM_COMMIT, PAGE_READWRITE);
    ASSERT_NE(remote, nullptr);
    ASSERT_TRUE(WriteProcessMemory(process, remote, &suggested, sizeof suggested, nullptr));
    SendMessageA(main, WM_DPICHANGED, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(remote));
    VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);

    RECT window{};
    GetWindowRect(main, &window);
    EXPECT_EQ(window.left, suggested.left);
    EXPECT_EQ(window.top, suggested.top);
    EXPECT_EQ(SizeOf(main).cx, 592);
    EXPECT_EQ(SizeOf(main).cy, 944);
    const SIZE button = SizeOf(GetDlgItem(main, IDC_MAIN_ACTIVATE));
    EXPECT_EQ(button.cx, 180);
    EXPECT_EQ(button.cy, 48);
    EXPECT_EQ(TreeMargin(main), 8);
}

}  // namespace
