// Reading command file text: lines, keys and values, and the records that
// the values make.
#include "CommandFileReader.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

using namespace std::string_literals;

std::vector<std::string> IDs(const std::vector<ItemValues>& items) {
    std::vector<std::string> ids;
    for (const ItemValues& item : items) ids.push_back(item[Key::ID]);
    return ids;
}

ItemValues OnlyItem(std::string_view text) {
    const std::vector<ItemValues> items = ReadCommandFile(text);
    EXPECT_EQ(items.size(), 1u);
    return items.empty() ? ItemValues() : items.front();
}

// --- Lines and items

TEST(CommandFileReaderTest, EachIDLineBeginsAnItem) {
    const auto items = ReadCommandFile("ID:A1\r\nNAME:Player\r\nID:M1\r\nNAME:Play\r\nID:M2\r\n");
    EXPECT_EQ(IDs(items), (std::vector<std::string>{"A1", "M1", "M2"}));
    EXPECT_EQ(items[0][Key::Name], "Player");
    EXPECT_EQ(items[1][Key::Name], "Play");
    EXPECT_EQ(items[2][Key::Name], "");
}

TEST(CommandFileReaderTest, LineFeedAloneEndsLinesLikeCarriageReturnLineFeed) {
    const auto crlf = ReadCommandFile("ID:M1\r\nNAME:Play\r\nCOMMANDS:ENTER\r\n");
    const auto lf = ReadCommandFile("ID:M1\nNAME:Play\nCOMMANDS:ENTER\n");
    ASSERT_EQ(lf.size(), 1u);
    EXPECT_EQ(lf[0][Key::Name], "Play");
    EXPECT_EQ(lf[0][Key::Commands], "ENTER");
    EXPECT_EQ(crlf[0][Key::Commands], "ENTER");
}

TEST(CommandFileReaderTest, FinalLineWithoutLineEndCounts) {
    EXPECT_EQ(OnlyItem("ID:M1\r\nNAME:Last")[Key::Name], "Last");
    EXPECT_EQ(OnlyItem("ID:M1\r\nNAME:Last\r")[Key::Name], "Last");
    EXPECT_EQ(IDs(ReadCommandFile("ID:M1")), std::vector<std::string>{"M1"});
}

TEST(CommandFileReaderTest, OnlyOneCarriageReturnBelongsToTheLineEnd) {
    EXPECT_EQ(OnlyItem("ID:M1\r\nNAME:a\rb\r\r\n")[Key::Name], "a\rb\r");
}

TEST(CommandFileReaderTest, LinesBeforeTheFirstIDBelongToTheFirstItem) {
    const auto items = ReadCommandFile("NAME:Early\r\nOSD:0\r\nID:M7\r\nCOMMANDS:ENTER\r\nID:M8\r\n");
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0][Key::ID], "M7");
    EXPECT_EQ(items[0][Key::Name], "Early");
    EXPECT_EQ(items[0][Key::OSD], "0");
    EXPECT_EQ(items[1][Key::Name], "");
}

TEST(CommandFileReaderTest, TextWithoutIDHoldsNoItem) {
    EXPECT_TRUE(ReadCommandFile("").empty());
    EXPECT_TRUE(ReadCommandFile("\r\n\r\n\n").empty());
    EXPECT_TRUE(ReadCommandFile("NAME:Lost\r\nCOMMANDS:ENTER\r\n").empty());
}

TEST(CommandFileReaderTest, ALaterLineWithTheSameKeyReplacesTheValue) {
    const ItemValues item = OnlyItem("ID:M1\r\nNAME:First\r\nNAME:Second\r\nNAME:\r\nCOMMANDS:A\r\n");
    EXPECT_EQ(item[Key::Name], "");
    EXPECT_EQ(item[Key::Commands], "A");
}

TEST(CommandFileReaderTest, AnIDWithoutValueStillBeginsAnItem) {
    EXPECT_EQ(IDs(ReadCommandFile("ID:\r\nNAME:x\r\nID:M2\r\n")), (std::vector<std::string>{"", "M2"}));
}

// --- Keys and values

TEST(CommandFileReaderTest, ValueIsTheRestOfTheLineAfterTheFirstColon) {
    const ItemValues item =
        OnlyItem("ID:M1\r\nCOMMANDS:LAUNCH:I:C:\\Tools\\app.exe -x\r\nNAME:  two blanks \r\n");
    EXPECT_EQ(item[Key::Commands], "LAUNCH:I:C:\\Tools\\app.exe -x");
    EXPECT_EQ(item[Key::Name], "  two blanks ");
}

