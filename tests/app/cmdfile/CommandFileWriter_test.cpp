// Writing records as command file lines, and reading them back.
#include "CommandFileWriter.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "CommandFileReader.h"

namespace {

TMacroRecord FullMacro() {
    TMacroRecord macro = FreshMacroRecord();
    CopyText(macro.ID, "M12");
    CopyText(macro.Name, "Type greeting");
    CopyText(macro.AppID, "A3");
    CopyText(macro.IRCommand, "KEY_1;KEY_2");
    CopyText(macro.Commands, "TYPE:Hello,ENTER");
    CopyText(macro.TargetFile, "notepad.exe");
    CopyText(macro.TargetCaption, "Notepad");
    macro.Disabled = 1;
    macro.DontFocus = 1;
    macro.Loop = 1;
    return macro;
}

TEST(CommandFileWriterTest, GroupLinesInTheirOrder) {
    TBGroupRecord group = FreshBGroupRecord();
    CopyText(group.ID, "A3");
    CopyText(group.Name, "Notepad");
    CopyText(group.IRCommand, "KEY_RED");
    CopyText(group.MacroID, "M4");
    group.Expanded = group.InTree = 1;
    std::string out;
    AppendGroupLines(out, group);
    EXPECT_EQ(out, "ID:A3\r\nNAME:Notepad\r\nIRCOMMAND:KEY_RED\r\nMACROID:M4\r\nDISABLED:0\r\n");
}

TEST(CommandFileWriterTest, MacroLinesInTheirOrder) {
    TMacroRecord macro = FullMacro();
    macro.TargetWindow = 0x1234;
    macro.LoopIndex = 3;
    macro.InTree = 1;
    std::string out;
    AppendMacroLines(out, macro);
    EXPECT_EQ(
        out,
        "ID:M12\r\nNAME:Type greeting\r\nAPPID:A3\r\nIRCOMMAND:KEY_1;KEY_2\r\nCOMMANDS:TYPE:Hello,ENTER\r\n"
        "DISABLED:1\r\nCURRENTWINDOW:0\r\nTARGETFILE:notepad.exe\r\nTARGETCAPTION:Notepad\r\n"
        "LEAVEWINDOW:0\r\nDONTFOCUS:1\r\nOSD:0\r\nSELECT:0\r\nLOOP:1\r\nHIDDEN:0\r\n");
}

TEST(CommandFileWriterTest, EmptyTextsAreWrittenAsEmptyValues) {
    std::string out;
    AppendMacroLines(out, FreshMacroRecord());
    EXPECT_EQ(out.substr(0, 25), "ID:\r\nNAME:\r\nAPPID:\r\nIRCOM");
}

TEST(CommandFileWriterTest, AnyNonZeroFlagIsWrittenAsOne) {
    TBGroupRecord group = FreshBGroupRecord();
    group.Disabled = 0x80;
    std::string out;
    AppendGroupLines(out, group);
    EXPECT_NE(out.find("\r\nDISABLED:1\r\n"), std::string::npos);
}

TEST(CommandFileWriterTest, LineBreaksInsideATextBecomeBlanks) {
    TMacroRecord macro = FreshMacroRecord();
    CopyText(macro.ID, "M1");
    CopyText(macro.Name, "a\r\nCOMMANDS:EXIT\nb\r");
    std::string out;
    AppendMacroLines(out, macro);
    EXPECT_NE(out.find("\r\nNAME:a  COMMANDS:EXIT b \r\n"), std::string::npos);
    EXPECT_EQ(FieldText(MacroRecordFrom(ReadCommandFile(out).at(0)).Commands), "");
}

TEST(CommandFileWriterTest, UnterminatedFieldsAreWrittenUpToTheirCapacity) {
    TBGroupRecord group = FreshBGroupRecord();
    std::memset(group.Name, 'n', sizeof group.Name);
    std::string out;
    AppendGroupLines(out, group);
    EXPECT_NE(out.find("NAME:" + std::string(30, 'n') + "\r\n"), std::string::npos);
}

// --- Round trips: every stored field comes back, the working fields do not.

TEST(CommandFileRoundTripTest, MacroKeepsEveryStoredField) {
    TMacroRecord macro = FullMacro();
    CopyText(macro.Name, std::string(30, 'N'));
    CopyText(macro.Commands, "LAUNCH:I:C:\\a b\\x.exe -p:1," + std::string(230, 'c'));
    CopyText(macro.IRCommand, std::string(254, 'i'));
    CopyText(macro.TargetFile, std::string(80, 'f'));
    CopyText(macro.TargetCaption, std::string(30, 't'));
    for (int flags = 0; flags < 256; ++flags) {
        macro.Disabled = flags & 1;
        macro.CurrentWindow = (flags >> 1) & 1;
        macro.LeaveWindow = (flags >> 2) & 1;
        macro.DontFocus = (flags >> 3) & 1;
        macro.OSD = (flags >> 4) & 1;
        macro.Select = (flags >> 5) & 1;
        macro.Loop = (flags >> 6) & 1;
        macro.Hidden = (flags >> 7) & 1;
        std::string out;
        AppendMacroLines(out, macro);
        const TMacroRecord back = MacroRecordFrom(ReadCommandFile(out).at(0));
        ASSERT_EQ(std::memcmp(&back, &macro, sizeof macro), 0) << "flags " << flags;
    }
}

TEST(CommandFileRoundTripTest, GroupKeepsEveryStoredField) {
    for (uint8_t disabled : {0, 1}) {
        TBGroupRecord group = FreshBGroupRecord();
        CopyText(group.ID, "A9999");
        CopyText(group.Name, "Group: with colon");
        CopyText(group.IRCommand, "0x10C,0x90C;0x110,0x910");
        CopyText(group.MacroID, "M9999");
        group.Disabled = disabled;
        std::string out;
        AppendGroupLines(out, group);
        const TBGroupRecord back = GroupRecordFrom(ReadCommandFile(out).at(0));
        EXPECT_EQ(std::memcmp(&back, &group, sizeof group), 0);
    }
}

TEST(CommandFileRoundTripTest, WorkingFieldsAreNotStored) {
    TMacroRecord macro = FullMacro();
    macro.TargetWindow = -5;
    macro.LoopIndex = 7;
    macro.InTree = 1;
    TBGroupRecord group = FreshBGroupRecord();
    CopyText(group.ID, "A1");
    group.Expanded = group.InTree = 1;
    std::string out;
    AppendGroupLines(out, group);
    AppendMacroLines(out, macro);
    const auto items = ReadCommandFile(out);
    ASSERT_EQ(items.size(), 2u);
    const TMacroRecord back = MacroRecordFrom(items[1]);
    EXPECT_EQ(back.TargetWindow, 0);
    EXPECT_EQ(back.LoopIndex, 0);
    EXPECT_EQ(back.InTree, 0);
    EXPECT_EQ(GroupRecordFrom(items[0]).Expanded, 0);
    EXPECT_EQ(GroupRecordFrom(items[0]).InTree, 0);
}

}  // namespace
