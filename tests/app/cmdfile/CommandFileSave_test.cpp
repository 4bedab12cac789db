// The store's items as text: the default file and exports.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/cmdfile/CommandFile.h"
#include "tests/app/cmdfile/CommandFileTestItems.h"

namespace {

using Items = std::vector<std::string>;

class CommandFileSaveTest : public ::testing::Test, protected CommandFileTestStore {};

TEST_F(CommandFileSaveTest, DefaultFileHasGroupsWithTheirMacrosThenGeneralMacros) {
    EXPECT_EQ(AllItemsText(access), "");
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

TEST_F(CommandFileSaveTest, MacrosOfAMissingGroupAreKeptAtTheEnd) {
    Macro("M1", "A9", "Orphan");
    Group("A1", "First");
    Macro("M2", "", "General");
    Macro("M3", "A8", "Other orphan");
    Macro("M4", "A9", "Orphan too");
    EXPECT_EQ(ItemsInText(AllItemsText(access)), (Items{"A1", "M2/", "M1/A9", "M3/A8", "M4/A9"}));
}

TEST_F(CommandFileSaveTest, DefaultFileKeepsIDsCommandsAndFlags) {
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

TEST_F(CommandFileSaveTest, MacroIsExportedAsM1WithoutCommandAndKeepsItsGroup) {
    Group("A4", "Player");
    Macro("M1", "A4", "Other");
    Macro("M8", "A4", "Play", "KEY_PLAY", "TYPE:x,ENTER");
    const std::string before = AllItemsText(access);
    const std::string text = ExportedItemText(access, "M8");
    EXPECT_EQ(ItemsInText(text), Items{"M1/A4"});
    const ItemValues exported = ReadCommandFile(text).at(0);
    EXPECT_EQ(exported[Key::IRCommand], "");
    EXPECT_EQ(exported[Key::Commands], "TYPE:x,ENTER");
    EXPECT_EQ(AllItemsText(access), before);
    EXPECT_EQ(ExportedItemText(access, "M2"), "");
    EXPECT_EQ(ExportedItemText(access, nullptr), "");
}

TEST_F(CommandFileSaveTest, GroupIsA1WithItsStartMacroM1AndTheOthersFromM2) {
    Group("A1", "Unrelated");
    Group("A5", "Player", "KEY_RED", "M7");
    Macro("M3", "A5", "Stop", "KEY_STOP");
    Macro("M4", "A1", "Elsewhere");
    Macro("M7", "A5", "Start", "KEY_OK");
    Macro("M9", "", "General");
    Macro("M8", "A5", "Play", "KEY_PLAY");
    const std::string before = AllItemsText(access);
    const std::string text = ExportedItemText(access, "A5");
    EXPECT_EQ(ItemsInText(text), (Items{"A1", "M2/A1", "M1/A1", "M3/A1"}));
    const auto items = ReadCommandFile(text);
    EXPECT_EQ(items[0][Key::MacroID], "M1");
    EXPECT_EQ(items[2][Key::Name], "Start");
    for (const ItemValues& item : items) EXPECT_EQ(item[Key::IRCommand], "") << item[Key::ID];
    EXPECT_EQ(AllItemsText(access), before);
}

TEST_F(CommandFileSaveTest, GroupNumbersFromM1WithoutStartMacroAndFromM2WhenItIsElsewhere) {
    Group("A2", "No start");
    Macro("M5", "A2", "Play");
    Macro("M6", "A2", "Stop");
    Group("A3", "General start", "", "M7");
    Macro("M7", "", "Start");
    Macro("M8", "A3", "Play");
    EXPECT_EQ(ItemsInText(ExportedItemText(access, "A2")), (Items{"A1", "M1/A1", "M2/A1"}));
    EXPECT_EQ(ReadCommandFile(ExportedItemText(access, "A2"))[0][Key::MacroID], "");
    EXPECT_EQ(ItemsInText(ExportedItemText(access, "A3")), (Items{"A1", "M2/A1"}));
    EXPECT_EQ(ReadCommandFile(ExportedItemText(access, "A3"))[0][Key::MacroID], "M1");
}

}  // namespace
