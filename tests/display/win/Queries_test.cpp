// tovshow's queries about windows, the system and modifier keys.
#include <gtest/gtest.h>

#include "display/tovshow.h"

namespace {

HWND MakeWindow(HWND owner, DWORD style = WS_OVERLAPPEDWINDOW) {
    return CreateWindowExA(0, "STATIC", "", style, 0, 0, 100, 100, owner, nullptr, nullptr, nullptr);
}

TEST(GetWindowsVersion, IsTheNTFamilyUnderWine) { EXPECT_EQ(getWindowsVersion(), 2); }

TEST(GetOwnerParent, ClimbsOwnersAndParentsToTheTop) {
    const HWND top = MakeWindow(nullptr);
    const HWND owned = MakeWindow(top);
    const HWND ownedByOwned = MakeWindow(owned);
    const HWND child = MakeWindow(ownedByOwned, WS_CHILD);
    EXPECT_EQ(getOwnerParent(top), top);
    EXPECT_EQ(getOwnerParent(owned), top);
    EXPECT_EQ(getOwnerParent(ownedByOwned), top);
    EXPECT_EQ(getOwnerParent(child), top);
    DestroyWindow(top);
}

TEST(GetRunningAppHandle, ALiveWindowIsTheAnswerWithoutLookingAtNames) {
    const HWND window = MakeWindow(nullptr);
    HWND found = nullptr;
    EXPECT_TRUE(getRunningAppHandle(window, "nothing.exe", "Nothing", &found));
    EXPECT_EQ(found, window);
    DestroyWindow(window);
}

TEST(GetRunningAppHandle, AHandleFrom1To32FindsNothing) {
    HWND found = reinterpret_cast<HWND>(1234);
    EXPECT_FALSE(getRunningAppHandle(reinterpret_cast<HWND>(32), "", "", &found));
    EXPECT_EQ(found, nullptr);
    EXPECT_FALSE(getRunningAppHandle(reinterpret_cast<HWND>(1), "", "", &found));
    EXPECT_EQ(found, nullptr);
}

TEST(ModifierKeys, FollowTheUsLayoutForOneCharacter) {
    EXPECT_TRUE(isShiftKey("A"));
    EXPECT_FALSE(isShiftKey("a"));
    EXPECT_TRUE(isShiftKey("?"));
    EXPECT_FALSE(isCtrlKey("A"));
    EXPECT_FALSE(isAltKey("A"));
}

TEST(ModifierKeys, AreFalseForAnyOtherLength) {
    for (const char* text : {"", "AB", "ab"}) {
        EXPECT_FALSE(isShiftKey(text)) << text;
        EXPECT_FALSE(isCtrlKey(text)) << text;
        EXPECT_FALSE(isAltKey(text)) << text;
    }
    EXPECT_FALSE(isShiftKey(nullptr));
}

}  // namespace
