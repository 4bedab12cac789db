#include "display/ButtonItems.h"

#include <gtest/gtest.h>

namespace {

TEST(ButtonItems, GroupsWithTheirMacrosThenTheGeneralMacros) {
    const std::vector<ButtonItem> items = ButtonItemList(
        {{{"A2", "Player"}, {{"M5", "Play"}, {"M1", "Stop"}}}, {{"A1", "Empty"}, {}}}, {{"M3", "Volume up"}});
    const struct {
        const char* text;
        int number;
        const char* id;
    } expected[] = {
        {"Group - Player", 2, "A2"}, {"  Macro - Play", 5, "M5"},    {"  Macro - Stop", 1, "M1"},
        {"Group - Empty", 1, "A1"},  {"Macro - Volume up", 3, "M3"},
    };
    ASSERT_EQ(items.size(), std::size(expected));
    for (std::size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(items[i].text, expected[i].text);
        EXPECT_EQ(items[i].number, expected[i].number);
        EXPECT_EQ(ButtonItemID(items[i]), expected[i].id);
    }
    EXPECT_TRUE(ButtonItemList({}, {}).empty());
}

TEST(ButtonItems, TheButtonsItemIsFoundByItsID) {
    const std::vector<ButtonItem> items =
        ButtonItemList({{{"A1", "Player"}, {{"M1", "Play"}}}}, {{"M2", "Mute"}});
    const struct {
        const char* id;
        int index;
    } cases[] = {{"A1", 0}, {"M1", 1}, {"M2", 2}, {"", -1}, {"A2", -1}, {"m1", -1}};
    for (const auto& c : cases) EXPECT_EQ(FindButtonItem(items, c.id), c.index) << c.id;
    // A number too long for an ID is cut as the record's field would cut it.
    EXPECT_EQ(ButtonItemID({"Macro - x", 123456}), "M1234");
}

}  // namespace
