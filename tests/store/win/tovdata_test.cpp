// The exports of tovdata.dll, called through the real DLL. All tests share
// the one store of the process, so each leaves it empty.
#include "store/tovdata.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/StoreTestItems.h"

namespace {

class TovdataTest : public ::testing::Test {
  protected:
    void TearDown() override {
        int position = -1;
        while (const TBGroupRecord* group = getNextBGroup(&position)) {
            ASSERT_TRUE(deleteItem(group->ID));
            position = -1;
        }
        position = -1;
        while (const TMacroRecord* macro = getNextMacro(&position, "", true)) {
            ASSERT_TRUE(deleteItem(macro->ID));
            position = -1;
        }
    }

    // Adds an item under a new ID and returns that ID.
    std::string macro(const std::string& appID, const char* command, const char* name = "") {
        const std::string id = getNewMacroID();
        const TMacroRecord record = MacroRecord(id, appID, command, name);
        EXPECT_TRUE(addMacro(&record));
        return id;
    }
    std::string group(const char* command, const char* name = "") {
        const std::string id = getNewBGroupID();
        const TBGroupRecord record = GroupRecord(id, command, name);
        EXPECT_TRUE(addBGroup(&record));
        return id;
    }

    struct Found {
        std::string id;
        int count;
    };
    static Found find(const char* sequence, bool final) {
        char id[6] = "junk";
        int count = -1;
        findItemByCommand(sequence, &count, final, id);
        return {id, count};
    }
};

TEST(TovdataExports, EveryOperationIsExportedUnderItsOwnName) {
    const HMODULE dll = GetModuleHandleA("tovdata.dll");
    ASSERT_NE(dll, nullptr);
    for (const char* name : {"getMacro",
                             "getBGroup",
                             "getBGroupOrMacro",
                             "getNextBGroup",
                             "getNextMacro",
                             "addMacro",
                             "addBGroup",
                             "delete",
                             "doesBGroupHaveChild",
                             "getNewMacroID",
                             "getNewBGroupID",
                             "getNewestItem",
                             "setIRCommand",
                             "checkIRCommandConflict",
                             "toggleDisableEnable",
                             "isDisabled",
                             "findMacroByName",
                             "findBGroupByName",
                             "findItemByCommand",
                             "activateBGroup"}) {
        EXPECT_NE(GetProcAddress(dll, name), nullptr) << name;
    }
    EXPECT_EQ(GetProcAddress(dll, "deleteItem"), nullptr);
}

TEST_F(TovdataTest, DeleteItemIsBoundToTheExportNamedDelete) {
    void* exported = reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("tovdata.dll"), "delete"));
    EXPECT_EQ(exported, reinterpret_cast<void*>(&deleteItem));
    const std::string id = macro("", "");
    EXPECT_TRUE(reinterpret_cast<bool (*)(const char*)>(exported)(id.c_str()));
    EXPECT_EQ(getMacro(id.c_str()), nullptr);
}

TEST_F(TovdataTest, ARecordPointerCrossesTheBoundaryAndIsChangedInPlace) {
    const std::string id = macro("", "OLD", "Before");
    TMacroRecord* record = getMacro(id.c_str());
    ASSERT_NE(record, nullptr);

    // What the learn dialog does: ask, then write the record in place.
    ASSERT_TRUE(checkIRCommandConflict(record->ID, "NEW;NEW", true));
    CopyText(record->IRCommand, "NEW;NEW");
    CopyText(record->Name, "After");
    record->LoopIndex = 7;

    EXPECT_EQ(getMacro(id.c_str()), record);
    EXPECT_EQ(getMacro(id.c_str())->LoopIndex, 7);
    EXPECT_EQ(findMacroByName("After"), record);
    EXPECT_EQ(findMacroByName("Before"), nullptr);
    EXPECT_EQ(find("NEW;NEW", false).id, id);
    EXPECT_EQ(find("OLD", false).count, 0);

    TMacroRecord* macro = nullptr;
    TBGroupRecord* group = reinterpret_cast<TBGroupRecord*>(record);
    EXPECT_TRUE(getBGroupOrMacro(record->ID, &macro, &group));
    EXPECT_EQ(macro, record);
    EXPECT_EQ(group, nullptr);
}

TEST_F(TovdataTest, GroupsAndMacrosAreWalkedInTheOrderOfAdding) {
    const std::string tv = group("TV", "Television");
    const std::string up = macro(tv, "UP");
    const std::string mute = macro("", "MUTE");
    const std::string down = macro(tv, "DOWN");
    EXPECT_EQ(findBGroupByName("Television"), getBGroup(tv.c_str()));
    EXPECT_TRUE(doesBGroupHaveChild(tv.c_str()));

    int position = -1;
    EXPECT_EQ(getNextBGroup(&position), getBGroup(tv.c_str()));
    EXPECT_EQ(getNextBGroup(&position), nullptr);
    std::vector<std::string> ids;
    position = -1;
    while (const TMacroRecord* record = getNextMacro(&position, tv.c_str(), false))
        ids.emplace_back(record->ID);
    EXPECT_EQ(ids, (std::vector<std::string>{up, down}));
    position = -1;
    EXPECT_EQ(getNextMacro(&position, nullptr, false), getMacro(mute.c_str()));
    position = -1;
    EXPECT_EQ(getNextMacro(&position, "", true), getMacro(up.c_str()));

    EXPECT_TRUE(deleteItem(tv.c_str()));
    EXPECT_EQ(getMacro(up.c_str()), nullptr);
    EXPECT_EQ(getMacro(down.c_str()), nullptr);
    EXPECT_NE(getMacro(mute.c_str()), nullptr);
}

