// The store's items as text: the default file and exports.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "CommandFile.h"
#include "CommandFileTestItems.h"

namespace {

using Items = std::vector<std::string>;

class CommandFileSaveTest : public ::testing::Test, protected CommandFileTestStore {
  protected:
    // Whether the store's records are byte for byte what they were.
    std::string Snapshot() const {
        std::string bytes;
        int position = -1;
        while (const TBGroupRecord* group = store.getNextBGroup(position))
            bytes.append(reinterpret_cast<const char*>(group), sizeof *group);
        position = -1;
        while (const TMacroRecord* macro = store.getNextMacro(position, "", true))
            bytes.append(reinterpret_cast<const char*>(macro), sizeof *macro);
        return bytes;
    }
};

// --- The default file

TEST_F(CommandFileSaveTest, EmptyStoreGivesEmptyText) { EXPECT_EQ(AllItemsText(access), ""); }

TEST_F(CommandFileSaveTest, GroupsWithTheirMacrosThenGeneralMacros) {
    Group("A1", "First");
    Macro("M1", "", "General one");
    Group("A2", "Second");
    Macro("M2", "A2", "Second's");
    Macro("M3", "A1", "First's");
    Macro("M4", "", "General two");
    Macro("M5", "A1", "First's too");
    EXPECT_EQ(ItemsInText(AllItemsText(access)),
              (Items{"A1", "M3/A1", "M5/A1", "A2", "M2/A2", "M1/", "M4/"}));
}

TEST_F(CommandFileSaveTest, WritesIDsCommandsAndFlagsAsStored) {
    Group("A7", "Player", "KEY_RED", "M9");
    Macro("M9", "A7", "Start", "KEY_1;KEY_2");
    store.getMacro("M9")->Hidden = 1;
    store.toggleDisableEnable("A7");
    EXPECT_EQ(AllItemsText(access),
              "ID:A7\r\nNAME:Player\r\nIRCOMMAND:KEY_RED\r\nMACROID:M9\r\nDISABLED:1\r\n"
              "ID:M9\r\nNAME:Start\r\nAPPID:A7\r\nIRCOMMAND:KEY_1;KEY_2\r\nCOMMANDS:ENTER\r\nDISABLED:0\r\n"
              "CURRENTWINDOW:0\r\nTARGETFILE:\r\nTARGETCAPTION:\r\nLEAVEWINDOW:0\r\nDONTFOCUS:0\r\nOSD:1\r\n"
              "SELECT:0\r\nLOOP:0\r\nHIDDEN:1\r\n");
}

// --- Export of a macro

TEST_F(CommandFileSaveTest, MacroIsExportedAsM1WithoutCommandKeepingItsGroup) {
    Group("A4", "Player");
    Macro("M1", "A4", "Other");
    Macro("M8", "A4", "Play", "KEY_PLAY", "TYPE:x,ENTER");
    const std::string before = Snapshot();
    const std::string text = ExportedItemText(access, "M8");
    EXPECT_EQ(ItemsInText(text), Items{"M1/A4"});
    const TMacroRecord exported = MacroRecordFrom(ReadCommandFile(text).at(0));
    EXPECT_EQ(FieldText(exported.IRCommand), "");
    EXPECT_EQ(FieldText(exported.Name), "Play");
    EXPECT_EQ(FieldText(exported.Commands), "TYPE:x,ENTER");
    EXPECT_EQ(Snapshot(), before);
}

TEST_F(CommandFileSaveTest, NoItemExportsNothing) {
    Macro("M1", "", "Play");
    EXPECT_EQ(ExportedItemText(access, "M2"), "");
    EXPECT_EQ(ExportedItemText(access, ""), "");
    EXPECT_EQ(ExportedItemText(access, nullptr), "");
}

// --- Export of a group

TEST_F(CommandFileSaveTest, GroupsStartMacroIsM1AndTheOthersFollowFromM2) {
    Group("A1", "Unrelated");
    Group("A5", "Player", "KEY_RED", "M7");
    Macro("M3", "A5", "Stop", "KEY_STOP");
    Macro("M4", "A1", "Elsewhere");
    Macro("M7", "A5", "Start", "KEY_OK");
    Macro("M9", "", "General");
    Macro("M8", "A5", "Play", "KEY_PLAY");
    const std::string before = Snapshot();
    const std::string text = ExportedItemText(access, "A5");
    EXPECT_EQ(ItemsInText(text), (Items{"A1", "M2/A1", "M1/A1", "M3/A1"}));
    const auto items = ReadCommandFile(text);
    EXPECT_EQ(items[0][Key::MacroID], "M1");
    EXPECT_EQ(items[0][Key::Name], "Player");
    EXPECT_EQ(items[2][Key::Name], "Start");
    for (const ItemValues& item : items) EXPECT_EQ(item[Key::IRCommand], "") << item[Key::ID];
    EXPECT_EQ(Snapshot(), before);
}

TEST_F(CommandFileSaveTest, GroupWithoutStartMacroNumbersFromM1) {
    Group("A2", "Player");
    Macro("M5", "A2", "Play");
    Macro("M6", "A2", "Stop");
    const auto items = ReadCommandFile(ExportedItemText(access, "A2"));
    EXPECT_EQ(ItemsInText(ExportedItemText(access, "A2")), (Items{"A1", "M1/A1", "M2/A1"}));
    EXPECT_EQ(items[0][Key::MacroID], "");
}

TEST_F(CommandFileSaveTest, StartMacroOutsideTheGroupLeavesM1Unused) {
    Group("A2", "Player", "", "M1");
    Macro("M1", "", "General start");
    Macro("M5", "A2", "Play");
    const std::string text = ExportedItemText(access, "A2");
    EXPECT_EQ(ItemsInText(text), (Items{"A1", "M2/A1"}));
    EXPECT_EQ(ReadCommandFile(text)[0][Key::MacroID], "M1");
}

TEST_F(CommandFileSaveTest, EmptyGroupExportsItsLinesAlone) {
    Group("A3", "Empty", "KEY_X");
    EXPECT_EQ(ExportedItemText(access, "A3"),
              "ID:A1\r\nNAME:Empty\r\nIRCOMMAND:\r\nMACROID:\r\nDISABLED:0\r\n");
}

}  // namespace