TEST(CommandFileReaderTest, KeysCountLetterCase) {
    EXPECT_EQ(OnlyItem("ID:M1\r\nname:lower\r\nName:mixed\r\n")[Key::Name], "");
    EXPECT_TRUE(ReadCommandFile("id:M1\r\nname:Play\r\ncommands:ENTER\r\n").empty());
}

TEST(CommandFileReaderTest, LinesWithoutColonOrWithOtherKeysAreSkipped) {
    const ItemValues item =
        OnlyItem("ID:M1\r\nNAME Play\r\nCOLOR:red\r\n NAME:blank before\r\nNAME :blank after\r\nNAME:ok\r\n");
    EXPECT_EQ(item[Key::Name], "ok");
}

TEST(CommandFileReaderTest, EveryAcceptedKeyIsRead) {
    std::string text = "ID:M1\r\n";
    for (std::size_t i = 1; i < kKeyCount; ++i)
        text += std::string(KeyText(static_cast<Key>(i))) + "v" + std::to_string(i) + "\r\n";
    const ItemValues item = OnlyItem(text);
    for (std::size_t i = 1; i < kKeyCount; ++i)
        EXPECT_EQ(item[static_cast<Key>(i)], "v" + std::to_string(i)) << KeyText(static_cast<Key>(i));
}

TEST(CommandFileReaderTest, KeyTextsAreFound) {
    for (std::size_t i = 0; i < kKeyCount; ++i)
        EXPECT_EQ(FindKey(KeyText(static_cast<Key>(i))), static_cast<Key>(i));
    EXPECT_EQ(FindKey("ID"), std::nullopt);
    EXPECT_EQ(FindKey("ID::"), std::nullopt);
    EXPECT_EQ(FindKey(""), std::nullopt);
}

// --- Unusual bytes

TEST(CommandFileReaderTest, NulBytesStayInsideTheirLine) {
    const std::string text = "ID:M1\r\nNAME:ab\0cd\r\nNA\0ME:x\r\nCOMMANDS:ENTER\r\n"s;
    const ItemValues item = OnlyItem(text);
    EXPECT_EQ(item[Key::Name], "ab\0cd"s);
    EXPECT_EQ(item[Key::Commands], "ENTER");
    EXPECT_EQ(FieldText(MacroRecordFrom(item).Name), "ab");
}

TEST(CommandFileReaderTest, VeryLongLinesAreReadWhole) {
    const std::string longValue(1 << 20, 'x');
    const auto items = ReadCommandFile("ID:M1\r\n" + std::string(1 << 20, '-') + "\r\nNAME:" + longValue +
                                       "\r\nCOMMANDS:ENTER\r\n");
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0][Key::Name], longValue);
    EXPECT_EQ(FieldText(MacroRecordFrom(items[0]).Name), std::string(30, 'x'));
}

TEST(CommandFileReaderTest, IsGroupByFirstLetterOfTheID) {
    EXPECT_TRUE(OnlyItem("ID:A1").IsGroup());
    EXPECT_TRUE(OnlyItem("ID:Anything").IsGroup());
    EXPECT_FALSE(OnlyItem("ID:M1").IsGroup());
    EXPECT_FALSE(OnlyItem("ID:a1").IsGroup());
    EXPECT_FALSE(OnlyItem("ID:").IsGroup());
    EXPECT_FALSE(OnlyItem("ID: A1").IsGroup());
}

// --- Records from values

TEST(CommandFileRecordTest, GroupTakesItsFields) {
    const TBGroupRecord group = GroupRecordFrom(
        OnlyItem("ID:A3\r\nNAME:Player\r\nIRCOMMAND:KEY_1;KEY_2\r\nMACROID:M4\r\nDISABLED:1\r\n"
                 "COMMANDS:ignored\r\nPATH:C:\\old\r\n"));
    TBGroupRecord expected = FreshBGroupRecord();
    CopyText(expected.ID, "A3");
    CopyText(expected.Name, "Player");
    CopyText(expected.IRCommand, "KEY_1;KEY_2");
    CopyText(expected.MacroID, "M4");
    expected.Disabled = 1;
    EXPECT_EQ(std::memcmp(&group, &expected, sizeof group), 0);
}

