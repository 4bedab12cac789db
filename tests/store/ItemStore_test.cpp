#include "store/ItemStore.h"

#include <gtest/gtest.h>

#include <cstring>
#include <ostream>
#include <string>
#include <vector>

#include "tests/support/StoreTestItems.h"

namespace {

class ItemStoreTest : public ::testing::Test {
  protected:
    void SetUp() override {
        store.addBGroup(GroupRecord("A1", "TV", "Television"));
        store.addBGroup(GroupRecord("A2", "DVD", "Player"));
        store.addMacro(MacroRecord("M1", "A1", "UP", "Channel up"));
        store.addMacro(MacroRecord("M2", "", "MUTE", "Mute"));
        store.addMacro(MacroRecord("M3", "A2", "PLAY", "Play"));
        store.addMacro(MacroRecord("M4", "A1", "DOWN", "Channel down"));
    }

    std::vector<std::string> macrosOf(const char* groupID, bool allMacros = false) const {
        std::vector<std::string> ids;
        int position = -1;
        while (const TMacroRecord* macro = store.getNextMacro(position, groupID, allMacros)) {
            ids.emplace_back(FieldText(macro->ID));
        }
        return ids;
    }

    std::vector<std::string> groups() const {
        std::vector<std::string> ids;
        int position = -1;
        while (const TBGroupRecord* group = store.getNextBGroup(position))
            ids.emplace_back(FieldText(group->ID));
        return ids;
    }

