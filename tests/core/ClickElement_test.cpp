#include "core/ClickElement.h"

#include <gtest/gtest.h>

#include <string>

namespace {

ClickElement Read(std::string_view element) {
    const std::optional<ClickElement> click = ReadClickElement(element);
    EXPECT_TRUE(click.has_value()) << element;
    return click.value_or(ClickElement{});
}

TEST(ReadClickElement, SingleButtonDownRelativeToTheWindow) {
    const ClickElement click = Read("CLICK:0100:0020:L:W:DOWN");
    EXPECT_EQ(click.x, 100);
    EXPECT_EQ(click.y, 20);
    EXPECT_EQ(click.button, MouseButton::Left);
    EXPECT_EQ(click.reference, ClickReference::Window);
    EXPECT_EQ(click.count, 1);
    EXPECT_EQ(click.action, ClickAction::Down);
}

TEST(ReadClickElement, DoubleClickOnTheScreen) {
    const ClickElement click = Read("CLICK:0100:0020:R:S:D:CLICK");
    EXPECT_EQ(click.x, 100);
    EXPECT_EQ(click.y, 20);
    EXPECT_EQ(click.button, MouseButton::Right);
    EXPECT_EQ(click.reference, ClickReference::Screen);
    EXPECT_EQ(click.count, 2);
    EXPECT_EQ(click.action, ClickAction::Click);
}

TEST(ReadClickElement, ReadsTheFullCoordinateRange) {
    const ClickElement click = Read("CLICK:9999:0000:M:W:UP");
    EXPECT_EQ(click.x, 9999);
    EXPECT_EQ(click.y, 0);
    EXPECT_EQ(click.button, MouseButton::Middle);
    EXPECT_EQ(click.action, ClickAction::Up);
}

TEST(ReadClickElement, UnknownLettersMeanRightButtonAndWindow) {
    EXPECT_EQ(Read("CLICK:0001:0001:X:W:CLICK").button, MouseButton::Right);
    EXPECT_EQ(Read("CLICK:0001:0001:l:W:CLICK").button, MouseButton::Right);
    EXPECT_EQ(Read("CLICK:0001:0001:L:s:CLICK").reference, ClickReference::Window);
    EXPECT_EQ(Read("CLICK:0001:0001:L:Q:CLICK").reference, ClickReference::Window);
}

TEST(ReadClickElement, WithoutActionWordItClicksOnce) {
    const ClickElement click = Read("CLICK:0001:0002:L:S");
    EXPECT_EQ(click.action, ClickAction::Click);
    EXPECT_EQ(click.count, 1);
    EXPECT_EQ(Read("CLICK:0001:0002:L:S:JUMP").action, ClickAction::Click);
}

TEST(ReadClickElement, ActionWordsArePreferredClickThenDownThenUp) {
    EXPECT_EQ(Read("CLICK:0001:0002:L:S:UP:DOWN").action, ClickAction::Down);
    EXPECT_EQ(Read("CLICK:0001:0002:L:S:UP:CLICK").action, ClickAction::Click);
}

TEST(ReadClickElement, DownIsNoDoubleClickMark) {
    EXPECT_EQ(Read("CLICK:0100:0020:L:W:DOWN").count, 1);
    EXPECT_EQ(Read("CLICK:0100:0020:L:W:D").count, 2);
    EXPECT_EQ(Read("CLICK:0100:0020:L:WD:CLICK").count, 1);
    EXPECT_EQ(Read("CLICK:0100:0020:L:W:DD:CLICK").count, 1);
}

TEST(ReadClickElement, TooShortElementsGiveNothing) {
    const std::string whole = "CLICK:0100:0020:L:W";
    for (std::size_t length = 0; length < whole.size(); ++length) {
        EXPECT_EQ(ReadClickElement(whole.substr(0, length)), std::nullopt) << length;
    }
}

TEST(ReadClickElement, CoordinatesMustBeFourDigits) {
    for (const char* element :
         {"CLICK:01a0:0020:L:W:CLICK", "CLICK:100:0020:L:W:CLICK", "CLICK:0100:20:L:W:CLICK",
          "CLICK:-005:0020:L:W:CLICK", "CLICK:0100:00-5:L:W:CLICK", "CLICK: 100:0020:L:W:CLICK",
          "CLICK:+100:0020:L:W:CLICK", "CLICK:10000:0020:L:W:CLICK"}) {
        EXPECT_EQ(ReadClickElement(element), std::nullopt) << element;
    }
}

TEST(ReadClickElement, OtherElementsGiveNothing) {
    EXPECT_EQ(ReadClickElement("CLACK:0100:0020:L:W:CLICK"), std::nullopt);
    EXPECT_EQ(ReadClickElement("click:0100:0020:L:W:CLICK"), std::nullopt);
    EXPECT_EQ(ReadClickElement("CLICK:0100;0020:L:W:CLICK"), std::nullopt);
    EXPECT_EQ(ReadClickElement("CLICK:0100:0020:LW:CLICK"), std::nullopt);
}

TEST(ReadClickElement, LongTailIsReadSafely) {
    const ClickElement click = Read("CLICK:0100:0020:L:W" + std::string(300, ':') + "UP");
    EXPECT_EQ(click.action, ClickAction::Up);
    EXPECT_EQ(click.count, 1);
}

TEST(WriteClickElement, PadsCoordinatesToFourDigits) {
    EXPECT_EQ(WriteClickElement({120, 45, MouseButton::Right, ClickReference::Screen, 2, ClickAction::Click}),
              "CLICK:0120:0045:R:S:D:CLICK");
    EXPECT_EQ(WriteClickElement({7, 3, MouseButton::Left, ClickReference::Window, 1, ClickAction::Click}),
              "CLICK:0007:0003:L:W:CLICK");
    EXPECT_EQ(WriteClickElement({9999, 0, MouseButton::Middle, ClickReference::Window, 1, ClickAction::Up}),
              "CLICK:9999:0000:M:W:UP");
}

TEST(WriteClickElement, DoubleClickOnlyWithTheClickAction) {
    EXPECT_EQ(WriteClickElement({1, 2, MouseButton::Left, ClickReference::Window, 2, ClickAction::Down}),
              "CLICK:0001:0002:L:W:DOWN");
    EXPECT_EQ(WriteClickElement({1, 2, MouseButton::Left, ClickReference::Window, 2, ClickAction::Up}),
              "CLICK:0001:0002:L:W:UP");
}

TEST(WriteClickElement, RefusesCoordinatesThatDoNotFitFourDigits) {
    for (const auto& [x, y] :
         {std::pair{-1, 0}, std::pair{0, -5}, std::pair{10000, 0}, std::pair{0, 12345}}) {
        EXPECT_EQ(WriteClickElement({x, y, MouseButton::Left, ClickReference::Window, 1, ClickAction::Click}),
                  std::nullopt)
            << x << "," << y;
    }
}

TEST(WriteClickElement, ReadsBackAsWritten) {
    for (MouseButton button : {MouseButton::Left, MouseButton::Middle, MouseButton::Right}) {
        for (ClickReference reference : {ClickReference::Screen, ClickReference::Window}) {
            for (ClickAction action : {ClickAction::Click, ClickAction::Down, ClickAction::Up}) {
                for (int count : {1, 2}) {
                    if (count == 2 && action != ClickAction::Click) continue;
                    const ClickElement click{37, 4021, button, reference, count, action};
                    const std::optional<std::string> element = WriteClickElement(click);
                    ASSERT_TRUE(element.has_value());
                    const ClickElement back = Read(*element);
                    EXPECT_EQ(back.x, click.x) << *element;
                    EXPECT_EQ(back.y, click.y) << *element;
                    EXPECT_EQ(back.button, click.button) << *element;
                    EXPECT_EQ(back.reference, click.reference) << *element;
                    EXPECT_EQ(back.count, click.count) << *element;
                    EXPECT_EQ(back.action, click.action) << *element;
                }
            }
        }
    }
}

}  // namespace
