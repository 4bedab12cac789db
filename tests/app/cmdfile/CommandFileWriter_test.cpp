// Writing records as command file lines, and reading them back.
#include "app/cmdfile/CommandFileWriter.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "app/cmdfile/CommandFileReader.h"

namespace {

TMacroRecord FullMacro() {
    TMacroRecord macro = FreshMacroRecord();
    CopyText(macro.ID, "M12");
    CopyText(macro.Name, "Type: greeting");
    CopyText(macro.AppID, "A3");
    CopyText(macro.IRCommand, "KEY_1;KEY_2");
    CopyText(macro.Commands, "TYPE:Hello,ENTER");
    CopyText(macro.TargetFile, "notepad.exe");
    CopyText(macro.TargetCaption, "Notepad");
    macro.Disabled = macro.DontFocus = macro.Loop = 1;
    return macro;
}

TEST(CommandFileWriterTest, LinesOfEachKindInTheirOrder) {
    TBGroupRecord group = FreshBGroupRecord();
    CopyText(group.ID, "A3");
    CopyText(group.Name, "Notepad");
    CopyText(group.IRCommand, "KEY_RED");
    CopyText(group.MacroID, "M4");
    group.Expanded = group.InTree = 1;
    TMacroRecord macro = FullMacro();
    macro.TargetWindow = 0x1234;
    macro.LoopIndex = 3;
    macro.InTree = 1;
    std::string out;
    AppendGroupLines(out, group);
    AppendMacroLines(out, macro);
    EXPECT_EQ(
        out,
        "ID:A3\r\nNAME:Notepad\r\nIRCOMMAND:KEY_RED\r\nMACROID:M4\r\nDISABLED:0\r\n"
        "ID:M12\r\nNAME:Type: greeting\r\nAPPID:A3\r\nIRCOMMAND:KEY_1;KEY_2\r\nCOMMANDS:TYPE:Hello,ENTER\r\n"
        "DISABLED:1\r\nCURRENTWINDOW:0\r\nTARGETFILE:notepad.exe\r\nTARGETCAPTION:Notepad\r\n"
        "LEAVEWINDOW:0\r\nDONTFOCUS:1\r\nOSD:0\r\nSELECT:0\r\nLOOP:1\r\nHIDDEN:0\r\n");
}

TEST(CommandFileWriterTest, OddFieldsStillGiveOneLineEach) {
    TMacroRecord macro = FreshMacroRecord();
    CopyText(macro.Name, "a\r\nCOMMANDS:EXIT\nb");                      // line breaks become blanks
    std::memset(macro.TargetCaption, 't', sizeof macro.TargetCaption);  // unterminated: capacity minus one
    macro.Hidden = 0x80;
    std::string out;
    AppendMacroLines(out, macro);
    EXPECT_NE(out.find("\r\nNAME:a  COMMANDS:EXIT b\r\n"), std::string::npos);
    EXPECT_NE(out.find("\r\nTARGETCAPTION:" + std::string(30, 't') + "\r\n"), std::string::npos);
    EXPECT_NE(out.find("\r\nHIDDEN:1\r\n"), std::string::npos);
    EXPECT_EQ(ReadCommandFile(out).at(0)[Key::Commands], "");
}

TEST(CommandFileRoundTripTest, EveryStoredFieldComesBack) {
    TMacroRecord macro = FullMacro();
    CopyText(macro.Name, std::string(30, 'N'));
    CopyText(macro.IRCommand, std::string(254, 'i'));
    CopyText(macro.Commands, "LAUNCH:I:C:\\a b\\x.exe -p:1," + std::string(230, 'c'));
    CopyText(macro.TargetFile, std::string(80, 'f'));
    uint8_t* flags[] = {&macro.Disabled, &macro.CurrentWindow, &macro.LeaveWindow, &macro.DontFocus,
                        &macro.OSD,      &macro.Select,        &macro.Loop,        &macro.Hidden};
    for (uint8_t* flag : flags) {
        for (uint8_t value : {0, 1}) {
            *flag = value;
            std::string out;
            AppendMacroLines(out, macro);
            const TMacroRecord back = MacroRecordFrom(ReadCommandFile(out).at(0));
            EXPECT_EQ(std::memcmp(&back, &macro, sizeof macro), 0) << out;
        }
    }
    TBGroupRecord group = FreshBGroupRecord();
    CopyText(group.ID, "A9999");
    CopyText(group.Name, "Group: with colon");
    CopyText(group.IRCommand, "0x10C,0x90C;0x110,0x910");
    CopyText(group.MacroID, "M9999");
    group.Disabled = 1;
    std::string out;
    AppendGroupLines(out, group);
    const TBGroupRecord back = GroupRecordFrom(ReadCommandFile(out).at(0));
    EXPECT_EQ(std::memcmp(&back, &group, sizeof group), 0);
}

}  // namespace
