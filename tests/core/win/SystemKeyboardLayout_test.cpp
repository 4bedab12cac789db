// The keyboard layout of the system (Wine's US layout) through the shared
// look-up that key elements and typed text use.
#include "core/win/SystemKeyboardLayout.h"

#include <gtest/gtest.h>

#include "core/KeyNames.h"

namespace {

TEST(SystemKeyboardLayout, GivesTheVirtualKeyAndShiftStateOfACharacter) {
    const KeyboardLayout& layout = CurrentKeyboardLayout();
    EXPECT_EQ(layout.ScanChar('A'), 0x0141);
    EXPECT_EQ(layout.ScanChar('a'), 0x0041);
    EXPECT_EQ(KeyCode("a", layout), 65);
    EXPECT_EQ(KeyCode("A", layout), 65);
    EXPECT_TRUE(LayoutNeedsShift(layout, "A"));
    EXPECT_FALSE(LayoutNeedsShift(layout, "a"));
    EXPECT_FALSE(LayoutNeedsCtrl(layout, "ab"));
}

}  // namespace
