// Reading command file text: lines, keys and values, and the records that
// the values make.
#include "app/cmdfile/CommandFileReader.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

using namespace std::string_literals;

std::vector<std::string> Values(std::string_view text, Key key) {
    std::vector<std::string> values;
    for (const ItemValues& item : ReadCommandFile(text)) values.push_back(item[key]);
    return values;
}
using Texts = std::vector<std::string>;

// A file saved by an old Mac editor ends its lines in CR alone; read as one
// line, its items would be lost at the next save.
TEST(CommandFileReaderTest, LinesEndInCRLFOrLFOrCRAlone) {
    const struct {
        const char* text;
        Texts names;
    } cases[] = {
        {"ID:A1\r\nNAME:Player\r\nID:M1\r\nNAME:Play\r\nID:M2\r\n", {"Player", "Play", ""}},
        {"ID:M1\nNAME:Play\nID:M2\nNAME:Stop\n", {"Play", "Stop"}},
        {"ID:M1\rNAME:Play\rID:M2\rNAME:Stop\r", {"Play", "Stop"}},
        {"ID:M1\rNAME:Play\nID:M2\r\nNAME:Stop\rID:M3\n\rNAME:Last", {"Play", "Stop", "Last"}},  // mixed
        {"ID:M1\r\r\n\n\rNAME:Blank lines", {"Blank lines"}},
        {"ID:M1\r\nNAME:Last", {"Last"}},  // no final line end
        {"ID:M1\r\nNAME:Last\r", {"Last"}},
        {"ID:M1\r\nNAME:a\rb\r\r\n", {"a"}},  // "b" is a line of its own, without a key
        {"ID:M1\rNAME:x\rID:M2\r", {"x", ""}},
    };
    for (const auto& c : cases) EXPECT_EQ(Values(c.text, Key::Name), c.names) << c.text;
}

TEST(CommandFileReaderTest, ItemsBeginAtIDLines) {
    // Lines before the first ID: belong to the first item.
    const auto items = ReadCommandFile("NAME:Early\r\nOSD:0\r\nID:M7\r\nCOMMANDS:ENTER\r\nID:M8\r\n");
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0][Key::Name], "Early");
    EXPECT_EQ(items[0][Key::OSD], "0");
    EXPECT_EQ(items[1][Key::Name], "");
    // An empty ID still begins an item; without any ID: line there is none.
    EXPECT_EQ(Values("ID:\r\nID:M2\r\n", Key::ID), (Texts{"", "M2"}));
    EXPECT_TRUE(ReadCommandFile("").empty());
    EXPECT_TRUE(ReadCommandFile("\r\n\n").empty());
    EXPECT_TRUE(ReadCommandFile("NAME:Lost\r\nCOMMANDS:ENTER\r\n").empty());
}

TEST(CommandFileReaderTest, ALaterLineWithTheSameKeyReplacesTheValue) {
    EXPECT_EQ(Values("ID:M1\r\nNAME:First\r\nNAME:Second\r\n", Key::Name), Texts{"Second"});
    EXPECT_EQ(Values("ID:M1\r\nNAME:First\r\nNAME:\r\n", Key::Name), Texts{""});
}

TEST(CommandFileReaderTest, ValueIsEverythingAfterTheFirstColon) {
    EXPECT_EQ(Values("ID:M1\r\nCOMMANDS:LAUNCH:I:C:\\Tools\\app.exe -x\r\n", Key::Commands),
              Texts{"LAUNCH:I:C:\\Tools\\app.exe -x"});
    EXPECT_EQ(Values("ID:M1\r\nNAME:  blanks kept \r\n", Key::Name), Texts{"  blanks kept "});
}

TEST(CommandFileReaderTest, OnlyTheTwentyKeysCountWithTheirLetterCase) {
    std::string text = "ID:M1\r\n";
    for (std::size_t i = 1; i < kKeyCount; ++i)
        text += std::string(KeyText(static_cast<Key>(i))) + "v" + std::to_string(i) + "\r\n";
    const ItemValues item = ReadCommandFile(text).at(0);
    for (std::size_t i = 1; i < kKeyCount; ++i) EXPECT_EQ(item[static_cast<Key>(i)], "v" + std::to_string(i));

    EXPECT_EQ(Values("ID:M1\r\nname:a\r\nName:b\r\n NAME:c\r\nNAME :d\r\nNAME e\r\nCOLOR:f\r\n", Key::Name),
              Texts{""});
    EXPECT_TRUE(ReadCommandFile("id:M1\r\nname:Play\r\n").empty());
}

TEST(CommandFileReaderTest, NulBytesAndVeryLongLinesAreHarmless) {
    const auto nul = ReadCommandFile("ID:M1\r\nNAME:ab\0cd\r\nNA\0ME:x\r\nCOMMANDS:ENTER\r\n"s);
    EXPECT_EQ(nul.at(0)[Key::Name], "ab\0cd"s);
    EXPECT_EQ(FieldText(MacroRecordFrom(nul.at(0)).Name), "ab");
    const std::string huge(1 << 20, 'x');
    const auto items = ReadCommandFile("ID:M1\r\n" + huge + "\r\nNAME:" + huge + "\r\nCOMMANDS:ENTER");
    EXPECT_EQ(items.at(0)[Key::Name], huge);
    EXPECT_EQ(items.at(0)[Key::Commands], "ENTER");
}

