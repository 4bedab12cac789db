// Loading command file text into the store: at start, and imported by the
// user with new IDs.
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "app/cmdfile/CommandFile.h"
#include "tests/app/cmdfile/CommandFileTestItems.h"

namespace {

using Items = std::vector<std::string>;

class CommandFileLoadTest : public ::testing::Test, protected CommandFileTestStore {
  protected:
    std::string GroupID(const char* name) const {
        return std::string(FieldText(store.findBGroupByName(name)->ID));
    }
    std::string StartID(const char* name) const {
        return std::string(FieldText(store.findBGroupByName(name)->MacroID));
    }
    std::string ID(const char* name) const { return std::string(FieldText(MacroNamed(name).ID)); }
    std::string AppID(const char* name) const { return std::string(FieldText(MacroNamed(name).AppID)); }
};

// A group with its start macro between two other macros, as exported.
constexpr const char* kExportedGroup =
    "ID:A1\r\nNAME:Player\r\nMACROID:M1\r\n"
    "ID:M2\r\nNAME:Play\r\nAPPID:A1\r\nCOMMANDS:SPACE\r\n"
    "ID:M1\r\nNAME:Start\r\nAPPID:A1\r\nCOMMANDS:LAUNCH:I:player.exe\r\n"
    "ID:M3\r\nNAME:Stop\r\nAPPID:A1\r\nCOMMANDS:ESC\r\n";

// --- At start

TEST_F(CommandFileLoadTest, AtStartItemsKeepTheirIDsAndCommands) {
    Group("A2", "Player", "KEY_RED", "M4");
    Macro("M4", "A2", "Start", "KEY_OK", "LAUNCH:I:player.exe");
    Macro("M1", "", "Mute", "KEY_MUTE", "Toggle mute");
    Group("A1", "Editor", "KEY_GREEN");
    Macro("M2", "A1", "Type", "KEY_1;KEY_2", "TYPE:Hello: world,ENTER");
    store.getMacro("M2")->Select = 1;
    const std::string saved = AllItemsText(access);

    CommandFileTestStore loaded;
    LoadItemsText(loaded.access, saved, false);
    EXPECT_EQ(loaded.StoredItems(), (Items{"A2", "A1", "M4/A2", "M2/A1", "M1/"}));
    EXPECT_EQ(AllItemsText(loaded.access), saved);
}

TEST_F(CommandFileLoadTest, LowerCaseOrEmptyTextLoadsNothing) {
    for (bool fromUser : {false, true}) {
        LoadItemsText(access, "id:A1\r\nname:Player\r\nid:M1\r\nname:Play\r\n", fromUser);
        LoadItemsText(access, "", fromUser);
    }
    EXPECT_EQ(StoredItems(), Items{});
}

// --- Imported by the user

TEST_F(CommandFileLoadTest, ImportedGroupGetsNewIDsAndKeepsItsStartMacro) {
    Group("A1", "Existing", "KEY_RED", "M1");
    Macro("M1", "A1", "Existing start", "KEY_OK");
    LoadItemsText(access, kExportedGroup, true);
    EXPECT_NE(GroupID("Player"), "A1");
    EXPECT_EQ(StartID("Player"), ID("Start"));
    for (const char* name : {"Start", "Play", "Stop"}) EXPECT_EQ(AppID(name), GroupID("Player")) << name;
    EXPECT_EQ(FieldText(MacroNamed("Start").Commands), "LAUNCH:I:player.exe");
    EXPECT_EQ(StoredItems().size(), 2u + 4u);
    // What was there before is untouched.
    EXPECT_EQ(FieldText(store.getBGroup("A1")->MacroID), "M1");
    EXPECT_EQ(FieldText(store.getMacro("M1")->Name), "Existing start");
}

TEST_F(CommandFileLoadTest, ImportedItemsLoseTheirCommandsOnly) {
    LoadItemsText(
        access,
        "ID:A4\r\nNAME:Group\r\nIRCOMMAND:KEY_RED\r\nDISABLED:1\r\n"
        "ID:M4\r\nNAME:Type\r\nIRCOMMAND:KEY_1;KEY_2\r\nCOMMANDS:TYPE:Hi\r\nTARGETFILE:notepad.exe\r\n"
        "TARGETCAPTION:Notepad\r\nCURRENTWINDOW:0\r\nSELECT:1\r\nHIDDEN:1\r\nDISABLED:1\r\n",
        true);
    EXPECT_EQ(FieldText(store.findBGroupByName("Group")->IRCommand), "");
    EXPECT_TRUE(store.findBGroupByName("Group")->Disabled);
    const TMacroRecord& macro = MacroNamed("Type");
    EXPECT_EQ(FieldText(macro.IRCommand), "");
    EXPECT_EQ(FieldText(macro.Commands), "TYPE:Hi");
    EXPECT_EQ(FieldText(macro.TargetFile), "notepad.exe");
    EXPECT_EQ(FieldText(macro.TargetCaption), "Notepad");
    EXPECT_FALSE(macro.CurrentWindow);
    EXPECT_TRUE(macro.Select && macro.Hidden && macro.Disabled && macro.OSD && macro.LeaveWindow);
}

TEST_F(CommandFileLoadTest, ImportingTwiceAddsTwoCopies) {
    LoadItemsText(access, kExportedGroup, true);
    LoadItemsText(access, kExportedGroup, true);
    EXPECT_EQ(StoredItems().size(), 8u);
    int position = -1;
    for (int copy = 0; copy < 2; ++copy) {
        const TBGroupRecord* group = store.getNextBGroup(position);
        const TMacroRecord* start = store.getMacro(group->MacroID);
        ASSERT_NE(start, nullptr);
        EXPECT_EQ(FieldText(start->Name), "Start");
        EXPECT_EQ(FieldText(start->AppID), FieldText(group->ID));
    }
}

TEST_F(CommandFileLoadTest, MacrosJoinTheGroupImportedLastBeforeThem) {
    Group("A1", "Existing");
    LoadItemsText(
        access,
        "ID:M9\r\nNAME:Before\r\nAPPID:A1\r\n"
        "ID:A1\r\nNAME:One\r\nID:M1\r\nNAME:In one\r\nAPPID:A1\r\nID:M2\r\nNAME:General\r\nAPPID:\r\n"
        "ID:A2\r\nNAME:Two\r\nID:M3\r\nNAME:In two\r\nAPPID:A2\r\nID:M4\r\nNAME:Says one\r\nAPPID:A1\r\n",
        true);
    EXPECT_EQ(AppID("Before"), "");  // a macro exported alone becomes general
    EXPECT_EQ(AppID("In one"), GroupID("One"));
    EXPECT_EQ(AppID("General"), "");
    EXPECT_EQ(AppID("In two"), GroupID("Two"));
    EXPECT_EQ(AppID("Says one"), GroupID("Two"));
}

// --- The start macro's reserved ID

TEST_F(CommandFileLoadTest, MissingStartMacroLeavesItsPlaceholder) {
    LoadItemsText(access, "ID:A1\r\nNAME:Player\r\nMACROID:M5\r\nID:M1\r\nNAME:Play\r\nAPPID:A1\r\n", true);
    const TMacroRecord* placeholder = store.getMacro(StartID("Player").c_str());
    ASSERT_NE(placeholder, nullptr);
    TMacroRecord expected = FreshMacroRecord();
    CopyText(expected.ID, StartID("Player"));
    EXPECT_EQ(std::memcmp(placeholder, &expected, sizeof expected), 0);
    EXPECT_NE(ID("Play"), StartID("Player"));
}

TEST_F(CommandFileLoadTest, OnlyOneMacroTakesTheReservedID) {
    LoadItemsText(access,
                  "ID:A1\r\nNAME:Player\r\nMACROID:M1\r\n"
                  "ID:M1\r\nNAME:Start\r\nAPPID:A1\r\nID:M1\r\nNAME:Duplicate\r\nAPPID:A1\r\n",
                  true);
    EXPECT_EQ(StartID("Player"), ID("Start"));
    EXPECT_NE(ID("Duplicate"), ID("Start"));
    EXPECT_EQ(AppID("Duplicate"), GroupID("Player"));
    EXPECT_EQ(StoredItems().size(), 3u);
}

TEST_F(CommandFileLoadTest, ReservationEndsAtTheNextGroup) {
    LoadItemsText(
        access, "ID:A1\r\nNAME:One\r\nMACROID:M7\r\nID:A2\r\nNAME:Two\r\nID:M7\r\nNAME:Two's\r\nAPPID:A2\r\n",
        true);
    EXPECT_NE(StartID("One"), ID("Two's"));
    EXPECT_NE(store.getMacro(StartID("One").c_str()), nullptr);
}

TEST_F(CommandFileLoadTest, GeneralStartMacroAfterTheLastGroupStaysLinked) {
    Group("A1", "Player", "KEY_RED", "M2");
    Macro("M1", "A1", "Play");
    Macro("M2", "", "General start");
    const std::string saved = AllItemsText(access);
    LoadItemsText(access, saved, true);
    int position = 0;
    const TBGroupRecord* copy = store.getNextBGroup(position);
    ASSERT_NE(copy, nullptr);
    const TMacroRecord* start = store.getMacro(copy->MacroID);
    ASSERT_NE(start, nullptr);
    EXPECT_EQ(FieldText(start->Name), "General start");
    EXPECT_EQ(FieldText(start->AppID), "");
    EXPECT_EQ(StoredItems().size(), 6u);
}

TEST_F(CommandFileLoadTest, ImportedIDsAreUniqueAndWellFormed) {
    Group("A1", "Existing", "", "M1");
    Macro("M1", "A1", "Existing start");
    LoadItemsText(access,
                  "ID:A1\r\nMACROID:M1\r\nID:M1\r\nAPPID:A1\r\nID:M1\r\nAPPID:A1\r\nID:\r\nID:X\r\n"
                  "ID:A1\r\nMACROID:M1\r\nID:M1\r\nAPPID:A1\r\n",
                  true);
    std::set<std::string> ids;
    for (const std::string& item : StoredItems()) {
        const std::string id = item.substr(0, item.find('/'));
        EXPECT_TRUE(ids.insert(id).second) << id;
        EXPECT_TRUE(id[0] == 'A' || id[0] == 'M') << id;
    }
    EXPECT_EQ(ids.size(), 2u + 7u);
}

}  // namespace
