// The on-screen display as showCommand opens it: real windows on Wine's desktop.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <optional>

#include "display/tovshow.h"
#include "tests/display/win/DisplayTestSupport.h"

namespace {

void Show(const std::string& text) {
    TOSDText fixed{};
    std::strncpy(fixed, text.c_str(), sizeof fixed - 1);
    showCommand(fixed);
}

HWND ShowOne(const std::string& text) {
    Show(text);
    const std::vector<HWND> windows = OSDWindows();
    return windows.empty() ? nullptr : windows.front();
}

// The text's extent in the font that the settings name, measured here the
// way a font dialog's sample would be.
SIZE TextExtent(const std::string& text, const char* fontName, int points) {
    const HDC screen = GetDC(nullptr);
    const HFONT font = CreateFontA(-MulDiv(points, GetDeviceCaps(screen, LOGPIXELSY), 72), 0, 0, 0, FW_NORMAL,
                                   0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, fontName);
    const HGDIOBJ previous = SelectObject(screen, font);
    SIZE size{};
    GetTextExtentPoint32A(screen, text.c_str(), static_cast<int>(text.size()), &size);
    TEXTMETRICA metrics{};
    GetTextMetricsA(screen, &metrics);
    size.cy = metrics.tmHeight;
    SelectObject(screen, previous);
    DeleteObject(font);
    ReleaseDC(nullptr, screen);
    return size;
}

RECT WorkArea() {
    RECT area{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    return area;
}

class OSDTest : public ::testing::Test {
  protected:
    ~OSDTest() override { CloseOSDWindows(); }

    CleanSettings settings;
};

TEST_F(OSDTest, IsABorderlessTopmostToolWindowThatCannotBeActivated) {
    const HWND osd = ShowOne("Volume up");
    ASSERT_NE(osd, nullptr);
    EXPECT_TRUE(IsWindowVisible(osd));
    const LONG_PTR style = GetWindowLongPtrA(osd, GWL_STYLE);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_FALSE(style & (WS_CAPTION | WS_BORDER | WS_DLGFRAME | WS_THICKFRAME | WS_SYSMENU));
    EXPECT_EQ(GetWindowLongPtrA(osd, GWL_EXSTYLE), WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE);
    EXPECT_EQ(GetWindow(osd, GW_OWNER), nullptr);
    char text[80] = "";
    GetWindowTextA(osd, text, sizeof text);
    EXPECT_STREQ(text, "Volume up");
}

TEST_F(OSDTest, IsExactlyAsLargeAsTheTextInTheFontOfTheSettings) {
    WriteSetting(setting::FontName, "Tahoma");
    WriteSetting(setting::FontSize, 12);
    const SIZE small = TextExtent("Next chapter", "Tahoma", 12);
    RECT rect = WindowRect(ShowOne("Next chapter"));
    EXPECT_EQ(rect.right - rect.left, small.cx);
    EXPECT_EQ(rect.bottom - rect.top, small.cy);

    WriteSetting(setting::FontSize, 36);
    const SIZE large = TextExtent("Next chapter", "Tahoma", 36);
    EXPECT_GT(large.cx, small.cx);
    rect = WindowRect(ShowOne("Next chapter"));
    EXPECT_EQ(rect.right - rect.left, large.cx);
    EXPECT_EQ(rect.bottom - rect.top, large.cy);
}

TEST_F(OSDTest, ShowsAWholeTextOf65CharactersEvenWiderThanTheScreen) {
    WriteSetting(setting::FontSize, 72);
    const std::string text(65, 'W');
    const HWND osd = ShowOne(text + "cut");
    ASSERT_NE(osd, nullptr);
    char shown[100] = "";
    GetWindowTextA(osd, shown, sizeof shown);
    EXPECT_EQ(shown, text);
    const RECT rect = WindowRect(osd);
    EXPECT_EQ(rect.right - rect.left, TextExtent(text, "Times New Roman", 72).cx);
    EXPECT_GT(rect.right - rect.left, GetSystemMetrics(SM_CXSCREEN));
}

TEST_F(OSDTest, IsPlacedByOSDLocAgainstTheWorkAreasRightAndBottom) {
    const RECT area = WorkArea();
    struct Place {
        const char* location;
        bool right;   // else at the left, x 0
        bool bottom;  // else at the top, y 0
    };
    for (const Place& place :
         {Place{"Top left", false, false}, Place{"Top right", true, false}, Place{"Bottom left", false, true},
          Place{"Bottom right", true, true}, Place{"center", true, true}, Place{"Middle", true, true}}) {
        WriteSetting(setting::OSDLoc, place.location);
        const RECT rect = WindowRect(ShowOne(place.location));
        const LONG width = rect.right - rect.left;
        const LONG height = rect.bottom - rect.top;
        EXPECT_EQ(rect.left, place.right ? area.right - width : 0) << place.location;
        EXPECT_EQ(rect.top, place.bottom ? area.bottom - height : 0) << place.location;
    }
}

TEST_F(OSDTest, CentresWithHalvesRoundedToEven) {
    const RECT area = WorkArea();
    WriteSetting(setting::OSDLoc, "Center");
    // Texts of odd and even widths: one of them rounds a half.
    for (const char* text : {"i", "ii", "iii", "Play", "Pause"}) {
        const RECT rect = WindowRect(ShowOne(text));
        const LONG width = rect.right - rect.left;
        const LONG height = rect.bottom - rect.top;
        EXPECT_EQ(rect.left, std::nearbyint((area.right - width) * 0.5)) << text;
        EXPECT_EQ(rect.top, std::nearbyint((area.bottom - height) * 0.5)) << text;
    }
}

TEST_F(OSDTest, SitsDirectlyAboveABottomTaskbarAndOverATopOneAtTheCorner) {
    RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    RECT bottomBar = screen;
    bottomBar.bottom -= 40;
    if (!SystemParametersInfoA(SPI_SETWORKAREA, 0, &bottomBar, 0) || WorkArea().bottom != bottomBar.bottom) {
        SystemParametersInfoA(SPI_SETWORKAREA, 0, &screen, 0);
        GTEST_SKIP() << "the work area cannot be changed here";
    }
    RECT rect = WindowRect(ShowOne("Bottom"));
    EXPECT_EQ(rect.bottom, screen.bottom - 40);
    EXPECT_EQ(rect.right, screen.right);

    RECT topBar = screen;
    topBar.top += 40;
    SystemParametersInfoA(SPI_SETWORKAREA, 0, &topBar, 0);
    WriteSetting(setting::OSDLoc, "Top left");
    rect = WindowRect(ShowOne("Top"));
    EXPECT_EQ(rect.left, 0);
    EXPECT_EQ(rect.top, 0);
    SystemParametersInfoA(SPI_SETWORKAREA, 0, &screen, 0);
}

TEST_F(OSDTest, PaintsTheTextInTheFontColourOnTheBackColour) {
    WriteSetting(setting::BackColor, RGB(0, 0, 255));
    WriteSetting(setting::FontColor, RGB(255, 0, 0));
    WriteSetting(setting::FontSize, 48);
    const HWND osd = ShowOne("|||| ||||");
    ASSERT_NE(osd, nullptr);
    const RECT rect = WindowRect(osd);
    const HDC dc = GetDC(osd);
    int back = 0;
    int text = 0;
    for (int y = 0; y < rect.bottom - rect.top; y += 2) {
        for (int x = 0; x < rect.right - rect.left; x += 2) {
            const COLORREF pixel = GetPixel(dc, x, y);
            back += pixel == RGB(0, 0, 255);
            text += pixel == RGB(255, 0, 0);
        }
    }
    ReleaseDC(osd, dc);
    EXPECT_GT(back, text);
    EXPECT_GT(text, 0);
}

TEST_F(OSDTest, IsGoneAfterOSDTime) {
    WriteSetting(setting::OSDTime, 400);
    const HWND osd = ShowOne("Mute");
    ASSERT_NE(osd, nullptr);
    const long gone = MillisecondsUntilGone(osd, 5000);
    EXPECT_GE(gone, 350);
    EXPECT_LE(gone, 900);
    EXPECT_TRUE(OSDWindows().empty());
}

TEST_F(OSDTest, SeveralDisplaysLiveSideBySideAndEndOnTheirOwnSchedules) {
    WriteSetting(setting::OSDTime, 800);
    const HWND first = ShowOne("One");
    PumpMessages(400);
    const HWND second = ShowOne("Two");
    ASSERT_NE(first, second);
    EXPECT_EQ(OSDWindows().size(), 2u);
    const long firstGone = MillisecondsUntilGone(first, 5000);
    EXPECT_TRUE(IsWindowVisible(second));
    const long secondGone = MillisecondsUntilGone(second, 5000);
    EXPECT_GE(firstGone, 250);
    EXPECT_GE(secondGone, 250);
    EXPECT_LE(secondGone, 700);
}

// The window of a display that ended is the next one's: nothing of the old one may show.
TEST_F(OSDTest, ADisplayAfterOneThatEndedHasItsOwnTextSizePlaceAndTime) {
    WriteSetting(setting::OSDTime, 100);
    ASSERT_GE(MillisecondsUntilGone(ShowOne("Mute"), 5000), 0);
    WriteSetting(setting::FontName, "Tahoma");
    WriteSetting(setting::FontSize, 36);
    WriteSetting(setting::OSDLoc, "Top left");
    const HWND osd = ShowOne("Next chapter");
    ASSERT_NE(osd, nullptr);
    char text[80] = "";
    GetWindowTextA(osd, text, sizeof text);
    EXPECT_STREQ(text, "Next chapter");
    const SIZE size = TextExtent("Next chapter", "Tahoma", 36);
    const RECT rect = WindowRect(osd);
    EXPECT_EQ((std::vector<LONG>{rect.left, rect.top, rect.right, rect.bottom}),
              (std::vector<LONG>{0, 0, size.cx, size.cy}));
    EXPECT_GE(MillisecondsUntilGone(osd, 5000), 0);
}

// A held button shows its display again and again: one display, for the time of the last.
TEST_F(OSDTest, TheSameDisplayAgainWhileItIsShownIsOneThatLastsTheNewTime) {
    WriteSetting(setting::OSDTime, 300);
    const HWND osd = ShowOne("Volume up");
    WriteSetting(setting::OSDTime, 0);
    EXPECT_EQ(ShowOne("Volume up"), osd);
    PumpMessages(600);
    EXPECT_TRUE(IsWindowVisible(osd));
    EXPECT_EQ(OSDWindows().size(), 1u);
}

TEST_F(OSDTest, AnOSDTimeOf0Stays) {
    WriteSetting(setting::OSDTime, 0);
    const HWND osd = ShowOne("Stays");
    PumpMessages(1500);
    EXPECT_TRUE(IsWindow(osd));
    EXPECT_TRUE(IsWindowVisible(osd));
}

TEST_F(OSDTest, LeavesTheForegroundWindowAndTheFocusWhereTheyWere) {
    const HWND window = CreateWindowExA(0, "EDIT", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 300, 100,
                                        nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    SetForegroundWindow(window);
    SetFocus(window);
    PumpMessages(100);
    ASSERT_EQ(GetForegroundWindow(), window);

    WriteSetting(setting::OSDLoc, "Center");
    Show("Focus stays");
    PumpMessages(200);
    EXPECT_EQ(GetForegroundWindow(), window);
    EXPECT_EQ(GetActiveWindow(), window);
    EXPECT_EQ(GetFocus(), window);
    DestroyWindow(window);
}

TEST_F(OSDTest, ShowsOnlyWhenTheOSDSettingIsExactly1) {
    WriteSetting(setting::OSD, 0);
    Show("Off");
    WriteSetting(setting::OSD, 2);
    Show("Two");
    EXPECT_TRUE(OSDWindows().empty());
    WriteSetting(setting::OSD, 1);
    Show("On");
    EXPECT_EQ(OSDWindows().size(), 1u);
}

// The work area of the monitor at the virtual screen's bottom right when it is not the main one (Wine has
// two monitors in a session started with a second screen, docs/development.md).
std::optional<RECT> SecondScreen() {
    const POINT corner{GetSystemMetrics(SM_XVIRTUALSCREEN) + GetSystemMetrics(SM_CXVIRTUALSCREEN) - 1,
                       GetSystemMetrics(SM_YVIRTUALSCREEN) + GetSystemMetrics(SM_CYVIRTUALSCREEN) - 1};
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoA(MonitorFromPoint(corner, MONITOR_DEFAULTTOPRIMARY), &info) ||
        info.dwFlags & MONITORINFOF_PRIMARY)
        return std::nullopt;
    return info.rcWork;
}

TEST_F(OSDTest, GoesToTheScreenOfTheWindowInFrontOrOfTheTargetWhenAsked) {
    const std::optional<RECT> second = SecondScreen();
    if (!second) GTEST_SKIP() << "one monitor";
    const auto popup = [](int left, int top) {
        return CreateWindowExA(WS_EX_TOOLWINDOW, "STATIC", "", WS_POPUP | WS_VISIBLE, left, top, 40, 40,
                               nullptr, nullptr, nullptr, nullptr);
    };
    const HWND there = popup(second->right - 40, second->bottom - 40);
    ASSERT_TRUE(SetForegroundWindow(there));
    WriteSetting(setting::OSDScreen, 1);
    const RECT front = WindowRect(ShowOne("Front"));
    EXPECT_EQ(std::make_pair(front.right, front.bottom), std::make_pair(second->right, second->bottom));
    CloseOSDWindows();

    // A macro's target counts, also behind another window.
    const HWND here = popup(10, 10);
    ASSERT_TRUE(SetForegroundWindow(here));
    TOSDText text{};
    std::strncpy(text, "Target", sizeof text - 1);
    showCommandNear(text, there);
    ASSERT_EQ(OSDWindows().size(), 1u);
    EXPECT_EQ(WindowRect(OSDWindows().front()).right, second->right);
    DestroyWindow(here);
    DestroyWindow(there);
}

}  // namespace
