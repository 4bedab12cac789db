#include "editing/NameChoice.h"

#include <gtest/gtest.h>

#include "core/CommandList.h"
#include "tests/support/EditStoreOverItemStore.h"
#include "tests/support/StoreTestItems.h"

namespace {

using Names = std::vector<std::string>;

class NameChoiceTest : public ::testing::Test {
  protected:
    ItemStore items;
    EditStoreOverItemStore store{items};
};

TEST_F(NameChoiceTest, MacrosOfTheGroupThenGeneralOnes) {
    ASSERT_TRUE(items.addBGroup(GroupRecord("A1", "", "Player")));
    ASSERT_TRUE(items.addBGroup(GroupRecord("A2", "", "Slides")));
    ASSERT_TRUE(items.addMacro(MacroRecord("M1", "", "", "Mail")));
    ASSERT_TRUE(items.addMacro(MacroRecord("M2", "A1", "", "Play")));
    ASSERT_TRUE(items.addMacro(MacroRecord("M3", "A2", "", "Next slide")));
    ASSERT_TRUE(items.addMacro(MacroRecord("M4", "A1", "", "Stop")));
    const struct {
        const char* groupID;
        Names names;
    } cases[] = {
        {"A1", {"Play", "Stop", "Mail"}},
        {"A2", {"Next slide", "Mail"}},
        {"", {"Mail"}},
        {nullptr, {"Mail"}},
    };
    for (const auto& c : cases) EXPECT_EQ(MacroChoice(store, c.groupID).names, c.names);
    EXPECT_EQ(GroupChoice(store).names, (Names{"Player", "Slides"}));

    NameChoice choice = MacroChoice(store, "A1");
    EXPECT_TRUE(choice.OkEnabled());
    EXPECT_EQ(choice.Token(kMacroPrefix), "MACRO:Play");
    choice.selected = 2;
    EXPECT_EQ(choice.Token(kMacroPrefix), "MACRO:Mail");
    EXPECT_EQ(GroupChoice(store).Token(kGroupPrefix), "GROUP:Player");
}

TEST_F(NameChoiceTest, NothingToChooseDisablesOk) {
    ASSERT_TRUE(items.addBGroup(GroupRecord("A1", "", "Player")));
    const NameChoice macros = MacroChoice(store, "A1");
    EXPECT_FALSE(macros.OkEnabled());
    EXPECT_EQ(macros.Token(kMacroPrefix), "");
    items.deleteItem("A1");
    EXPECT_FALSE(GroupChoice(store).OkEnabled());
}

}  // namespace