    ItemStore store;
};

using Ids = std::vector<std::string>;

TEST_F(ItemStoreTest, KeepsACopyThatCallersChangeInPlace) {
    TMacroRecord mine = MacroRecord("M9", "", "", "Mine");
    ASSERT_TRUE(store.addMacro(mine));
    CopyText(mine.Name, "changed after adding");
    TMacroRecord* stored = store.getMacro("M9");
    ASSERT_NE(stored, nullptr);
    EXPECT_EQ(FieldText(stored->Name), "Mine");

    stored->LoopIndex = 3;
    CopyText(stored->Name, "Renamed");
    EXPECT_EQ(store.getMacro("M9")->LoopIndex, 3);
    EXPECT_EQ(store.findMacroByName("Renamed"), stored);
}

TEST_F(ItemStoreTest, PointersStayValidWhileOtherItemsComeAndGo) {
    TMacroRecord* mute = store.getMacro("M2");
    TBGroupRecord* player = store.getBGroup("A2");
    for (int i = 0; i < 500; ++i) {
        store.addMacro(MacroRecord(store.getNewMacroID(), "A1"));
        store.addBGroup(GroupRecord(store.getNewBGroupID()));
    }
    store.deleteItem("A1");
    EXPECT_EQ(store.getMacro("M2"), mute);
    EXPECT_EQ(FieldText(mute->Name), "Mute");
    EXPECT_EQ(FieldText(player->Name), "Player");
}

TEST_F(ItemStoreTest, ARecordPointerServesAsTheID) {
    const TMacroRecord* macro = store.getMacro("M3");
    TMacroRecord* foundMacro = nullptr;
    TBGroupRecord* foundGroup = nullptr;
    EXPECT_TRUE(store.getBGroupOrMacro(macro->ID, foundMacro, foundGroup));
    EXPECT_EQ(foundMacro, macro);
    EXPECT_EQ(foundGroup, nullptr);

    const TBGroupRecord* group = store.getBGroup("A2");
    EXPECT_TRUE(store.getBGroupOrMacro(reinterpret_cast<const char*>(group), foundMacro, foundGroup));
    EXPECT_EQ(foundMacro, nullptr);
    EXPECT_EQ(foundGroup, group);
}

TEST_F(ItemStoreTest, WalksGroupsAndMacrosInTheOrderOfAdding) {
    EXPECT_EQ(groups(), (Ids{"A1", "A2"}));
    EXPECT_EQ(macrosOf("A1"), (Ids{"M1", "M4"}));
    EXPECT_EQ(macrosOf("A2"), (Ids{"M3"}));
    EXPECT_EQ(macrosOf(""), (Ids{"M2"}));
    EXPECT_EQ(macrosOf(nullptr), (Ids{"M2"}));
    EXPECT_EQ(macrosOf("A7"), Ids{});
    EXPECT_EQ(macrosOf("ignored", true), (Ids{"M1", "M2", "M3", "M4"}));
}

TEST_F(ItemStoreTest, WalkingSetsThePositionOfTheItemReturned) {
    int position = -1;
    EXPECT_EQ(FieldText(store.getNextMacro(position, "A1", false)->ID), "M1");
    EXPECT_EQ(position, 0);
    EXPECT_EQ(FieldText(store.getNextMacro(position, "A1", false)->ID), "M4");
    EXPECT_EQ(position, 3);
    EXPECT_EQ(store.getNextMacro(position, "A1", false), nullptr);

    position = -40;  // any negative position starts at the beginning
    EXPECT_EQ(FieldText(store.getNextBGroup(position)->ID), "A1");
    position = 1 << 30;
    EXPECT_EQ(store.getNextBGroup(position), nullptr);
    position = 0x7fffffff;
    EXPECT_EQ(store.getNextMacro(position, "", true), nullptr);
}

TEST_F(ItemStoreTest, DeletingAGroupTakesItsMacrosAlong) {
    EXPECT_TRUE(store.doesBGroupHaveChild("A1"));
    EXPECT_TRUE(store.deleteItem("A1"));
    EXPECT_EQ(store.getBGroup("A1"), nullptr);
    EXPECT_EQ(store.getMacro("M1"), nullptr);
    EXPECT_EQ(store.getMacro("M4"), nullptr);
    EXPECT_EQ(groups(), (Ids{"A2"}));
    EXPECT_EQ(macrosOf("", true), (Ids{"M2", "M3"}));
}

TEST_F(ItemStoreTest, DeletingAMacroLeavesEverythingElse) {
    EXPECT_TRUE(store.deleteItem("M1"));
    EXPECT_FALSE(store.deleteItem("M1"));
    EXPECT_EQ(macrosOf("", true), (Ids{"M2", "M3", "M4"}));
    EXPECT_TRUE(store.deleteItem("M4"));
    EXPECT_FALSE(store.doesBGroupHaveChild("A1"));
    EXPECT_NE(store.getBGroup("A1"), nullptr);
}

TEST_F(ItemStoreTest, AnAddWithATakenOrMalformedIDGetsANewOne) {
    EXPECT_TRUE(store.addMacro(MacroRecord("M1", "", "", "Duplicate")));
    EXPECT_EQ(FieldText(store.getMacro("M1")->Name), "Channel up");
    EXPECT_EQ(FieldText(store.findMacroByName("Duplicate")->ID), "M5");
    EXPECT_TRUE(store.addBGroup(GroupRecord("M7", "", "Wrong letter")));
    EXPECT_EQ(store.getNewestItem(0), "A3");
}

TEST_F(ItemStoreTest, TheNewestItemIsTheLastOfItsKindStillStored) {
    EXPECT_EQ(store.getNewestItem(0), "A2");
    EXPECT_EQ(store.getNewestItem(1), "M4");
    store.deleteItem("M4");
    EXPECT_EQ(store.getNewestItem(1), "M3");
    EXPECT_EQ(store.getNewestItem(2), "");
    EXPECT_EQ(store.getNewestItem(-1), "");
    EXPECT_EQ(ItemStore().getNewestItem(1), "");
}

TEST_F(ItemStoreTest, SetIRCommandReplacesCutsAndRemoves) {
    EXPECT_TRUE(store.setIRCommand("M2", "MUTE,0x0D"));
    EXPECT_EQ(FieldText(store.getMacro("M2")->IRCommand), "MUTE,0x0D");
    const std::string tooLong(300, 'x');
    EXPECT_TRUE(store.setIRCommand("A1", tooLong.c_str()));
    EXPECT_EQ(FieldText(store.getBGroup("A1")->IRCommand), tooLong.substr(0, 254));
    EXPECT_TRUE(store.setIRCommand("A1", ""));
    EXPECT_EQ(FieldText(store.getBGroup("A1")->IRCommand), "");
    EXPECT_TRUE(store.setIRCommand("M2", nullptr));
    EXPECT_EQ(FieldText(store.getMacro("M2")->IRCommand), "");
}

TEST_F(ItemStoreTest, FindsTheFirstItemWithAName) {
    store.addMacro(MacroRecord("M8", "", "", "Mute"));
    store.addBGroup(GroupRecord("A8", "", "Player"));
    EXPECT_EQ(store.findMacroByName("Mute"), store.getMacro("M2"));
    EXPECT_EQ(store.findBGroupByName("Player"), store.getBGroup("A2"));
    EXPECT_EQ(store.findMacroByName("mute"), nullptr);
    EXPECT_EQ(store.findMacroByName("Player"), nullptr);
    EXPECT_EQ(store.findBGroupByName("Mute"), nullptr);
}

TEST_F(ItemStoreTest, AnEmptyNameFindsNoPlaceholder) {
    store.addMacro(MacroRecord(store.getNewMacroID()));
    EXPECT_EQ(store.findMacroByName(""), nullptr);
    EXPECT_EQ(store.findMacroByName(nullptr), nullptr);
    EXPECT_EQ(store.findBGroupByName(nullptr), nullptr);
}

TEST_F(ItemStoreTest, ToggleFlipsDisabledBothWays) {
    EXPECT_FALSE(store.isDisabled("M1"));
    EXPECT_TRUE(store.toggleDisableEnable("M1"));
    EXPECT_TRUE(store.isDisabled("M1"));
    EXPECT_EQ(store.getMacro("M1")->Disabled, 1);
    EXPECT_TRUE(store.toggleDisableEnable("M1"));
    EXPECT_EQ(store.getMacro("M1")->Disabled, 0);
    EXPECT_TRUE(store.toggleDisableEnable("A2"));
    EXPECT_TRUE(store.isDisabled("A2"));
}

TEST(ItemStoreAdd, StoredTextsEndWithinTheirFields) {
    ItemStore store;
    TMacroRecord macro = MacroRecord("M1");
    memset(macro.Name, 'n', sizeof macro.Name);
    memset(macro.AppID, 'a', sizeof macro.AppID);
    memset(macro.IRCommand, 'i', sizeof macro.IRCommand);
    memset(macro.Commands, 'c', sizeof macro.Commands);
    memset(macro.TargetFile, 'f', sizeof macro.TargetFile);
    memset(macro.TargetCaption, 't', sizeof macro.TargetCaption);
    ASSERT_TRUE(store.addMacro(macro));
    const TMacroRecord* stored = store.getMacro("M1");
    EXPECT_EQ(strlen(stored->Name), 30u);
    EXPECT_EQ(strlen(stored->AppID), 5u);
    EXPECT_EQ(strlen(stored->IRCommand), 254u);
    EXPECT_EQ(strlen(stored->Commands), 254u);
    EXPECT_EQ(strlen(stored->TargetFile), 80u);
    EXPECT_EQ(strlen(stored->TargetCaption), 30u);

    TBGroupRecord group = GroupRecord("A1");
    memset(group.IRCommand, 'i', sizeof group.IRCommand);
    memset(group.Name, 'n', sizeof group.Name);
    memset(group.MacroID, 'm', sizeof group.MacroID);
    ASSERT_TRUE(store.addBGroup(group));
    EXPECT_EQ(strlen(store.getBGroup("A1")->MacroID), 5u);
    EXPECT_EQ(strlen(store.getBGroup("A1")->Name), 30u);
    EXPECT_EQ(strlen(store.getBGroup("A1")->IRCommand), 254u);
}

// Identifiers that name no item: every operation answers "not found".
struct BadID {
    const char* id;
    const char* label;  // what gtest prints: the ID itself may be null or unterminated
};

void PrintTo(const BadID& bad, std::ostream* out) { *out << bad.label; }

class ItemStoreBadID : public ItemStoreTest, public ::testing::WithParamInterface<BadID> {};

TEST_P(ItemStoreBadID, FindsNothingAndChangesNothing) {
    const char* id = GetParam().id;
    TMacroRecord* macro = store.getMacro("M1");
    TBGroupRecord* group = store.getBGroup("A1");
    EXPECT_EQ(store.getMacro(id), nullptr);
    EXPECT_EQ(store.getBGroup(id), nullptr);
    EXPECT_FALSE(store.getBGroupOrMacro(id, macro, group));
    EXPECT_EQ(macro, nullptr);
    EXPECT_EQ(group, nullptr);
    EXPECT_FALSE(store.doesBGroupHaveChild(id));
    EXPECT_FALSE(store.setIRCommand(id, "X"));
    EXPECT_FALSE(store.checkIRCommandConflict(id, "X", true));
    EXPECT_FALSE(store.toggleDisableEnable(id));
    EXPECT_FALSE(store.isDisabled(id));
    store.activateBGroup(id);
    EXPECT_FALSE(store.deleteItem(id));
    EXPECT_EQ(macrosOf("", true).size(), 4u);
    EXPECT_EQ(groups().size(), 2u);
}

const char kUnterminated[6] = {'M', '7', '7', '7', '7', '7'};

INSTANTIATE_TEST_SUITE_P(Identifiers, ItemStoreBadID,
                         ::testing::Values(BadID{nullptr, "null"}, BadID{"", "empty"}, BadID{"M", "M"},
                                           BadID{"A", "A"}, BadID{"M0", "M0"}, BadID{"M01", "M01"},
                                           BadID{"A001", "A001"}, BadID{"X1", "X1"}, BadID{"m1", "m1"},
                                           BadID{"M1 ", "M1 blank"}, BadID{" M1", "blank M1"},
                                           BadID{"M99", "unknown M99"}, BadID{"A99", "unknown A99"},
                                           BadID{"M1234567", "M1234567"},
                                           BadID{kUnterminated, "unterminated M77777"}));

}  // namespace
