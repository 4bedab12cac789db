// findItemByCommand: which item a received button sequence selects.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "store/ItemStore.h"
#include "tests/support/StoreTestItems.h"

bool operator==(const CommandMatch& a, const CommandMatch& b) { return a.id == b.id && a.count == b.count; }

void PrintTo(const CommandMatch& match, std::ostream* out) {
    *out << "{id \"" << match.id << "\", count " << match.count << "}";
}

namespace {

// The answers the dispatch acts on: run an item now, wait for more buttons, drop the sequence.
CommandMatch Runs(const char* id) { return {id, 1}; }
CommandMatch Waits(int count) { return {"", count}; }
CommandMatch Drops() { return {"", 0}; }

class FindItemByCommand : public ::testing::Test {
  protected:
    void macro(const char* id, const char* appID, const char* command) {
        ASSERT_TRUE(store.addMacro(MacroRecord(id, appID, command)));
    }
    void group(const char* id, const char* command) {
        ASSERT_TRUE(store.addBGroup(GroupRecord(id, command)));
    }
    CommandMatch now(const char* sequence) { return store.findItemByCommand(sequence, false); }
    CommandMatch afterWaiting(const char* sequence) { return store.findItemByCommand(sequence, true); }

    ItemStore store;
};

TEST_F(FindItemByCommand, ASingleButtonRunsAtOnce) {
    macro("M1", "", "UP");
    EXPECT_EQ(now("UP"), Runs("M1"));
    EXPECT_EQ(now("DOWN"), Drops());
    EXPECT_EQ(now("up"), Drops());
}

TEST_F(FindItemByCommand, AnyVariantOfAButtonSelects) {
    macro("M1", "", "0x10,0x810");
    macro("M2", "", "0x11,0x811;0x20,0x820");
    EXPECT_EQ(now("0x10"), Runs("M1"));
    EXPECT_EQ(now("0x810"), Runs("M1"));
    EXPECT_EQ(now("0x811;0x20"), Runs("M2"));
    EXPECT_EQ(now("0x11;0x820"), Runs("M2"));
    EXPECT_EQ(now("0x10;0x20"), Drops());
}

TEST_F(FindItemByCommand, ASequenceWaitsUntilItsLastButton) {
    macro("M1", "", "A;B;C;D");
    EXPECT_EQ(now("A"), Waits(1));
    EXPECT_EQ(now("A;B"), Waits(1));
    EXPECT_EQ(now("A;B;C"), Waits(1));
    EXPECT_EQ(now("A;B;C;D"), Runs("M1"));
    EXPECT_EQ(now("A;B;X"), Drops());
    EXPECT_EQ(now("A;B;C;D;E"), Drops());
    EXPECT_EQ(afterWaiting("A;B"), Drops());
}

TEST_F(FindItemByCommand, AnItemThatBeginsALongerOneWaitsThenRunsWhenNoMoreButtonsCome) {
    macro("M1", "", "A");
    macro("M2", "", "A;B");
    macro("M3", "", "A;C,c;D");
    EXPECT_EQ(now("A"), Waits(3));
    EXPECT_EQ(afterWaiting("A"), Runs("M1"));
    EXPECT_EQ(now("A;B"), Runs("M2"));
    EXPECT_EQ(now("A;c"), Waits(1));
    EXPECT_EQ(now("A;c;D"), Runs("M3"));
    EXPECT_EQ(now("A;X"), Drops());
}

TEST_F(FindItemByCommand, ItemsThatOneSequenceSelectsAlikeRunNeither) {
    macro("M1", "", "A");
    macro("M2", "", "X,A");
    EXPECT_EQ(now("A"), Waits(2));
    EXPECT_EQ(afterWaiting("A"), Waits(2));
    EXPECT_EQ(now("X"), Runs("M2"));
}

TEST_F(FindItemByCommand, DisabledItemsAreNotSelected) {
    macro("M1", "", "A");
    macro("M2", "", "A;B");
    group("A1", "A;C");
    ASSERT_TRUE(store.toggleDisableEnable("M1"));
    EXPECT_EQ(now("A"), Waits(2));
    EXPECT_EQ(afterWaiting("A"), Drops());
    store.getBGroup("A1")->Disabled = 1;  // changed in place, as the record allows
    EXPECT_EQ(now("A"), Waits(1));
    EXPECT_EQ(now("A;C"), Drops());
    ASSERT_TRUE(store.toggleDisableEnable("M1"));
    EXPECT_EQ(afterWaiting("A"), Runs("M1"));
}

TEST_F(FindItemByCommand, GroupMacrosAreSelectedOnlyWhileTheirGroupIsActive) {
    group("A1", "TV");
    group("A2", "DVD");
    macro("M1", "A1", "PLAY");
    macro("M2", "A2", "PLAY");
    EXPECT_EQ(now("PLAY"), Drops());
    store.activateBGroup("A1");
    EXPECT_EQ(now("PLAY"), Runs("M1"));
    store.activateBGroup(store.getBGroup("A2")->ID);
    EXPECT_EQ(now("PLAY"), Runs("M2"));
    store.activateBGroup("A9");
    EXPECT_EQ(now("PLAY"), Runs("M2"));
    store.deleteItem("A2");
    EXPECT_EQ(now("PLAY"), Drops());
}

TEST_F(FindItemByCommand, ANewGroupUnderADeletedActiveGroupsIDIsNotActive) {
    group("A5", "TV");
    macro("M1", "A5", "PLAY");
    store.activateBGroup("A5");
    store.deleteItem("A5");
    group("A5", "TV");  // a free ID is kept when added, as when loading the command file
    macro("M2", "A5", "PLAY");
    EXPECT_EQ(now("PLAY"), Drops());
}

TEST_F(FindItemByCommand, TheActiveGroupsMacroWinsOverAGeneralMacro) {
    group("A1", "TV");
    macro("M1", "A1", "PLAY");
    macro("M2", "", "PLAY");
    macro("M3", "", "STOP;STOP");
    macro("M4", "A1", "STOP");
    EXPECT_EQ(now("PLAY"), Runs("M2"));
    EXPECT_EQ(now("STOP"), Waits(1));
    store.activateBGroup("A1");
    EXPECT_EQ(now("PLAY"), Runs("M1"));
    EXPECT_EQ(afterWaiting("PLAY"), Runs("M1"));
    // The general two-button macro still reaches past the group's one-button macro.
    EXPECT_EQ(now("STOP"), Waits(2));
    EXPECT_EQ(afterWaiting("STOP"), Runs("M4"));
    EXPECT_EQ(now("STOP;STOP"), Runs("M3"));
}

TEST_F(FindItemByCommand, AGroupAndAMacroOfTheActiveGroupShareACommand) {
    group("A1", "TV");
    group("A2", "DVD");
    macro("M1", "A1", "TV");
    EXPECT_EQ(now("TV"), Runs("A1"));
    store.activateBGroup("A1");
    EXPECT_EQ(now("TV"), Runs("M1"));
    store.activateBGroup("A2");
    EXPECT_EQ(now("TV"), Runs("A1"));
}

TEST_F(FindItemByCommand, AGeneralMacroWinsOverAGroupWithTheSameCommand) {
    group("A1", "X");
    macro("M1", "", "X");
    EXPECT_EQ(now("X"), Runs("M1"));
}

TEST_F(FindItemByCommand, GroupsAreSelectedByTheirOwnSequence) {
    group("A1", "1;2");
    group("A2", "1;3");
    EXPECT_EQ(now("1"), Waits(2));
    EXPECT_EQ(now("1;3"), Runs("A2"));
}

TEST_F(FindItemByCommand, TheMacrosOfADisabledActiveGroupStaySelectable) {
    group("A1", "TV");
    macro("M1", "A1", "PLAY");
    store.activateBGroup("A1");
    ASSERT_TRUE(store.toggleDisableEnable("A1"));
    EXPECT_EQ(now("TV"), Drops());
    EXPECT_EQ(now("PLAY"), Runs("M1"));
}

TEST_F(FindItemByCommand, ACommandLearntInPlaceAfterTheCheckIsFound) {
    macro("M1", "", "OLD");
    EXPECT_EQ(now("OLD"), Runs("M1"));
    ASSERT_TRUE(store.checkIRCommandConflict("M1", "NEW", true));
    CopyText(store.getMacro("M1")->IRCommand, "NEW");  // what the learn dialog does
    EXPECT_EQ(now("NEW"), Runs("M1"));
    EXPECT_EQ(now("OLD"), Drops());
}

TEST_F(FindItemByCommand, APastedCopyWhoseCommandIsClearedInPlaceLeavesTheOriginal) {
    macro("M1", "", "A");
    EXPECT_EQ(now("A"), Runs("M1"));
    macro("M2", "", "A");
    ASSERT_FALSE(store.checkIRCommandConflict("M2", "A", false));
    CopyText(store.getMacro("M2")->IRCommand, "");  // what paste does
    EXPECT_EQ(now("A"), Runs("M1"));
}

TEST_F(FindItemByCommand, AnUnannouncedInPlaceChangeIsSeenWhenTheLookUpMeetsTheRecord) {
    macro("M1", "", "A");
    macro("M2", "", "B");
    EXPECT_EQ(now("A"), Runs("M1"));
    CopyText(store.getMacro("M1")->IRCommand, "A;C");
    CopyText(store.getMacro("M2")->IRCommand, "A");
    EXPECT_EQ(now("A"), Waits(2));
    EXPECT_EQ(now("B"), Drops());
    EXPECT_EQ(now("A;C"), Runs("M1"));
}

TEST_F(FindItemByCommand, AMacroMovedToAGroupInPlaceFollowsThatGroup) {
    group("A1", "TV");
    macro("M1", "", "PLAY");
    EXPECT_EQ(now("PLAY"), Runs("M1"));
    CopyText(store.getMacro("M1")->AppID, "A1");  // what the macro editor does
    EXPECT_EQ(now("PLAY"), Drops());
    store.activateBGroup("A1");
    EXPECT_EQ(now("PLAY"), Runs("M1"));
}

TEST_F(FindItemByCommand, SetIRCommandAndDeleteTakeEffectAtTheNextLookUp) {
    macro("M1", "", "A");
    EXPECT_EQ(now("A"), Runs("M1"));
    store.setIRCommand("M1", "B");
    EXPECT_EQ(now("A"), Drops());
    EXPECT_EQ(now("B"), Runs("M1"));
    store.deleteItem("M1");
    EXPECT_EQ(now("B"), Drops());
}

TEST_F(FindItemByCommand, HandlesCommandsThatFillTheWholeField) {
    // Four buttons of three 20-character variants: 251 characters.
    std::string command;
    for (char button = 'a'; button <= 'd'; ++button) {
        if (!command.empty()) command += ';';
        for (char variant = '1'; variant <= '3'; ++variant) {
            if (variant != '1') command += ',';
            command += std::string(18, button) + variant + '.';
        }
    }
    ASSERT_EQ(command.size(), 251u);
    macro("M1", "", command.c_str());
    const std::string last = std::string(18, 'a') + "3.;" + std::string(18, 'b') + "1.;" +
                             std::string(18, 'c') + "2.;" + std::string(18, 'd') + "3.";
    EXPECT_EQ(now(last.c_str()), Runs("M1"));

    // A learnt text cut to the field: its last variant no longer matches whole.
    store.setIRCommand("M1", (std::string(200, 'x') + ',' + std::string(100, 'y')).c_str());
    EXPECT_EQ(now(std::string(200, 'x').c_str()), Runs("M1"));
    EXPECT_EQ(now(std::string(100, 'y').c_str()), Drops());
    EXPECT_EQ(now(std::string(53, 'y').c_str()), Runs("M1"));
}

TEST_F(FindItemByCommand, MalformedSequencesSelectNothing) {
    macro("M1", "", "A");
    macro("M2", "", "A,B");
    for (const char* sequence : {"", ";", ";;;", "A;", ";A", "A,B", ","}) {
        EXPECT_EQ(now(sequence), Drops()) << sequence;
        EXPECT_EQ(afterWaiting(sequence), Drops()) << sequence;
    }
    EXPECT_EQ(now(nullptr), Drops());
    EXPECT_EQ(now(std::string(100000, 'A').c_str()), Drops());
    EXPECT_EQ(ItemStore().findItemByCommand("A", false), Drops());
}

}  // namespace