TEST(CommandFileRecordTest, MacroTakesItsFields) {
    const TMacroRecord macro = MacroRecordFrom(OnlyItem(
        "ID:M9\r\nNAME:Type\r\nAPPID:A3\r\nIRCOMMAND:KEY_OK\r\nCOMMANDS:TYPE:Hi,ENTER\r\nDISABLED:1\r\n"
        "CURRENTWINDOW:0\r\nTARGETFILE:notepad.exe\r\nTARGETCAPTION:Notepad\r\nLEAVEWINDOW:0\r\n"
        "DONTFOCUS:1\r\nOSD:0\r\nSELECT:1\r\nLOOP:1\r\nHIDDEN:1\r\nMACROID:M1\r\nCLASS:Edit\r\n"));
    TMacroRecord expected = FreshMacroRecord();
    CopyText(expected.ID, "M9");
    CopyText(expected.Name, "Type");
    CopyText(expected.AppID, "A3");
    CopyText(expected.IRCommand, "KEY_OK");
    CopyText(expected.Commands, "TYPE:Hi,ENTER");
    CopyText(expected.TargetFile, "notepad.exe");
    CopyText(expected.TargetCaption, "Notepad");
    expected.Disabled = expected.DontFocus = expected.Select = expected.Loop = expected.Hidden = 1;
    EXPECT_EQ(std::memcmp(&macro, &expected, sizeof macro), 0);
}

TEST(CommandFileRecordTest, ThreeFlagsAreSetWhenAbsentOrEmpty) {
    const TMacroRecord absent = MacroRecordFrom(OnlyItem("ID:M1\r\n"));
    EXPECT_TRUE(absent.CurrentWindow);
    EXPECT_TRUE(absent.LeaveWindow);
    EXPECT_TRUE(absent.OSD);
    EXPECT_FALSE(absent.Disabled || absent.DontFocus || absent.Select || absent.Loop || absent.Hidden);
    const TMacroRecord empty =
        MacroRecordFrom(OnlyItem("ID:M1\r\nCURRENTWINDOW:\r\nLEAVEWINDOW:\r\nOSD:\r\n"));
    EXPECT_TRUE(empty.CurrentWindow && empty.LeaveWindow && empty.OSD);
    EXPECT_FALSE(MacroRecordFrom(OnlyItem("ID:M1\r\nOSD:0\r\n")).OSD);
}

TEST(CommandFileRecordTest, FlagsAreSetByOneAlone) {
    for (const char* value : {"0", "2", "01", "1 ", " 1", "true", "x"}) {
        const std::string text =
            "ID:M1\r\nDISABLED:" + std::string(value) + "\r\nOSD:" + value + "\r\nHIDDEN:" + value + "\r\n";
        const TMacroRecord macro = MacroRecordFrom(OnlyItem(text));
        EXPECT_FALSE(macro.Disabled) << value;
        EXPECT_FALSE(macro.OSD) << value;
        EXPECT_FALSE(macro.Hidden) << value;
        EXPECT_FALSE(GroupRecordFrom(OnlyItem("ID:A1\r\nDISABLED:" + std::string(value))).Disabled) << value;
    }
}

TEST(CommandFileRecordTest, TextsAreCutToTheirFields) {
    const std::string l(400, 'x');
    const TMacroRecord macro = MacroRecordFrom(
        OnlyItem("ID:M12345\r\nNAME:" + l + "\r\nAPPID:A123456\r\nIRCOMMAND:" + l + "\r\nCOMMANDS:" + l +
                 "\r\nTARGETFILE:" + l + "\r\nTARGETCAPTION:" + l + "\r\n"));
    EXPECT_EQ(FieldText(macro.ID), "M1234");
    EXPECT_EQ(FieldText(macro.Name).size(), 30u);
    EXPECT_EQ(FieldText(macro.AppID), "A1234");
    EXPECT_EQ(FieldText(macro.IRCommand).size(), 254u);
    EXPECT_EQ(FieldText(macro.Commands).size(), 254u);
    EXPECT_EQ(FieldText(macro.TargetFile).size(), 80u);
    EXPECT_EQ(FieldText(macro.TargetCaption).size(), 30u);
    EXPECT_EQ(macro.TargetWindow, 0);  // the fields after the texts stay untouched
    const TBGroupRecord group =
        GroupRecordFrom(OnlyItem("ID:A12345\r\nNAME:" + l + "\r\nIRCOMMAND:" + l + "\r\nMACROID:M99999\r\n"));
    EXPECT_EQ(FieldText(group.ID), "A1234");
    EXPECT_EQ(FieldText(group.Name).size(), 30u);
    EXPECT_EQ(FieldText(group.IRCommand).size(), 254u);
    EXPECT_EQ(FieldText(group.MacroID), "M9999");
    EXPECT_FALSE(group.Disabled);
}

}  // namespace