TEST(CommandFileReaderTest, AGroupsIDBeginsWithA) {
    for (const char* id : {"A1", "Axyz"}) EXPECT_TRUE(ReadCommandFile("ID:"s + id).at(0).IsGroup()) << id;
    for (const char* id : {"M1", "a1", "", " A1"})
        EXPECT_FALSE(ReadCommandFile("ID:"s + id).at(0).IsGroup()) << id;
}

// --- Records from values

TEST(CommandFileRecordTest, RecordsTakeTheirFieldsAndNothingElse) {
    const auto items = ReadCommandFile(
        "ID:A3\r\nNAME:Player\r\nIRCOMMAND:KEY_1;KEY_2\r\nMACROID:M4\r\nDISABLED:1\r\nCOMMANDS:x\r\nPATH:C:"
        "\\\r\n"
        "ID:M9\r\nNAME:Type\r\nAPPID:A3\r\nIRCOMMAND:KEY_OK\r\nCOMMANDS:TYPE:Hi,ENTER\r\nDISABLED:1\r\n"
        "CURRENTWINDOW:0\r\nTARGETFILE:notepad.exe\r\nTARGETCAPTION:Notepad\r\nLEAVEWINDOW:0\r\n"
        "DONTFOCUS:1\r\nOSD:0\r\nSELECT:1\r\nLOOP:1\r\nHIDDEN:1\r\nMACROID:M1\r\nCLASS:Edit\r\n");
    TBGroupRecord group = FreshBGroupRecord();
    CopyText(group.ID, "A3");
    CopyText(group.Name, "Player");
    CopyText(group.IRCommand, "KEY_1;KEY_2");
    CopyText(group.MacroID, "M4");
    group.Disabled = 1;
    const TBGroupRecord readGroup = GroupRecordFrom(items.at(0));
    EXPECT_EQ(std::memcmp(&readGroup, &group, sizeof group), 0);

    TMacroRecord macro = FreshMacroRecord();
    CopyText(macro.ID, "M9");
    CopyText(macro.Name, "Type");
    CopyText(macro.AppID, "A3");
    CopyText(macro.IRCommand, "KEY_OK");
    CopyText(macro.Commands, "TYPE:Hi,ENTER");
    CopyText(macro.TargetFile, "notepad.exe");
    CopyText(macro.TargetCaption, "Notepad");
    macro.Disabled = macro.DontFocus = macro.Select = macro.Loop = macro.Hidden = 1;
    const TMacroRecord readMacro = MacroRecordFrom(items.at(1));
    EXPECT_EQ(std::memcmp(&readMacro, &macro, sizeof macro), 0);
}

TEST(CommandFileRecordTest, FlagsAreSetByOneAloneAndThreeWhenAbsent) {
    const TMacroRecord absent = MacroRecordFrom(ReadCommandFile("ID:M1").at(0));
    EXPECT_TRUE(absent.CurrentWindow && absent.LeaveWindow && absent.OSD);
    EXPECT_FALSE(absent.Disabled || absent.DontFocus || absent.Select || absent.Loop || absent.Hidden);
    const TMacroRecord empty =
        MacroRecordFrom(ReadCommandFile("ID:M1\r\nCURRENTWINDOW:\r\nLEAVEWINDOW:\r\nOSD:\r\n").at(0));
    EXPECT_TRUE(empty.CurrentWindow && empty.LeaveWindow && empty.OSD);
    for (const char* value : {"0", "2", "01", "1 ", "true"}) {
        const std::string flags = "\r\nDISABLED:"s + value + "\r\nOSD:" + value + "\r\nHIDDEN:" + value;
        const TMacroRecord macro = MacroRecordFrom(ReadCommandFile("ID:M1" + flags).at(0));
        EXPECT_FALSE(macro.Disabled || macro.OSD || macro.Hidden) << value;
        EXPECT_FALSE(GroupRecordFrom(ReadCommandFile("ID:A1" + flags).at(0)).Disabled) << value;
    }
}

TEST(CommandFileRecordTest, TextsAreCutToTheirFields) {
    const std::string l(400, 'x');
    const TMacroRecord macro = MacroRecordFrom(
        ReadCommandFile("ID:M12345\r\nNAME:" + l + "\r\nAPPID:A123456\r\nIRCOMMAND:" + l +
                        "\r\nCOMMANDS:" + l + "\r\nTARGETFILE:" + l + "\r\nTARGETCAPTION:" + l)
            .at(0));
    EXPECT_EQ(FieldText(macro.ID), "M1234");
    EXPECT_EQ(FieldText(macro.AppID), "A1234");
    EXPECT_EQ(FieldText(macro.Name).size(), 30u);
    EXPECT_EQ(FieldText(macro.IRCommand).size(), 254u);
    EXPECT_EQ(FieldText(macro.Commands).size(), 254u);
    EXPECT_EQ(FieldText(macro.TargetFile).size(), 80u);
    EXPECT_EQ(FieldText(macro.TargetCaption).size(), 30u);
    EXPECT_EQ(macro.TargetWindow, 0);
    const TBGroupRecord group = GroupRecordFrom(
        ReadCommandFile("ID:A1\r\nNAME:" + l + "\r\nIRCOMMAND:" + l + "\r\nMACROID:M99999").at(0));
    EXPECT_EQ(FieldText(group.Name).size(), 30u);
    EXPECT_EQ(FieldText(group.IRCommand).size(), 254u);
    EXPECT_EQ(FieldText(group.MacroID), "M9999");
    EXPECT_FALSE(group.Disabled);
}

}  // namespace
