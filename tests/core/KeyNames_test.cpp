#include "core/KeyNames.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/UsKeyboardLayout.h"

namespace {

const UsKeyboardLayout kUs;

// A layout where "@" needs AltGr (Ctrl+Alt), as on a German keyboard; only
// "@" and "Z" have keys.
class AltGrLayout final : public KeyboardLayout {
  public:
    int16_t ScanChar(char c) const override {
        if (c == '@') return 0x651;
        if (c == 'Z') return 0x159;
        return -1;
    }
};

TEST(KeyNamesTable, HoldsCodesZeroTo400) {
    EXPECT_EQ(KeyNames().size(), 401u);
    EXPECT_EQ(KeyName(0), "");
    EXPECT_EQ(KeyName(400), "");
}

TEST(KeyNamesTable, NamesKeysAndCommandsByCode) {
    EXPECT_EQ(KeyName(8), "BACKSPACE");
    EXPECT_EQ(KeyName(13), "ENTER");
    EXPECT_EQ(KeyName(19), "PAUSE/BREAK");
    EXPECT_EQ(KeyName(33), "PAGEUP");
    EXPECT_EQ(KeyName(46), "DELETE");
    EXPECT_EQ(KeyName(96), "NUMPAD-0");
    EXPECT_EQ(KeyName(105), "NUMPAD-9");
    EXPECT_EQ(KeyName(106), "NUMPAD *");
    EXPECT_EQ(KeyName(107), "NUMPAD +");
    EXPECT_EQ(KeyName(108), "");
    EXPECT_EQ(KeyName(109), "NUMPAD -");
    EXPECT_EQ(KeyName(110), "");
    EXPECT_EQ(KeyName(111), "NUMPAD /");
    EXPECT_EQ(KeyName(112), "F1");
    EXPECT_EQ(KeyName(123), "F12");
    EXPECT_EQ(KeyName(124), "");
    EXPECT_EQ(KeyName(259), "LBUTTON-CLICK");
    EXPECT_EQ(KeyName(264), "MBUTTON-DBLCLICK");
    EXPECT_EQ(KeyName(303), "MOUSE-RIGHT");
    EXPECT_EQ(KeyName(304), "Mouse click to location...");
    EXPECT_EQ(KeyName(306), "Activate Tovanix");
    EXPECT_EQ(KeyName(311), "Toggle mute");
    EXPECT_EQ(KeyName(312), "");
    EXPECT_EQ(KeyName(317), "Restore window");
    EXPECT_EQ(KeyName(325), "Exit Windows");
    EXPECT_EQ(KeyName(328), "Windows (Start) key up");
}

TEST(KeyNamesTable, HasNoNameAbove328) {
    for (int code = 329; code <= 400; ++code) EXPECT_EQ(KeyName(code), "") << code;
}

TEST(KeyNamesTable, CodesOutsideTheTableHaveNoName) {
    EXPECT_EQ(KeyName(-1), "");
    EXPECT_EQ(KeyName(401), "");
    EXPECT_EQ(KeyName(100000), "");
}

// KeyCode takes the first equal name, so a repeated name would hide a code.
TEST(KeyNamesTable, EveryNameLeadsBackToItsCode) {
    for (int code = 0; code <= 400; ++code) {
        if (KeyName(code).empty()) continue;
        EXPECT_EQ(KeyCode(KeyName(code), kUs), code) << KeyName(code);
    }
}

TEST(KeyCode, FindsNamesWithCaseSignificant) {
    EXPECT_EQ(KeyCode("ENTER", kUs), 13);
    EXPECT_EQ(KeyCode("enter", kUs), 0);
    EXPECT_EQ(KeyCode("NUMPAD +", kUs), 107);
    EXPECT_EQ(KeyCode("Volume up", kUs), 309);
    EXPECT_EQ(KeyCode("volume up", kUs), 0);
}

TEST(KeyCode, EmptyElementAndUnknownTextsHaveNoCode) {
    EXPECT_EQ(KeyCode("", kUs), 0);
    EXPECT_EQ(KeyCode("XY", kUs), 0);
    EXPECT_EQ(KeyCode("TYPE:a", kUs), 0);
    EXPECT_EQ(KeyCode("ENTER ", kUs), 0);
    EXPECT_EQ(KeyCode(std::string(300, 'A'), kUs), 0);
}

TEST(KeyCode, CommaElementIsTheNumericPadDecimalKey) {
    EXPECT_EQ(KeyCode("\"\"", kUs), 110);
    EXPECT_EQ(KeyCode(kCommaElement, kUs), 110);
    EXPECT_EQ(KeyCode("\"", kUs), 0xDE);
}

TEST(KeyCode, SingleCharacterIsTheLayoutsKeyWithoutShiftState) {
    EXPECT_EQ(KeyCode("a", kUs), 65);
    EXPECT_EQ(KeyCode("A", kUs), 65);
    EXPECT_EQ(KeyCode("1", kUs), 49);
    EXPECT_EQ(KeyCode("!", kUs), 49);
    EXPECT_EQ(KeyCode("+", kUs), 0xBB);
    EXPECT_EQ(KeyCode(" ", kUs), 32);
    EXPECT_EQ(KeyCode("@", AltGrLayout()), 0x51);
}

TEST(KeyCode, CharacterWithoutKeyHasNoCode) {
    EXPECT_EQ(KeyCode("\xE9", kUs), 0);
    EXPECT_EQ(KeyCode("\x01", kUs), 0);
}

TEST(KeyCode, OnlyCodesOneTo254ArePressedAsKeys) {
    EXPECT_FALSE(IsKeyPressCode(0));
    EXPECT_TRUE(IsKeyPressCode(1));
    EXPECT_TRUE(IsKeyPressCode(254));
    EXPECT_FALSE(IsKeyPressCode(255));
    EXPECT_FALSE(IsKeyPressCode(KeyCode("LBUTTON-CLICK", kUs)));
}

struct KeyElementCase {
    const char* element;
    bool ctrl, alt, shift;
    const char* key;
};

class ReadKeyElementTest : public testing::TestWithParam<KeyElementCase> {};

TEST_P(ReadKeyElementTest, GivesModifierWordsAndKeyPart) {
    const KeyElementCase& c = GetParam();
    const KeyElement read = ReadKeyElement(c.element);
    EXPECT_EQ(read.ctrl, c.ctrl);
    EXPECT_EQ(read.alt, c.alt);
    EXPECT_EQ(read.shift, c.shift);
    EXPECT_EQ(read.key, c.key);
}

INSTANTIATE_TEST_SUITE_P(Elements, ReadKeyElementTest,
                         testing::Values(KeyElementCase{"HOME", false, false, false, "HOME"},
                                         KeyElementCase{"CTRL+ALT+DELETE", true, true, false, "DELETE"},
                                         KeyElementCase{"CTRL+SHIFT+HOME", true, false, true, "HOME"},
                                         KeyElementCase{"CTRL+NUMPAD +", true, false, false, "NUMPAD +"},
                                         KeyElementCase{"SHIFT++", false, false, true, "+"},
                                         KeyElementCase{"CTRL+ALT++", true, true, false, "+"},
                                         KeyElementCase{"+", false, false, false, "+"},
                                         KeyElementCase{"NUMPAD +", false, false, false, "NUMPAD +"},
                                         KeyElementCase{"CTRL+ALT+a", true, true, false, "a"},
                                         KeyElementCase{"ALT+CTRL+F4", true, true, false, "F4"},
                                         KeyElementCase{"CTRL+LBUTTON-CLICK", true, false, false,
                                                        "LBUTTON-CLICK"},
                                         KeyElementCase{"CTRL+", true, false, false, ""},
                                         KeyElementCase{"SHIFT", false, false, true, "SHIFT"},
                                         KeyElementCase{"", false, false, false, ""}));

TEST(ReadKeyElement, KeyPartOfModifiedElementsHasItsCode) {
    EXPECT_EQ(KeyCode(ReadKeyElement("CTRL+NUMPAD +").key, kUs), 107);
    EXPECT_EQ(KeyCode(ReadKeyElement("SHIFT++").key, kUs), 0xBB);
    EXPECT_EQ(KeyCode(ReadKeyElement("CTRL+SHIFT+HOME").key, kUs), 36);
}

TEST(LayoutNeeds, ShiftForCapitalsAndShiftedSymbolsOnUsLayout) {
    EXPECT_TRUE(LayoutNeedsShift(kUs, "A"));
    EXPECT_FALSE(LayoutNeedsShift(kUs, "a"));
    EXPECT_TRUE(LayoutNeedsShift(kUs, "+"));
    EXPECT_FALSE(LayoutNeedsShift(kUs, "="));
    EXPECT_FALSE(LayoutNeedsCtrl(kUs, "A"));
    EXPECT_FALSE(LayoutNeedsAlt(kUs, "A"));
}

TEST(LayoutNeeds, NothingUnlessExactlyOneCharacter) {
    EXPECT_FALSE(LayoutNeedsShift(kUs, ""));
    EXPECT_FALSE(LayoutNeedsShift(kUs, "AB"));
    EXPECT_FALSE(LayoutNeedsCtrl(AltGrLayout(), "@@"));
    EXPECT_FALSE(LayoutNeedsAlt(AltGrLayout(), "@@"));
}

TEST(LayoutNeeds, CtrlAndAltForAltGrCharacters) {
    const AltGrLayout layout;
    EXPECT_TRUE(LayoutNeedsCtrl(layout, "@"));
    EXPECT_TRUE(LayoutNeedsAlt(layout, "@"));
    EXPECT_FALSE(LayoutNeedsShift(layout, "@"));
    EXPECT_TRUE(LayoutNeedsShift(layout, "Z"));
    EXPECT_FALSE(LayoutNeedsCtrl(layout, "Z"));
}

// -1 has every shift bit set; it must not press all three modifiers.
TEST(LayoutNeeds, NothingForCharacterWithoutKey) {
    const AltGrLayout layout;
    EXPECT_FALSE(LayoutNeedsShift(layout, "x"));
    EXPECT_FALSE(LayoutNeedsCtrl(layout, "x"));
    EXPECT_FALSE(LayoutNeedsAlt(layout, "x"));
}

}  // namespace
