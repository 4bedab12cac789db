#include <gtest/gtest.h>

#include <vector>

#include "receiver/HeldButtons.h"
#include "receiver/HidDeviceChoice.h"
#include "receiver/HidReport.h"
#include "receiver/HidUsageNames.h"

namespace {

using Usages = std::vector<HidUsage>;

TEST(HidButtonCommand, NamesKnownUsagesAndHexForTheRest) {
    struct Case {
        std::uint16_t page, usage;
        const char* command;
    } cases[] = {
        {0x0C, 0xCD, "HID.PLAY_PAUSE"}, {0x0C, 0xE9, "HID.VOLUME_UP"}, {0x0C, 0xB5, "HID.NEXT_TRACK"},
        {0xFFBC, 0x26, "MCE.GUIDE"},    {0xFFBC, 0x5B, "MCE.RED"},     {0xFFBC, 0x5E, "MCE.BLUE"},
        {0x01, 0x82, "HID.SLEEP"},      {0x0C, 0x1B4, "HID.C.1B4"},    {0xFFBC, 0x99, "HID.FFBC.99"},
    };
    for (const Case& c : cases) EXPECT_EQ(HidButtonCommand(c.page, c.usage), c.command);
}

TEST(KeyboardCommand, NamesKeysByVirtualKey) {
    const std::pair<unsigned, const char*> cases[] = {
        {0x7C, "KBD.F13"}, {0x87, "KBD.F24"},  {0x26, "KBD.UP"},         {'7', "KBD.7"},
        {'Q', "KBD.Q"},    {0x63, "KBD.NUM3"}, {0xB3, "KBD.PLAY_PAUSE"}, {0xE8, "KBD.VK_E8"},
    };
    for (const auto& [key, command] : cases) EXPECT_EQ(KeyboardCommand(key), command);
}

TEST(ButtonsDown, ReadsEachCollectionsReports) {
    struct Case {
        HidCollection collection;
        std::vector<unsigned char> report;
        std::optional<Usages> down;
    } cases[] = {
        {HidCollection::kConsumer, {1, 0xCD, 0x00}, Usages{{0x0C, 0xCD}}},
        {HidCollection::kConsumer, {1, 0xB4, 0x01}, Usages{{0x0C, 0x1B4}}},
        {HidCollection::kConsumer, {3, 0xE9}, Usages{{0x0C, 0xE9}}},
        {HidCollection::kConsumer, {1, 0xE9, 0, 0xCD, 0}, Usages{{0x0C, 0xE9}, {0x0C, 0xCD}}},
        {HidCollection::kConsumer, {1, 0, 0}, Usages{}},
        {HidCollection::kMediaCenter, {2, 0x26}, Usages{{0xFFBC, 0x26}}},
        {HidCollection::kMediaCenter, {2, 0}, Usages{}},
        {HidCollection::kMediaCenter, {1, 0x26}, std::nullopt},
        {HidCollection::kSystem, {0, 0x02}, Usages{{0x01, 0x82}}},
        {HidCollection::kSystem, {0, 0x05}, Usages{{0x01, 0x81}, {0x01, 0x83}}},
        {HidCollection::kSystem, {0, 0}, Usages{}},
        {HidCollection::kConsumer, {1}, std::nullopt},
        {HidCollection::kOther, {1, 5}, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ButtonsDown(c.collection, c.report.data(), c.report.size()), c.down)
            << "report of " << c.report.size() << " bytes";
    }
    EXPECT_EQ(CollectionOf(0xFFBC, 0x88), HidCollection::kMediaCenter);
    EXPECT_EQ(CollectionOf(0x01, 0x06), HidCollection::kKeyboard);
}

// Device names stand for "\\?\HID#..." here.
TEST(KeyboardsAfterChoice, KeepsUnpluggedKeyboardsAndComparesWithoutCase) {
    EXPECT_EQ(KeyboardsAfterChoice("HID#A|HID#GONE", {"hid#a", "HID#B"}, {"HID#B"}), "HID#GONE|HID#B");
    EXPECT_TRUE(IsChosenKeyboard(ChosenKeyboards("HID#A||"), "hid#a"));
}

// The presses a script of reports and clock ticks makes, with the time of each.
class HeldButtonsTest : public testing::Test {
  protected:
    using ms = std::chrono::milliseconds;
    using Presses = std::vector<std::pair<int, HidPress>>;

    void Report(int at, const std::string& source, std::set<std::string> down) {
        for (HidPress& press : buttons.Report(source, down, Time(at))) got.push_back({at, press});
    }
    // Runs the clock to until, taking each repeat when it is due.
    void RunUntil(int until) {
        for (auto next = buttons.NextDue(); next && *next <= Time(until); next = buttons.NextDue()) {
            const int at = static_cast<int>(std::chrono::duration_cast<ms>(*next - start).count());
            got.push_back({at, *buttons.Due(*next)});
        }
    }
    HeldButtons::Clock::time_point Time(int at) const { return start + ms(at); }

    const HeldButtons::Clock::time_point start{};
    HeldButtons buttons;
    Presses got;
};

TEST_F(HeldButtonsTest, AHeldButtonRepeatsAtTheRemotesPaceUntilReleased) {
    Report(0, "consumer", {"HID.VOLUME_UP"});
    RunUntil(700);
    Report(700, "consumer", {});  // between two repeats
    Report(1000, "mce", {"MCE.GUIDE"});
    RunUntil(1399);
    Report(1399, "mce", {});  // before the first repeat
    RunUntil(3000);
    EXPECT_EQ(got, (Presses{{0, {"HID.VOLUME_UP", 0}},
                            {400, {"HID.VOLUME_UP", 1}},
                            {510, {"HID.VOLUME_UP", 2}},
                            {620, {"HID.VOLUME_UP", 3}},
                            {1000, {"MCE.GUIDE", 0}}}));
    EXPECT_FALSE(buttons.NextDue());
}

TEST_F(HeldButtonsTest, OnlyTheButtonPressedLastRepeats) {
    Report(0, "keyboard", {"KBD.UP"});
    RunUntil(450);
    Report(450, "keyboard", {"KBD.UP", "KBD.F13"});
    RunUntil(900);
    Report(900, "keyboard", {"KBD.UP"});  // the newer one let go: the older one does not resume
    RunUntil(2000);
    EXPECT_EQ(
        got,
        (Presses{{0, {"KBD.UP", 0}}, {400, {"KBD.UP", 1}}, {450, {"KBD.F13", 0}}, {850, {"KBD.F13", 1}}}));
}

TEST_F(HeldButtonsTest, OnePressOnTwoCollectionsCountsOnce) {
    Report(0, "collection 1", {"HID.PLAY_PAUSE"});
    Report(20, "collection 2", {"HID.PLAY_PAUSE"});
    Report(60, "collection 2", {});
    Report(80, "collection 1", {});
    Report(500, "collection 2", {"HID.PLAY_PAUSE"});  // a later press from either is a new one
    EXPECT_EQ(got, (Presses{{0, {"HID.PLAY_PAUSE", 0}}, {500, {"HID.PLAY_PAUSE", 0}}}));
}

TEST_F(HeldButtonsTest, ALateClockStartsThePaceAgainWithoutABurst) {
    Report(0, "consumer", {"HID.VOLUME_UP"});
    EXPECT_EQ(buttons.Due(Time(1000)), (HidPress{"HID.VOLUME_UP", 1}));
    EXPECT_FALSE(buttons.Due(Time(1050)));
    EXPECT_EQ(buttons.NextDue(), Time(1110));
}

}  // namespace
