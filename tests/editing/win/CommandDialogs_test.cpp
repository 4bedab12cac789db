// The command parameter dialogs as the user meets them: the test types into
// the real dialogs, clicks their boxes and buttons and answers their
// messages, and checks the command that each returns.
#include <windows.h>
#include <dlgs.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CommandDialogsRes.h"
#include "DialogScriptSteps.h"
#include "DialogTestSteps.h"
#include "LaunchCommand.h"
#include "ParameterDialogs.h"
#include "StoreReset.h"
#include "StoreTestItems.h"
#include "TovdataEditStore.h"

namespace {

using namespace steps;

struct TokenCase {
    const char* name;
    std::vector<Step> steps;
    std::string token;
};

// Runs each case's steps in the dialog that run opens and checks the command.
template <std::size_t N, class Run>
void ExpectTokens(const TokenCase (&cases)[N], Run run) {
    RunScripts(cases, [&](const TokenCase& c) { EXPECT_EQ(run(c.name), c.token); });
}

const Step ok = Click(IDOK), cancel = Click(IDCANCEL);

TEST(CommandDialogs, KeyOrTypedText) {
    const TokenCase cases[] = {
        {"two ticked modifiers disable the third",
         {ExpectLimit(IDC_CUSTKEY_TXTCHAR, 1), ExpectLimit(IDC_CUSTKEY_TXTTYPED, 200),
          Click(IDC_CUSTKEY_CBCTRL), Click(IDC_CUSTKEY_CBALT), ExpectEnabled(IDC_CUSTKEY_CBSHIFT, false),
          Type(IDC_CUSTKEY_TXTCHAR, "a"), ok},
         "CTRL+ALT+a"},
        {"typed text empties the key and disables the modifiers",
         {Click(IDC_CUSTKEY_CBCTRL), Type(IDC_CUSTKEY_TXTCHAR, "a"), Type(IDC_CUSTKEY_TXTTYPED, "Hello"),
          ExpectText(IDC_CUSTKEY_TXTCHAR, ""), ExpectEnabled(IDC_CUSTKEY_CBALT, false), ok},
         "TYPE:Hello"},
        {"a key empties the typed text and brings the modifiers back",
         {Click(IDC_CUSTKEY_CBSHIFT), Type(IDC_CUSTKEY_TXTTYPED, "Hi"), Type(IDC_CUSTKEY_TXTCHAR, "B"),
          ExpectText(IDC_CUSTKEY_TXTTYPED, ""), ExpectEnabled(IDC_CUSTKEY_CBALT, true), ok},
         "SHIFT+B"},
        {"both edits empty", {ok}, ""},
        {"cancelled", {Type(IDC_CUSTKEY_TXTCHAR, "a"), cancel}, ""},
    };
    ExpectTokens(cases, [](const char*) { return getKeyCommand(nullptr); });
}

TEST(CommandDialogs, Pause) {
    const int pause = IDC_PAUSE_TXTPAUSE;
    const TokenCase cases[] = {
        {"500 at first, the up arrow steps by 100 without thousands separators",
         {ExpectText(pause, "500"), ExpectLimit(pause, 5), Type(pause, "900"), Key(pause, VK_UP),
          ExpectText(pause, "1000"), ok},
         "PAUSE:1000"},
        {"stepping stops at 30000",
         {Type(pause, "29950"), Key(pause, VK_UP), Key(pause, VK_UP), ExpectText(pause, "30000"), ok},
         "PAUSE:30000"},
        {"out of range closes without a command", {Type(pause, "30001"), ok}, ""},
        {"cancelled", {cancel}, ""},
    };
    ExpectTokens(cases, [](const char*) { return getPauseCommand(nullptr); });
}

// Chooses the file in the open dialog that the dialog shows.
Step ChooseFile(std::string path) {
    return Await("the open dialog", [=](HWND dialog) {
        HWND open = OwnedDialog(dialog);
        if (!open) return false;
        SetDlgItemTextA(open, GetDlgItem(open, cmb13) ? cmb13 : edt1, path.c_str());
        PostMessageA(open, WM_COMMAND, IDOK, 0);
        return true;
    });
}

TEST(CommandDialogs, NewLaunch) {
    const TokenCase cases[] = {
        {"one instance by default",
         {ExpectChecked(IDC_LAUNCHAPP_CBDEACTIVATE, false), ExpectLimit(IDC_LAUNCHAPP_TXTFILENAME, 80),
          ExpectLimit(IDC_LAUNCHAPP_TXTPARAM, 50), Type(IDC_LAUNCHAPP_TXTFILENAME, "C:\\Tools\\ed.exe"), ok},
         "LAUNCH:I:C:\\Tools\\ed.exe"},
        {"a file from the browse button, options and parameters",
         {Click(IDC_LAUNCHAPP_BTNBROWSE), ChooseFile("C:\\windows\\notepad.exe"),
          ExpectText(IDC_LAUNCHAPP_TXTFILENAME, "C:\\windows\\notepad.exe"),
          Click(IDC_LAUNCHAPP_CBDEACTIVATE), Click(IDC_LAUNCHAPP_CBINSTANCE),
          Type(IDC_LAUNCHAPP_TXTPARAM, "readme.txt"), ok},
         "LAUNCH:D:C:\\windows\\notepad.exe readme.txt"},
        {"parameters for a document are refused",
         {Type(IDC_LAUNCHAPP_TXTFILENAME, "C:\\notes.txt"), Type(IDC_LAUNCHAPP_TXTPARAM, "/p"), ok,
          AnswerMessage(kParametersNeedAProgram.text, "Launch file"), AwaitFocus(IDC_LAUNCHAPP_TXTPARAM),
          Type(IDC_LAUNCHAPP_TXTPARAM, ""), ok},
         "LAUNCH:I:C:\\notes.txt"},
        {"cancelled", {Type(IDC_LAUNCHAPP_TXTFILENAME, "x.exe"), cancel}, ""},
    };
    ExpectTokens(cases, [](const char*) { return getLaunchCommand(nullptr); });
}

// What the launch dialog shows: file, parameters and the two boxes.
std::vector<Step> Shows(const char* file, const char* parameters, bool deactivate, bool instance) {
    return {ExpectText(IDC_LAUNCHAPP_TXTFILENAME, file), ExpectText(IDC_LAUNCHAPP_TXTPARAM, parameters),
            ExpectChecked(IDC_LAUNCHAPP_CBDEACTIVATE, deactivate),
            ExpectChecked(IDC_LAUNCHAPP_CBINSTANCE, instance)};
}

std::vector<Step> operator+(std::vector<Step> first, const std::vector<Step>& then) {
    first.insert(first.end(), then.begin(), then.end());
    return first;
}

TEST(CommandDialogs, EditLaunch) {
    // The name is the command being edited.
    const TokenCase cases[] = {
        {"LAUNCH:I:C:\\Tools\\ed.exe", Shows("C:\\Tools\\ed.exe", "", false, true) + std::vector{ok},
         "LAUNCH:I:C:\\Tools\\ed.exe"},
        {"LAUNCH:D:\\Tools\\x.exe", Shows("D:\\Tools\\x.exe", "", false, false) + std::vector{ok},
         "LAUNCH:D:\\Tools\\x.exe"},
        {"LAUNCH:D:I:C:\\x.bat /y",
         Shows("C:\\x.bat", "/y", true, true) + std::vector{Click(IDC_LAUNCHAPP_CBDEACTIVATE), ok},
         "LAUNCH:I:C:\\x.bat /y"},
        {"LAUNCH:I:y.exe", {Type(IDC_LAUNCHAPP_TXTFILENAME, "z.exe"), cancel}, "cancelled"},
    };
    ExpectTokens(cases,
                 [](const char* token) { return editLaunchCommand(nullptr, token).value_or("cancelled"); });
}

// Two groups, a macro in each and a general macro.
class NameDialogs : public ::testing::Test {
  protected:
    void SetUp() override {
        const TBGroupRecord groups[] = {GroupRecord("A1", "", "Office"), GroupRecord("A2", "", "Media")};
        const TMacroRecord macros[] = {MacroRecord("M1", "A1", "", "Open"),
                                       MacroRecord("M2", "", "", "Volume"),
                                       MacroRecord("M3", "A2", "", "Play")};
        for (const auto& group : groups) ASSERT_TRUE(addBGroup(&group));
        for (const auto& macro : macros) ASSERT_TRUE(addMacro(&macro));
    }
    void TearDown() override { DeleteAllItems(); }

