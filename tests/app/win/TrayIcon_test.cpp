// TTrayIcon in the test program: its icon as the shell knows it, the menu of
// a right click and balloon notifications.
#include "app/win/TrayIcon.h"

#include <gtest/gtest.h>
#include <shellapi.h>

#include <vector>

#include "tests/support/TestWindow.h"

namespace {

constexpr UINT kChooseID = 42;

// Whether the shell knows the icon: changing nothing succeeds only then.
bool KnownToTheShell(const TTrayIcon& icon) {
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = icon.MessageWindow();
    return Shell_NotifyIconA(NIM_MODIFY, &data) != FALSE;
}

// Chooses the item with that mnemonic once the thread's popup menu is open.
void CALLBACK ChooseFromOpenMenu(HWND, UINT, UINT_PTR timer, DWORD) {
    if (HWND menu = FindWindowA("#32768", nullptr); menu && IsWindowVisible(menu)) {
        KillTimer(nullptr, timer);
        PostMessageA(menu, WM_CHAR, 'c', 0);
    }
}

// The messages waiting for the window, in order.
std::vector<MSG> Waiting(HWND window) {
    std::vector<MSG> messages;
    MSG message;
    while (PeekMessageA(&message, window, 0, 0, PM_REMOVE)) messages.push_back(message);
    return messages;
}

TEST(TTrayIcon, HasARealWindowThatTheShellKnowsWhileActive) {
    TTrayIcon icon;
    ASSERT_TRUE(IsWindow(icon.MessageWindow()));
    icon.SetImage(LoadIcon(nullptr, IDI_APPLICATION), std::string(70, 't'));
    EXPECT_EQ(icon.ToolTip(), std::string(62, 't'));
    icon.SetActive(true);
    EXPECT_TRUE(KnownToTheShell(icon));
    // Asked to close like every window of the process, it stays.
    SendMessageA(icon.MessageWindow(), WM_CLOSE, 0, 0);
    ASSERT_TRUE(IsWindow(icon.MessageWindow()));
    EXPECT_TRUE(KnownToTheShell(icon));
    icon.SetActive(false);
    EXPECT_FALSE(KnownToTheShell(icon));
}

TEST(TTrayIcon, RightClickPopsUpTheMenuAndThenPostsANullMessageToItsOwner) {
    TestWindow owner("Tray menu owner");
    HMENU menu = CreatePopupMenu();
    AppendMenuA(menu, MF_STRING, kChooseID, "&Choose");
    TTrayIcon icon;
    icon.SetPopupMenu(menu, owner.window());
    int rightClicks = 0;
    icon.OnRightClick = [&](POINT) { ++rightClicks; };
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, &ChooseFromOpenMenu);

    SendMessageA(icon.MessageWindow(), TTrayIcon::kCallbackMessage, 0, WM_RBUTTONUP);
    KillTimer(nullptr, timer);
    const std::vector<MSG> waiting = Waiting(owner.window());
    ASSERT_GE(waiting.size(), 2u);
    // The chosen command, then the null message that lets the menu close
    // properly the next time.
    EXPECT_EQ(waiting[waiting.size() - 2].message, static_cast<UINT>(WM_COMMAND));
    EXPECT_EQ(LOWORD(waiting[waiting.size() - 2].wParam), kChooseID);
    EXPECT_EQ(waiting.back().message, static_cast<UINT>(WM_NULL));
    EXPECT_EQ(rightClicks, 1);
    DestroyMenu(menu);
}

TEST(TTrayIcon, BalloonOnlyAtAShownIcon) {
    TTrayIcon icon;
    icon.SetImage(LoadIcon(nullptr, IDI_APPLICATION), "Tovanix");
    EXPECT_FALSE(icon.ShowBalloon("Receiver", "The receiver is not answering."));
    icon.SetActive(true);
    EXPECT_TRUE(icon.ShowBalloon("Receiver", "The receiver is not answering."));
    // Too long texts are cut to their fields.
    EXPECT_TRUE(icon.ShowBalloon(std::string(100, 't'), std::string(300, 'x')));
}

}  // namespace