TEST_F(TovdataTest, NewIDsAreFreeAndTheNewestItemIsReported) {
    const std::string first = getNewMacroID();
    EXPECT_EQ(first[0], 'M');
    EXPECT_EQ(std::string(getNewMacroID()), first);
    macro("", "");
    const std::string second = getNewMacroID();
    EXPECT_NE(second, first);
    char newest[6] = "junk";
    getNewestItem(1, newest);
    EXPECT_EQ(std::string(newest), first);

    const std::string groupID = group("");
    EXPECT_EQ(groupID[0], 'A');
    getNewestItem(0, newest);
    EXPECT_EQ(std::string(newest), groupID);
    getNewestItem(5, newest);
    EXPECT_EQ(std::string(newest), "");
    getNewestItem(1, nullptr);

    EXPECT_TRUE(deleteItem(first.c_str()));
    EXPECT_NE(std::string(getNewMacroID()), first);  // a deleted ID does not come back
}

TEST_F(TovdataTest, ReceivedButtonsSelectItemsOfTheActiveGroup) {
    const std::string tv = group("TV");
    const std::string dvd = group("DVD");
    const std::string tvPlay = macro(tv, "PLAY,play");
    const std::string dvdPlay = macro(dvd, "PLAY");
    const std::string general = macro("", "PLAY;PLAY");

    EXPECT_EQ(find("TV", false).id, tv);
    EXPECT_EQ(find("PLAY", false).id, "");
    EXPECT_EQ(find("PLAY", false).count, 1);
    activateBGroup(tv.c_str());
    EXPECT_EQ(find("PLAY", false).count, 2);  // the general two-button macro may follow
    EXPECT_EQ(find("PLAY", true).id, tvPlay);
    EXPECT_EQ(find("PLAY", true).count, 1);
    EXPECT_EQ(find("play", false).id, tvPlay);
    EXPECT_EQ(find("PLAY;PLAY", false).id, general);
    activateBGroup(getBGroup(dvd.c_str())->ID);
    EXPECT_EQ(find("PLAY", true).id, dvdPlay);

    findItemByCommand("TV", nullptr, false, nullptr);
    findItemByCommand(nullptr, nullptr, true, nullptr);
    EXPECT_EQ(find(nullptr, false).count, 0);
}

TEST_F(TovdataTest, ConflictsRefuseACommandAndKeepAClashingItemDisabled) {
    const std::string first = macro("", "A");
    const std::string second = macro("", "");
    EXPECT_FALSE(checkIRCommandConflict(second.c_str(), "A", true));
    EXPECT_TRUE(checkIRCommandConflict(second.c_str(), "B", true));

    ASSERT_TRUE(toggleDisableEnable(first.c_str()));
    EXPECT_TRUE(isDisabled(first.c_str()));
    EXPECT_TRUE(checkIRCommandConflict(second.c_str(), "A", true));
    EXPECT_FALSE(checkIRCommandConflict(second.c_str(), "A", false));

    EXPECT_TRUE(setIRCommand(second.c_str(), "A"));
    EXPECT_STREQ(getMacro(second.c_str())->IRCommand, "A");
    EXPECT_FALSE(toggleDisableEnable(first.c_str()));
    EXPECT_TRUE(isDisabled(first.c_str()));
    EXPECT_TRUE(setIRCommand(second.c_str(), nullptr));
    EXPECT_TRUE(toggleDisableEnable(first.c_str()));
    EXPECT_FALSE(isDisabled(first.c_str()));
}

TEST_F(TovdataTest, BadInputFindsNothing) {
    macro("", "A", "Named");
    const char unterminated[6] = {'M', '9', '9', '9', '9', '9'};
    for (const char* id : {static_cast<const char*>(nullptr), "", "X1", "M0", "A01", "M9999", unterminated}) {
        TMacroRecord* macro = reinterpret_cast<TMacroRecord*>(1);
        TBGroupRecord* group = reinterpret_cast<TBGroupRecord*>(1);
        EXPECT_EQ(getMacro(id), nullptr);
        EXPECT_EQ(getBGroup(id), nullptr);
        EXPECT_FALSE(getBGroupOrMacro(id, &macro, &group));
        EXPECT_EQ(macro, nullptr);
        EXPECT_EQ(group, nullptr);
        EXPECT_FALSE(getBGroupOrMacro(id, nullptr, nullptr));
        EXPECT_FALSE(deleteItem(id));
        EXPECT_FALSE(doesBGroupHaveChild(id));
        EXPECT_FALSE(setIRCommand(id, "B"));
        EXPECT_FALSE(checkIRCommandConflict(id, "B", true));
        EXPECT_FALSE(toggleDisableEnable(id));
        EXPECT_FALSE(isDisabled(id));
        activateBGroup(id);
    }
    EXPECT_FALSE(addMacro(nullptr));
    EXPECT_FALSE(addBGroup(nullptr));
    EXPECT_EQ(getNextBGroup(nullptr), nullptr);
    EXPECT_EQ(getNextMacro(nullptr, "", true), nullptr);
    EXPECT_EQ(findMacroByName(nullptr), nullptr);
    EXPECT_EQ(findBGroupByName(""), nullptr);
    EXPECT_NE(findMacroByName("Named"), nullptr);
}

}  // namespace
