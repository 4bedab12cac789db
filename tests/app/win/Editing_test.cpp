// Groups and macros made and changed from the main window of the real
// Tovanix.exe, through tovedit's editors as a user works them: the tree, the
// start-up list and the command file follow.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>

#include "app/win/resource.h"
#include "editing/win/TdlgButtonGrpRes.h"
#include "editing/win/TdlgMacroRes.h"
#include "tests/support/ProgramFixture.h"
#include "tests/support/ProgramItems.h"

namespace {

// The macro editor's command tree: categories and commands by their place.
struct TreeCommand {
    int category;
    int command;
};
constexpr TreeCommand kTab{0, 1};
constexpr TreeCommand kEnter{0, 2};
constexpr TreeCommand kVolumeUp{3, 0};

class EditingFromTheMainWindow : public ProgramTest {
  protected:
    HWND AwaitDialog(const std::string& caption) {
        HWND dialog = nullptr;
        WaitFor([&] { return (dialog = program->DialogWindow(caption)) != nullptr; }, 8000);
        return dialog;
    }
    static void Click(HWND dialog, int id) { PostMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }
    static void SetText(HWND dialog, int id, const char* text) {
        SendMessageA(GetDlgItem(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
    }
    // Selects the command in the macro editor's tree and presses "&Add",
    // with the modifier box ticked first when one is given.
    static void AddCommand(HWND editor, TreeCommand command, int modifierBox = 0) {
        HWND tree = GetDlgItem(editor, IDC_MACRO_TVCMDS);
        TreeView_SelectItem(tree, TreeNode(tree, command.category, command.command));
        if (modifierBox) SendMessageA(GetDlgItem(editor, modifierBox), BM_CLICK, 0, 0);
        SendMessageA(GetDlgItem(editor, IDC_MACRO_BTNADD), BM_CLICK, 0, 0);
    }
    // Posted: the editor's modal loop runs inside the command.
    void Post(int command) {
        PostMessageA(program->MainWindow(), WM_COMMAND, static_cast<WPARAM>(command), 0);
    }
    bool Closed(HWND dialog) {
        return WaitFor([&] { return !IsWindow(dialog); }, 5000);
    }
    // Names a new macro in the editor with that caption, adds one command and
    // closes the editor with OK or Cancel.
    bool MakeMacro(const std::string& caption, const char* name, TreeCommand command, int closeWith) {
        HWND editor = AwaitDialog(caption);
        if (!editor) return false;
        SetText(editor, IDC_MACRO_TXTNAME, name);
        AddCommand(editor, command);
        Click(editor, closeWith);
        return Closed(editor);
    }
    // Read once the window shows what comes after the save.
    bool FileHolds(const std::string& part) { return Contains(program->CommandFile(), part); }
    bool TreeShows(const std::string& text, int topIndex, int childIndex = -1) {
        return WaitFor([&] { return program->NodeText(topIndex, childIndex) == text; }, 5000);
    }
    static void PressCtrl(BYTE key) {
        INPUT keys[4] = {};
        const BYTE codes[4] = {VK_CONTROL, key, key, VK_CONTROL};
        for (int i = 0; i < 4; ++i) {
            keys[i].type = INPUT_KEYBOARD;
            keys[i].ki.wVk = codes[i];
            keys[i].ki.dwFlags = i < 2 ? 0 : KEYEVENTF_KEYUP;
        }
        SendInput(4, keys, sizeof(INPUT));
    }
};

TEST_F(EditingFromTheMainWindow, AGroupWithItsStartMacroAndAGeneralMacroAreMadeAndChanged) {
    TovanixProgram& tovanix = Start("");
    ASSERT_TRUE(WaitUntilShown());

    // A group, and its start macro made with "&New...".
    Post(IDM_ADDGROUP);
    HWND group = AwaitDialog("Add button group");
    ASSERT_NE(group, nullptr);
    SetText(group, IDC_BUTTONGRP_TXTNAME, "Editor");
    Click(group, IDC_BUTTONGRP_BTNNEW);
    HWND editor = AwaitDialog("Add macro to group Editor");
    ASSERT_NE(editor, nullptr);
    SetText(editor, IDC_MACRO_TXTNAME, "Start");
    AddCommand(editor, kTab, IDC_MACRO_CBCTRL);
    AddCommand(editor, kVolumeUp);
    EXPECT_EQ(SendDlgItemMessageA(editor, IDC_MACRO_LBMACRO, LB_GETCOUNT, 0, 0), 2);
    Click(editor, IDOK);
    ASSERT_TRUE(Closed(editor));
    EXPECT_TRUE(
        WaitFor([&] { return IsWindowEnabled(GetDlgItem(group, IDC_BUTTONGRP_BTNEDIT)) != FALSE; }, 3000));
    Click(group, IDOK);
    ASSERT_TRUE(Closed(group));

    EXPECT_TRUE(TreeShows("Editor", 0));
    EXPECT_TRUE(TreeShows("Start", 0, 0));
    EXPECT_TRUE(FileHolds("ID:A1\r\nNAME:Editor\r\nIRCOMMAND:\r\nMACROID:M1\r\nDISABLED:0\r\n"));
    EXPECT_TRUE(
        FileHolds("ID:M1\r\nNAME:Start\r\nAPPID:A1\r\nIRCOMMAND:\r\nCOMMANDS:CTRL+TAB,Volume up\r\n"
                  "DISABLED:0\r\nCURRENTWINDOW:1\r\nTARGETFILE:\r\nTARGETCAPTION:\r\nLEAVEWINDOW:1\r\n"
                  "DONTFOCUS:0\r\nOSD:1\r\nSELECT:0\r\nLOOP:0\r\nHIDDEN:0\r\n"));

    // A general macro from Ctrl+G, typed at the main window.
    SetForegroundWindow(tovanix.MainWindow());
    ASSERT_TRUE(WaitFor([&] { return GetForegroundWindow() == tovanix.MainWindow(); }, 3000));
    PressCtrl('G');
    ASSERT_TRUE(MakeMacro("Add general macro", "Mail", kEnter, IDOK));
    // The start-up list, last: its empty entry and the general macro.
    EXPECT_TRUE(WaitFor(
        [&] { return SendDlgItemMessageA(tovanix.MainWindow(), IDC_MAIN_ACTIONS, CB_GETCOUNT, 0, 0) == 2; },
        5000));
    EXPECT_TRUE(FileHolds("ID:M2\r\nNAME:Mail\r\nAPPID:\r\nIRCOMMAND:\r\nCOMMANDS:ENTER\r\n"));
    EXPECT_EQ(tovanix.NodeText(1), "Mail");

    // A double click on the macro opens it; the new name reaches the tree
    // and the file.
    ASSERT_TRUE(tovanix.DoubleClickNode(1));
    editor = AwaitDialog("Edit macro Mail");
    ASSERT_NE(editor, nullptr);
    SetText(editor, IDC_MACRO_TXTNAME, "Mail home");
    Click(editor, IDOK);
    ASSERT_TRUE(Closed(editor));
    EXPECT_TRUE(TreeShows("Mail home", 1));
    EXPECT_TRUE(FileHolds("ID:M2\r\nNAME:Mail home\r\n"));

    // "&Edit item..." on the group renames it.
    ASSERT_TRUE(tovanix.SelectNode(0));
    Post(IDM_EDITITEM);
    group = AwaitDialog("Edit button group Editor");
    ASSERT_NE(group, nullptr);
    SetText(group, IDC_BUTTONGRP_TXTNAME, "Writer");
    Click(group, IDOK);
    ASSERT_TRUE(Closed(group));
    EXPECT_TRUE(TreeShows("Writer", 0));
    EXPECT_TRUE(FileHolds("ID:A1\r\nNAME:Writer\r\n"));
}

TEST_F(EditingFromTheMainWindow,
       AGroupMacroJoinsTheSelectedMacrosGroupCancelAddsNothingAndAutoLearnFollowsOk) {
    TovanixProgram& tovanix = Start(Group("A1", "Player", "", "M1") + Macro("M1", "Play", "ENTER", "A1") +
                                    Macro("M2", "Mute", "Toggle mute"));
    ASSERT_TRUE(WaitUntilShown());
    const std::string before = tovanix.CommandFile();

    ASSERT_TRUE(tovanix.SelectNode(1));  // the general macro
    Post(IDM_ADDGROUPMACRO);
    WaitFor([] { return false; }, 500);
    EXPECT_EQ(tovanix.DialogWindow(), nullptr);

    ASSERT_TRUE(tovanix.SelectNode(0, 0));  // a macro of the group
    Post(IDM_ADDGROUPMACRO);
    ASSERT_TRUE(MakeMacro("Add macro to group Player", "Pause", kEnter, IDCANCEL));
    WaitFor([] { return false; }, 500);
    EXPECT_EQ(tovanix.CommandFile(), before);
    EXPECT_EQ(tovanix.NodeText(0, 1), "");

    // With AutoLearn the new macro, selected in the tree, goes on to learning.
    WriteSetting(setting::AutoLearn, 1);
    Post(IDM_ADDGROUPMACRO);
    ASSERT_TRUE(MakeMacro("Add macro to group Player", "Queue", kEnter, IDOK));
    HWND learn = AwaitDialog("Learn Player/Queue");
    ASSERT_NE(learn, nullptr);
    EXPECT_TRUE(FileHolds("ID:M3\r\nNAME:Queue\r\nAPPID:A1\r\n"));
    EXPECT_EQ(tovanix.NodeText(0, 1), "Queue");
    Click(learn, IDCANCEL);
    EXPECT_TRUE(Closed(learn));
}

// The group editor keeps on Cancel what "&New..." stored on the way.
TEST_F(EditingFromTheMainWindow, WhatTheGroupEditorKeptOnCancelReachesTheTreeAndTheFile) {
    Start("");
    ASSERT_TRUE(WaitUntilShown());
    Post(IDM_ADDGROUP);
    HWND group = AwaitDialog("Add button group");
    ASSERT_NE(group, nullptr);
    SetText(group, IDC_BUTTONGRP_TXTNAME, "Kept");
    Click(group, IDC_BUTTONGRP_BTNNEW);
    ASSERT_TRUE(MakeMacro("Add macro to group Kept", "Start", kTab, IDOK));
    Click(group, IDCANCEL);
    ASSERT_TRUE(Closed(group));
    EXPECT_TRUE(TreeShows("Kept", 0));
    EXPECT_TRUE(TreeShows("Start", 0, 0));
    EXPECT_TRUE(FileHolds("ID:A1\r\nNAME:Kept\r\n"));
    EXPECT_TRUE(FileHolds("ID:M1\r\nNAME:Start\r\nAPPID:A1\r\n"));
}

}  // namespace
