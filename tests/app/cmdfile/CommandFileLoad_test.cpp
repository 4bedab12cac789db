// Loading command file text into the store: at start, and imported by the
// user with new IDs.
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "CommandFile.h"
#include "CommandFileTestItems.h"

namespace {

using Items = std::vector<std::string>;

class CommandFileLoadTest : public ::testing::Test, protected CommandFileTestStore {};

// A group with start macro and two other macros, as exported.
constexpr const char* kExportedGroup =
    "ID:A1\r\nNAME:Player\r\nIRCOMMAND:\r\nMACROID:M1\r\nDISABLED:0\r\n"
    "ID:M2\r\nNAME:Play\r\nAPPID:A1\r\nIRCOMMAND:\r\nCOMMANDS:SPACE\r\n"
    "ID:M1\r\nNAME:Start\r\nAPPID:A1\r\nIRCOMMAND:\r\nCOMMANDS:LAUNCH:I:player.exe\r\n"
    "ID:M3\r\nNAME:Stop\r\nAPPID:A1\r\nIRCOMMAND:\r\nCOMMANDS:ESC\r\n";

// --- At start

TEST_F(CommandFileLoadTest, AtStartItemsKeepTheirIDsAndCommands) {
    LoadItemsText(access,
                  "ID:A5\r\nNAME:Player\r\nIRCOMMAND:KEY_RED\r\nMACROID:M9\r\n"
                  "ID:M9\r\nNAME:Start\r\nAPPID:A5\r\nIRCOMMAND:KEY_OK\r\n"
                  "ID:M3\r\nNAME:Mute\r\nIRCOMMAND:KEY_MUTE\r\n",
                  false);
    EXPECT_EQ(StoredItems(), (Items{"A5", "M9/A5", "M3/"}));
    EXPECT_EQ(FieldText(store.getBGroup("A5")->IRCommand), "KEY_RED");
    EXPECT_EQ(FieldText(store.getBGroup("A5")->MacroID), "M9");
    EXPECT_EQ(FieldText(store.getMacro("M9")->IRCommand), "KEY_OK");
    EXPECT_EQ(FieldText(store.getMacro("M3")->IRCommand), "KEY_MUTE");
}

TEST_F(CommandFileLoadTest, SavedTextLoadsIntoTheSameText) {
    Group("A2", "Player", "KEY_RED", "M4");
    Macro("M4", "A2", "Start", "KEY_OK", "LAUNCH:I:player.exe");
    Macro("M1", "", "Mute", "KEY_MUTE", "Toggle mute");
    Group("A1", "Editor", "KEY_GREEN");
    Macro("M2", "A1", "Type", "KEY_1;KEY_2", "TYPE:Hello: world,ENTER");
    store.getMacro("M2")->Select = 1;
    store.getMacro("M1")->Hidden = 1;
    const std::string saved = AllItemsText(access);

    CommandFileTestStore loaded;
    LoadItemsText(loaded.access, saved, false);
    EXPECT_EQ(AllItemsText(loaded.access), saved);
}

TEST_F(CommandFileLoadTest, MissingFlagsOfAMacroAreSetAndOthersClear) {
    LoadItemsText(access, "ID:M1\r\nNAME:Plain\r\nID:M2\r\nNAME:Quiet\r\nOSD:0\r\n", false);
    const TMacroRecord& plain = MacroNamed("Plain");
    EXPECT_TRUE(plain.CurrentWindow && plain.LeaveWindow && plain.OSD);
    EXPECT_FALSE(plain.Disabled || plain.DontFocus || plain.Select || plain.Loop || plain.Hidden);
    EXPECT_FALSE(MacroNamed("Quiet").OSD);
    EXPECT_TRUE(MacroNamed("Quiet").CurrentWindow);
}

TEST_F(CommandFileLoadTest, LowerCaseFileLoadsNothing) {
    LoadItemsText(access, "id:M1\r\nname:Play\r\ncommands:ENTER\r\n", false);
    LoadItemsText(access, "id:A1\r\nname:Player\r\n", true);
    EXPECT_EQ(StoredItems(), Items{});
}

TEST_F(CommandFileLoadTest, EmptyTextLoadsNothing) {
    LoadItemsText(access, "", false);
    LoadItemsText(access, "", true);
    EXPECT_EQ(StoredItems(), Items{});
}

// --- Imported by the user

TEST_F(CommandFileLoadTest, ExportedGroupImportsWithNewIDsAndItsStartMacro) {
    Group("A1", "Existing", "KEY_RED", "M1");
    Macro("M1", "A1", "Existing start", "KEY_OK");
    Macro("M2", "", "Existing general", "KEY_MUTE");
    LoadItemsText(access, ExportedItemText(access, "A1"), true);
    LoadItemsText(access, kExportedGroup, true);

    const TBGroupRecord* player = store.findBGroupByName("Player");
    ASSERT_NE(player, nullptr);
    const std::string groupID(FieldText(player->ID));
    EXPECT_NE(groupID, "A1");
    EXPECT_EQ(FieldText(player->IRCommand), "");
    const TMacroRecord& start = MacroNamed("Start");
    EXPECT_EQ(FieldText(player->MacroID), FieldText(start.ID));
    for (const char* name : {"Start", "Play", "Stop"}) {
        const TMacroRecord& macro = MacroNamed(name);
        EXPECT_EQ(FieldText(macro.AppID), groupID) << name;
        EXPECT_EQ(FieldText(macro.IRCommand), "") << name;
    }
    EXPECT_EQ(FieldText(start.Commands), "LAUNCH:I:player.exe");
    // The items of the store before the import are untouched; the re-imported copy is new.
    EXPECT_EQ(FieldText(store.getMacro("M1")->IRCommand), "KEY_OK");
    EXPECT_EQ(FieldText(store.getBGroup("A1")->MacroID), "M1");
    EXPECT_EQ(StoredItems().size(), 3u + 2u + 4u);
    EXPECT_EQ(store.getMacro(""), nullptr);
}

TEST_F(CommandFileLoadTest, ImportingTheSameFileTwiceAddsCopies) {
    LoadItemsText(access, kExportedGroup, true);
    LoadItemsText(access, kExportedGroup, true);
    const Items items = StoredItems();
    ASSERT_EQ(items.size(), 8u);
    int position = -1;
    const TBGroupRecord* first = store.getNextBGroup(position);
    const TBGroupRecord* second = store.getNextBGroup(position);
    ASSERT_NE(second, nullptr);
    EXPECT_NE(FieldText(first->MacroID), FieldText(second->MacroID));
    EXPECT_EQ(FieldText(store.getMacro(first->MacroID)->AppID), FieldText(first->ID));
    EXPECT_EQ(FieldText(store.getMacro(second->MacroID)->AppID), FieldText(second->ID));
    EXPECT_EQ(FieldText(store.getMacro(second->MacroID)->Name), "Start");
}

TEST_F(CommandFileLoadTest, ImportedItemsLoseTheirCommandsButKeepTheRest) {
    LoadItemsText(
        access,
        "ID:M4\r\nNAME:Type\r\nIRCOMMAND:KEY_1;KEY_2\r\nCOMMANDS:TYPE:Hi\r\nTARGETFILE:notepad.exe\r\n"
        "TARGETCAPTION:Notepad\r\nCURRENTWINDOW:0\r\nSELECT:1\r\nHIDDEN:1\r\nDISABLED:1\r\n",
        true);
    const TMacroRecord& macro = MacroNamed("Type");
    EXPECT_EQ(FieldText(macro.IRCommand), "");
    EXPECT_EQ(FieldText(macro.Commands), "TYPE:Hi");
    EXPECT_EQ(FieldText(macro.TargetFile), "notepad.exe");
    EXPECT_EQ(FieldText(macro.TargetCaption), "Notepad");
    EXPECT_FALSE(macro.CurrentWindow);
    EXPECT_TRUE(macro.Select && macro.Hidden && macro.Disabled && macro.OSD && macro.LeaveWindow);
}

TEST_F(CommandFileLoadTest, MacroImportedWithoutItsGroupBecomesGeneral) {
    Group("A1", "Existing");
    LoadItemsText(access, "ID:M1\r\nNAME:Play\r\nAPPID:A1\r\nCOMMANDS:SPACE\r\n", true);
    EXPECT_EQ(FieldText(MacroNamed("Play").AppID), "");
}

TEST_F(CommandFileLoadTest, MacrosJoinTheGroupImportedLastBeforeThem) {
    LoadItemsText(
        access,
        "ID:M9\r\nNAME:Before\r\nAPPID:A1\r\n"
        "ID:A1\r\nNAME:One\r\nID:M1\r\nNAME:In one\r\nAPPID:A1\r\nID:M2\r\nNAME:General\r\nAPPID:\r\n"
        "ID:A2\r\nNAME:Two\r\nID:M3\r\nNAME:In two\r\nAPPID:A2\r\nID:M4\r\nNAME:Says one\r\nAPPID:A1\r\n",
        true);
    const std::string one(FieldText(store.findBGroupByName("One")->ID));
    const std::string two(FieldText(store.findBGroupByName("Two")->ID));
    EXPECT_EQ(FieldText(MacroNamed("Before").AppID), "");
    EXPECT_EQ(FieldText(MacroNamed("In one").AppID), one);
    EXPECT_EQ(FieldText(MacroNamed("General").AppID), "");
    EXPECT_EQ(FieldText(MacroNamed("In two").AppID), two);
    EXPECT_EQ(FieldText(MacroNamed("Says one").AppID), two);
}

// --- The reserved start macro ID

TEST_F(CommandFileLoadTest, MissingStartMacroLeavesItsPlaceholder) {
    LoadItemsText(access, "ID:A1\r\nNAME:Player\r\nMACROID:M5\r\nID:M1\r\nNAME:Play\r\nAPPID:A1\r\n", true);
    const TBGroupRecord* group = store.findBGroupByName("Player");
    ASSERT_NE(group, nullptr);
    const TMacroRecord* placeholder = store.getMacro(group->MacroID);
    ASSERT_NE(placeholder, nullptr);
    TMacroRecord expected = FreshMacroRecord();
    CopyText(expected.ID, FieldText(group->MacroID));
    EXPECT_EQ(std::memcmp(placeholder, &expected, sizeof expected), 0);
    EXPECT_NE(FieldText(MacroNamed("Play").ID), FieldText(group->MacroID));
}

TEST_F(CommandFileLoadTest, StartMacroTakesTheReservedIDWhereverItStands) {
    LoadItemsText(access,
                  "ID:A1\r\nNAME:Player\r\nMACROID:M3\r\n"
                  "ID:M1\r\nNAME:Play\r\nAPPID:A1\r\nID:M2\r\nNAME:Stop\r\nAPPID:A1\r\n"
                  "ID:M3\r\nNAME:Start\r\nAPPID:A1\r\n",
                  true);
    const TBGroupRecord* group = store.findBGroupByName("Player");
    EXPECT_EQ(FieldText(group->MacroID), FieldText(MacroNamed("Start").ID));
    EXPECT_EQ(StoredItems().size(), 4u);  // the placeholder made way
}

TEST_F(CommandFileLoadTest, SecondMacroWithTheStartMacrosIDGetsANewOne) {
    LoadItemsText(access,
                  "ID:A1\r\nNAME:Player\r\nMACROID:M1\r\n"
                  "ID:M1\r\nNAME:Start\r\nAPPID:A1\r\nIRCOMMAND:KEY_OK\r\n"
                  "ID:M1\r\nNAME:Duplicate\r\nAPPID:A1\r\nIRCOMMAND:KEY_OK\r\n",
                  true);
    const TBGroupRecord* group = store.findBGroupByName("Player");
    const TMacroRecord& start = MacroNamed("Start");
    const TMacroRecord& duplicate = MacroNamed("Duplicate");
    EXPECT_EQ(FieldText(group->MacroID), FieldText(start.ID));
    EXPECT_NE(FieldText(duplicate.ID), FieldText(start.ID));
    EXPECT_EQ(FieldText(duplicate.AppID), FieldText(group->ID));
    EXPECT_EQ(StoredItems().size(), 3u);
}

TEST_F(CommandFileLoadTest, ReservationEndsAtTheNextGroup) {
    LoadItemsText(access,
                  "ID:A1\r\nNAME:One\r\nMACROID:M7\r\n"
                  "ID:A2\r\nNAME:Two\r\n"
                  "ID:M7\r\nNAME:Not one's start\r\nAPPID:A2\r\n",
                  true);
    const TBGroupRecord* one = store.findBGroupByName("One");
    EXPECT_NE(FieldText(one->MacroID), FieldText(MacroNamed("Not one's start").ID));
    EXPECT_NE(store.getMacro(one->MacroID), nullptr);  // its placeholder
}

TEST_F(CommandFileLoadTest, GeneralStartMacroOfTheLastGroupStaysLinked) {
    Group("A1", "Player", "KEY_RED", "M2");
    Macro("M1", "A1", "Play");
    Macro("M2", "", "General start");
    const std::string saved = AllItemsText(access);
    CommandFileTestStore imported;
    imported.Macro("M1", "", "Already there");
    LoadItemsText(imported.access, saved, true);
    const TBGroupRecord* group = imported.store.findBGroupByName("Player");
    const TMacroRecord& start = imported.MacroNamed("General start");
    EXPECT_EQ(FieldText(group->MacroID), FieldText(start.ID));
    EXPECT_EQ(FieldText(start.AppID), "");
    EXPECT_EQ(imported.StoredItems().size(), 4u);
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
