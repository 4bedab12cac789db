// checkIRCommandConflict and the refusal to enable a clashing item.
#include <gtest/gtest.h>

#include <string>

#include "store/ItemStore.h"
#include "tests/support/StoreTestItems.h"

namespace {

// Where an item sits: a group, a general macro, or a macro of group A1 or A2.
enum class Place { Group, General, InA1, InA2 };

void Add(ItemStore& store, Place place, const char* id, const char* command) {
    if (place == Place::Group) {
        ASSERT_TRUE(store.addBGroup(GroupRecord(id, command)));
    } else {
        const char* appID = place == Place::InA1 ? "A1" : place == Place::InA2 ? "A2" : "";
        ASSERT_TRUE(store.addMacro(MacroRecord(id, appID, command)));
    }
}

struct ScopeCase {
    Place existing;
    Place learning;
    bool conflict;
};

class ConflictBetweenPlaces : public ::testing::TestWithParam<ScopeCase> {};

TEST_P(ConflictBetweenPlaces, DependsOnWhetherBothCanBeSelectableAtOnce) {
    const ScopeCase& c = GetParam();
    ItemStore store;
    Add(store, Place::Group, "A1", "ONE");
    Add(store, Place::Group, "A2", "TWO");
    Add(store, c.existing, c.existing == Place::Group ? "A3" : "M1", "X");
    const char* id = c.learning == Place::Group ? "A4" : "M2";
    Add(store, c.learning, id, "");
    EXPECT_EQ(store.checkIRCommandConflict(id, "X", true), !c.conflict);
    EXPECT_EQ(store.checkIRCommandConflict(id, "X", false), !c.conflict);
    EXPECT_TRUE(store.checkIRCommandConflict(id, "Y", true));
}

INSTANTIATE_TEST_SUITE_P(
    Places, ConflictBetweenPlaces,
    ::testing::Values(ScopeCase{Place::InA1, Place::InA1, true},        // the same group
                      ScopeCase{Place::InA1, Place::InA2, false},       // never active together
                      ScopeCase{Place::General, Place::General, true},  //
                      ScopeCase{Place::General, Place::InA2, true},     // a general macro against a group's
                      ScopeCase{Place::InA2, Place::General, true},     //
                      ScopeCase{Place::Group, Place::Group, true},      // groups against each other
                      ScopeCase{Place::General, Place::Group, true},    // the group would never be reached
                      ScopeCase{Place::Group, Place::General, true},    //
                      ScopeCase{Place::InA1, Place::Group, false},      // the macro wins only in its group
                      ScopeCase{Place::Group, Place::InA1, false}));

class CheckIRCommandConflict : public ::testing::Test {
  protected:
    void SetUp() override {
        Add(store, Place::Group, "A1", "TV");
        Add(store, Place::General, "M1", "0x10,0x810;OK");
        Add(store, Place::General, "M2", "");
    }

    ItemStore store;
};

TEST_F(CheckIRCommandConflict, AClashIsAVariantInCommonAtEveryButton) {
    EXPECT_FALSE(store.checkIRCommandConflict("M2", "0x10,0x810;OK", true));
    EXPECT_FALSE(store.checkIRCommandConflict("M2", "0x810;OK,ok", true));
    EXPECT_TRUE(store.checkIRCommandConflict("M2", "0x810;NO", true));
    EXPECT_TRUE(store.checkIRCommandConflict("M2", "0x10", true));        // begins M1: waits, then runs
    EXPECT_TRUE(store.checkIRCommandConflict("M2", "0x10;OK;OK", true));  // M1 begins it
    EXPECT_TRUE(store.checkIRCommandConflict("M2", "OK;0x10", true));
}

TEST_F(CheckIRCommandConflict, TheItemsOwnCommandIsNoConflict) {
    EXPECT_TRUE(store.checkIRCommandConflict("M1", "0x10,0x810;OK", true));
    EXPECT_TRUE(store.checkIRCommandConflict("A1", "TV", false));
}

TEST_F(CheckIRCommandConflict, AnEmptyCommandNeverConflicts) {
    Add(store, Place::General, "M3", "");
    EXPECT_TRUE(store.checkIRCommandConflict("M2", "", true));
    EXPECT_TRUE(store.checkIRCommandConflict("M2", nullptr, false));
    EXPECT_TRUE(store.checkIRCommandConflict("M2", ";,;", false));
}

TEST_F(CheckIRCommandConflict, LearningWeighsOnlyEnabledItemsWhilePasteWeighsAll) {
    ASSERT_TRUE(store.toggleDisableEnable("M1"));
    EXPECT_TRUE(store.checkIRCommandConflict("M2", "0x10;OK", true));
    EXPECT_FALSE(store.checkIRCommandConflict("M2", "0x10;OK", false));
}

TEST_F(CheckIRCommandConflict, TheItemsOwnDisabledFlagDoesNotMatter) {
    ASSERT_TRUE(store.toggleDisableEnable("M2"));
    EXPECT_FALSE(store.checkIRCommandConflict("M2", "0x10;OK", true));
}

TEST_F(CheckIRCommandConflict, ComparesTheCommandAsItWillBeStored) {
    // Only the first 254 characters are stored: the difference beyond them is lost.
    const std::string kept(254, 'k');
    store.setIRCommand("M1", kept.c_str());
    EXPECT_FALSE(store.checkIRCommandConflict("M2", (kept + "-more").c_str(), true));
}

TEST_F(CheckIRCommandConflict, AMacroMovedInPlaceIsCheckedInItsNewGroup) {
    Add(store, Place::Group, "A2", "DVD");
    Add(store, Place::InA2, "M3", "PLAY");
    Add(store, Place::InA1, "M4", "");
    EXPECT_TRUE(store.checkIRCommandConflict("M4", "PLAY", true));
    CopyText(store.getMacro("M4")->AppID, "A2");
    EXPECT_FALSE(store.checkIRCommandConflict("M4", "PLAY", true));
}

TEST(EnablingAnItem, IsRefusedWhileItsCommandClashesWithAnEnabledItem) {
    ItemStore store;
    Add(store, Place::General, "M1", "A;B");
    Add(store, Place::General, "M2", "A;B,b");
    Add(store, Place::Group, "A1", "A;b");
    ASSERT_TRUE(store.toggleDisableEnable("M2"));
    ASSERT_TRUE(store.toggleDisableEnable("A1"));
    EXPECT_FALSE(store.toggleDisableEnable("M2"));
    EXPECT_TRUE(store.isDisabled("M2"));
    EXPECT_EQ(store.enableClash("M2"), "M1");  // named so that the user can be told
    EXPECT_EQ(store.enableClash("M1"), "");    // enabled: nothing keeps it

    ASSERT_TRUE(store.toggleDisableEnable("M1"));  // disabling is always allowed
    EXPECT_TRUE(store.toggleDisableEnable("M2"));
    EXPECT_FALSE(store.toggleDisableEnable("A1"));  // the general macro M2 would take its buttons
    EXPECT_FALSE(store.toggleDisableEnable("M1"));
    EXPECT_TRUE(store.isDisabled("M1"));
    EXPECT_EQ(store.enableClash("M1"), "M2");
}

TEST(EnablingAnItem, IsAllowedWithoutACommand) {
    ItemStore store;
    Add(store, Place::General, "M1", "");
    Add(store, Place::General, "M2", "");
    ASSERT_TRUE(store.toggleDisableEnable("M1"));
    EXPECT_TRUE(store.toggleDisableEnable("M1"));
}

}  // namespace