    TovdataEditStore store_;
};

TEST_F(NameDialogs, RunMacro) {
    const int list = IDC_RUNMACRO_CMBMACROS;
    // The name is the group of the macro being edited.
    const TokenCase cases[] = {
        {"A1", {ExpectEntries(list, "Open|Volume|"), ExpectText(list, "Open"), ok}, "MACRO:Open"},
        {"A2", {ExpectEntries(list, "Play|Volume|"), Key(list, VK_DOWN), ok}, "MACRO:Volume"},
        {"", {ExpectEntries(list, "Volume|"), cancel}, ""},
    };
    ExpectTokens(cases, [&](const char* groupID) { return getMacroCommand(nullptr, store_, groupID); });
}

TEST_F(NameDialogs, ActivateGroup) {
    const int list = IDC_BGROUP_CMBBGROUPS;
    const TokenCase cases[] = {
        {"the first group, the list focused",
         {ExpectEntries(list, "Office|Media|"), AwaitFocus(list), ok},
         "GROUP:Office"},
        {"another group", {Key(list, VK_DOWN), ok}, "GROUP:Media"},
        {"cancelled", {cancel}, ""},
    };
    ExpectTokens(cases, [&](const char*) { return getGroupCommand(nullptr, store_); });
}

TEST_F(NameDialogs, OkDisabledWithoutNames) {
    DeleteAllItems();
    const TokenCase cases[] = {{"nothing to choose", {ExpectEnabled(IDOK, false), cancel}, ""}};
    ExpectTokens(cases, [&](const char*) { return getMacroCommand(nullptr, store_, "A1"); });
    ExpectTokens(cases, [&](const char*) { return getGroupCommand(nullptr, store_); });
}

// Types the three fields.
std::vector<Step> Fields(const char* message, const char* wParam, const char* lParam) {
    return {Type(IDC_SENDMESSAGE_TXTMESSAGE, message), Type(IDC_SENDMESSAGE_TXTWPARAM, wParam),
            Type(IDC_SENDMESSAGE_TXTLPARAM, lParam)};
}
// OK refused: the message, the focus in the field, the dialog still open.
std::vector<Step> Refused(int field) {
    return {ok, AnswerMessage("Not a valid value!", "Error"), AwaitFocus(field)};
}

TEST(CommandDialogs, SendWindowMessage) {
    const TokenCase cases[] = {
        {"numbers as typed", Fields("16", "+1", "$FF") + std::vector{ok}, "SENDMESSAGE:16:+1:$FF"},
        {"the message checked first, then corrected",
         Fields("x", "", "") + Refused(IDC_SENDMESSAGE_TXTMESSAGE) + Fields("274", "61536", "0") +
             std::vector{ok},
         "SENDMESSAGE:274:61536:0"},
        {"a negative wParam, which is never sent",
         Fields("16", "-1", "0") + Refused(IDC_SENDMESSAGE_TXTWPARAM) + std::vector{cancel}, ""},
        {"cancelled",
         {ExpectLimit(IDC_SENDMESSAGE_TXTMESSAGE, 5), ExpectLimit(IDC_SENDMESSAGE_TXTWPARAM, 5),
          ExpectLimit(IDC_SENDMESSAGE_TXTLPARAM, 5), cancel},
         ""},
    };
    ExpectTokens(cases, [](const char*) { return getSendMessageCommand(nullptr); });
}

}  // namespace
