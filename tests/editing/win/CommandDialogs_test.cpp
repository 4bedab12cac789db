// The command parameter dialogs as the user meets them: the test types into
// the real dialogs, clicks their boxes and buttons and answers their
// messages, and checks the command that each returns.
#include <windows.h>
#include <dlgs.h>
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "CommandDialogsRes.h"
#include "DialogScriptSteps.h"
#include "ParameterDialogs.h"
#include "StoreReset.h"
#include "StoreTestItems.h"
#include "TovdataEditStore.h"
#include "tovdata.h"

namespace {

using namespace steps;

// Runs the dialog that run opens with the steps and checks that all were taken.
template <class Run>
auto Drive(const std::vector<Step>& steps, Run run) {
    DialogScript script(steps);
    auto result = run();
    EXPECT_TRUE(script.shown());
    EXPECT_EQ(script.done(), steps.size());
    return result;
}

struct TokenCase {
    const char* name;
    std::vector<Step> steps;
    std::string token;
};

template <std::size_t N, class Run>
void ExpectTokens(const TokenCase (&cases)[N], Run run) {
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Drive(c.steps, run), c.token);
    }
}

TEST(CommandDialogs, KeyOrTypedText) {
    const Step ok = Click(IDOK);
    const TokenCase cases[] = {
        {"two ticked modifiers disable the third",
         {Click(IDC_CUSTKEY_CBCTRL), Click(IDC_CUSTKEY_CBALT), ExpectEnabled(IDC_CUSTKEY_CBSHIFT, false),
          Type(IDC_CUSTKEY_TXTCHAR, "a"), ok},
         "CTRL+ALT+a"},
        {"unticking one enables the third again",
         {Click(IDC_CUSTKEY_CBCTRL), Click(IDC_CUSTKEY_CBALT), Click(IDC_CUSTKEY_CBALT),
          ExpectEnabled(IDC_CUSTKEY_CBSHIFT, true), Click(IDC_CUSTKEY_CBSHIFT),
          Type(IDC_CUSTKEY_TXTCHAR, "x"), ok},
         "CTRL+SHIFT+x"},
        {"typed text empties the key and disables the modifiers",
         {Click(IDC_CUSTKEY_CBCTRL), Type(IDC_CUSTKEY_TXTCHAR, "a"), Type(IDC_CUSTKEY_TXTTYPED, "Hello"),
          ExpectText(IDC_CUSTKEY_TXTCHAR, ""), ExpectEnabled(IDC_CUSTKEY_CBCTRL, false),
          ExpectEnabled(IDC_CUSTKEY_CBALT, false), ExpectEnabled(IDC_CUSTKEY_CBSHIFT, false), ok},
         "TYPE:Hello"},
        {"a key empties the typed text and brings the modifiers back",
         {Click(IDC_CUSTKEY_CBSHIFT), Type(IDC_CUSTKEY_TXTTYPED, "Hi"), Type(IDC_CUSTKEY_TXTCHAR, "B"),
          ExpectText(IDC_CUSTKEY_TXTTYPED, ""), ExpectEnabled(IDC_CUSTKEY_CBCTRL, true), ok},
         "SHIFT+B"},
        {"both edits empty",
         {ExpectLimit(IDC_CUSTKEY_TXTCHAR, 1), ExpectLimit(IDC_CUSTKEY_TXTTYPED, 200), ok},
         ""},
        {"cancelled", {Type(IDC_CUSTKEY_TXTCHAR, "a"), Click(IDCANCEL)}, ""},
    };
    ExpectTokens(cases, [] { return getKeyCommand(nullptr); });
}

TEST(CommandDialogs, Pause) {
    const Step ok = Click(IDOK);
    const TokenCase cases[] = {
        {"the default",
         {ExpectText(IDC_PAUSE_TXTPAUSE, "500"), ExpectLimit(IDC_PAUSE_TXTPAUSE, 5), ok},
         "PAUSE:500"},
        {"the up arrow steps by 100, without a thousands separator",
         {Type(IDC_PAUSE_TXTPAUSE, "900"), Key(IDC_PAUSE_TXTPAUSE, VK_UP),
          ExpectText(IDC_PAUSE_TXTPAUSE, "1000"), ok},
         "PAUSE:1000"},
        {"stepping stops at the largest pause",
         {Type(IDC_PAUSE_TXTPAUSE, "29950"), Key(IDC_PAUSE_TXTPAUSE, VK_UP), Key(IDC_PAUSE_TXTPAUSE, VK_UP),
          ExpectText(IDC_PAUSE_TXTPAUSE, "30000"), ok},
         "PAUSE:30000"},
        {"stepping down stops at 1",
         {Type(IDC_PAUSE_TXTPAUSE, "50"), Key(IDC_PAUSE_TXTPAUSE, VK_DOWN),
          ExpectText(IDC_PAUSE_TXTPAUSE, "1"), ok},
         "PAUSE:1"},
        {"0 closes without a command", {Type(IDC_PAUSE_TXTPAUSE, "0"), ok}, ""},
        {"30001 closes without a command", {Type(IDC_PAUSE_TXTPAUSE, "30001"), ok}, ""},
        {"no number closes without a command", {Type(IDC_PAUSE_TXTPAUSE, "abc"), ok}, ""},
        {"cancelled", {Type(IDC_PAUSE_TXTPAUSE, "700"), Click(IDCANCEL)}, ""},
    };
    ExpectTokens(cases, [] { return getPauseCommand(nullptr); });
}

// Chooses the file in the open dialog that the dialog shows.
Step ChooseFile(std::string path) {
    return Await("the open dialog", [=](HWND dialog) {
        HWND open = OwnedDialog(dialog);
        if (!open) return false;
        HWND name = GetDlgItem(open, cmb13) ? GetDlgItem(open, cmb13) : GetDlgItem(open, edt1);
        SetWindowTextA(name, path.c_str());
        PostMessageA(open, WM_COMMAND, IDOK, 0);
        return true;
    });
}

TEST(CommandDialogs, NewLaunch) {
    const Step ok = Click(IDOK);
    const TokenCase cases[] = {
        {"one instance by default",
         {ExpectChecked(IDC_LAUNCHAPP_CBINSTANCE, true), ExpectChecked(IDC_LAUNCHAPP_CBDEACTIVATE, false),
          ExpectLimit(IDC_LAUNCHAPP_TXTFILENAME, 80), ExpectLimit(IDC_LAUNCHAPP_TXTPARAM, 50),
          Type(IDC_LAUNCHAPP_TXTFILENAME, "C:\\Tools\\ed.exe"), ok},
         "LAUNCH:I:C:\\Tools\\ed.exe"},
        {"the file name is not checked", {ok}, "LAUNCH:I:"},
        {"options and parameters",
         {Click(IDC_LAUNCHAPP_CBDEACTIVATE), Click(IDC_LAUNCHAPP_CBINSTANCE),
          Type(IDC_LAUNCHAPP_TXTFILENAME, "notepad.exe"), Type(IDC_LAUNCHAPP_TXTPARAM, "readme.txt"), ok},
         "LAUNCH:D:notepad.exe readme.txt"},
        {"a file chosen with the browse button",
         {Click(IDC_LAUNCHAPP_BTNBROWSE), ChooseFile("C:\\windows\\notepad.exe"),
          ExpectText(IDC_LAUNCHAPP_TXTFILENAME, "C:\\windows\\notepad.exe"), ok},
         "LAUNCH:I:C:\\windows\\notepad.exe"},
        {"cancelled", {Type(IDC_LAUNCHAPP_TXTFILENAME, "x.exe"), Click(IDCANCEL)}, ""},
    };
    ExpectTokens(cases, [] { return getLaunchCommand(nullptr); });
}

TEST(CommandDialogs, EditLaunch) {
    // What the dialog shows for the command: file, parameters, the two boxes.
    auto Shows = [](const char* file, const char* parameters, bool deactivate, bool instance) {
        return std::vector<Step>{ExpectText(IDC_LAUNCHAPP_TXTFILENAME, file),
                                 ExpectText(IDC_LAUNCHAPP_TXTPARAM, parameters),
                                 ExpectChecked(IDC_LAUNCHAPP_CBDEACTIVATE, deactivate),
                                 ExpectChecked(IDC_LAUNCHAPP_CBINSTANCE, instance)};
    };
    const struct {
        const char* token;
        std::vector<Step> shown;
        std::vector<Step> steps;
        std::optional<std::string> result;
    } cases[] = {
        {"LAUNCH:I:C:\\Tools\\ed.exe",
         Shows("C:\\Tools\\ed.exe", "", false, true),
         {Click(IDOK)},
         "LAUNCH:I:C:\\Tools\\ed.exe"},
        {"LAUNCH:D:\\Tools\\x.exe",
         Shows("D:\\Tools\\x.exe", "", false, false),
         {Click(IDOK)},
         "LAUNCH:D:\\Tools\\x.exe"},
        {"LAUNCH:D:I:C:\\x.bat /y",
         Shows("C:\\x.bat", "/y", true, true),
         {Click(IDC_LAUNCHAPP_CBDEACTIVATE), Click(IDOK)},
         "LAUNCH:I:C:\\x.bat /y"},
        {"LAUNCH:C:\\Docs\\read me.txt",
         Shows("C:\\Docs\\read me.txt", "", false, false),
         {Click(IDOK)},
         "LAUNCH:C:\\Docs\\read me.txt"},
        {"LAUNCH:I:C:\\Tools\\ed.exe",
         {},
         {Type(IDC_LAUNCHAPP_TXTFILENAME, "y.exe"), Click(IDCANCEL)},
         std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.token);
        std::vector<Step> steps = c.shown;
        steps.insert(steps.end(), c.steps.begin(), c.steps.end());
        EXPECT_EQ(Drive(steps, [&] { return editLaunchCommand(nullptr, c.token); }), c.result);
    }
}

class NameDialogs : public ::testing::Test {
  protected:
    void TearDown() override { DeleteAllItems(); }
    // Two groups, a macro in each and a general macro.
    void AddItems() {
        const TBGroupRecord groups[] = {GroupRecord("A1", "", "Office"), GroupRecord("A2", "", "Media")};
        const TMacroRecord macros[] = {MacroRecord("M1", "A1", "", "Open"),
                                       MacroRecord("M2", "", "", "Volume"),
                                       MacroRecord("M3", "A2", "", "Play")};
        for (const auto& group : groups) ASSERT_TRUE(addBGroup(&group));
        for (const auto& macro : macros) ASSERT_TRUE(addMacro(&macro));
    }

    TovdataEditStore store_;
};

TEST_F(NameDialogs, RunMacro) {
    const struct {
        const char* name;
        bool items;
        const char* groupID;
        std::vector<Step> steps;
        std::string token;
    } cases[] = {
        {"the group's macros, then the general ones",
         true,
         "A1",
         {ExpectEntries(IDC_RUNMACRO_CMBMACROS, "Open|Volume|"), ExpectText(IDC_RUNMACRO_CMBMACROS, "Open"),
          Click(IDOK)},
         "MACRO:Open"},
        {"another macro chosen",
         true,
         "A1",
         {Key(IDC_RUNMACRO_CMBMACROS, VK_DOWN), ExpectText(IDC_RUNMACRO_CMBMACROS, "Volume"), Click(IDOK)},
         "MACRO:Volume"},
        {"a general macro",
         true,
         "",
         {ExpectEntries(IDC_RUNMACRO_CMBMACROS, "Volume|"), Click(IDOK)},
         "MACRO:Volume"},
        {"no macros to run", false, "A1", {ExpectEnabled(IDOK, false), Click(IDCANCEL)}, ""},
        {"cancelled",
         true,
         "A2",
         {ExpectEntries(IDC_RUNMACRO_CMBMACROS, "Play|Volume|"), Click(IDCANCEL)},
         ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.items) AddItems();
        EXPECT_EQ(Drive(c.steps, [&] { return getMacroCommand(nullptr, store_, c.groupID); }), c.token);
        TearDown();
    }
}

TEST_F(NameDialogs, ActivateGroup) {
    const struct {
        const char* name;
        bool items;
        std::vector<Step> steps;
        std::string token;
    } cases[] = {
        {"every group, the first chosen, the list focused",
         true,
         {ExpectEntries(IDC_BGROUP_CMBBGROUPS, "Office|Media|"), AwaitFocus(IDC_BGROUP_CMBBGROUPS),
          Click(IDOK)},
         "GROUP:Office"},
        {"another group chosen", true, {Key(IDC_BGROUP_CMBBGROUPS, VK_DOWN), Click(IDOK)}, "GROUP:Media"},
        {"no groups", false, {ExpectEnabled(IDOK, false), Click(IDCANCEL)}, ""},
        {"cancelled", true, {Click(IDCANCEL)}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.items) AddItems();
        EXPECT_EQ(Drive(c.steps, [&] { return getGroupCommand(nullptr, store_); }), c.token);
        TearDown();
    }
}

TEST(CommandDialogs, SendWindowMessage) {
    // Types the three fields.
    auto Fields = [](const char* message, const char* wParam, const char* lParam) {
        return std::vector<Step>{Type(IDC_SENDMESSAGE_TXTMESSAGE, message),
                                 Type(IDC_SENDMESSAGE_TXTWPARAM, wParam),
                                 Type(IDC_SENDMESSAGE_TXTLPARAM, lParam)};
    };
    // OK refused: the message, then the focus in the field.
    auto Refused = [](int field) {
        return std::vector<Step>{Click(IDOK), AnswerMessage("Not a valid value!", "Error"),
                                 AwaitFocus(field)};
    };
    const struct {
        const char* name;
        std::vector<std::vector<Step>> steps;
        std::string token;
    } cases[] = {
        {"numbers as typed", {Fields("16", "-1", "$FF"), {Click(IDOK)}}, "SENDMESSAGE:16:-1:$FF"},
        {"the message first",
         {Fields("x", "", ""),
          Refused(IDC_SENDMESSAGE_TXTMESSAGE),
          Fields("274", "61536", "0"),
          {Click(IDOK)}},
         "SENDMESSAGE:274:61536:0"},
        {"an empty wParam",
         {Fields("16", "", "0"), Refused(IDC_SENDMESSAGE_TXTWPARAM), {Click(IDCANCEL)}},
         ""},
        {"a blank in lParam",
         {Fields("16", "0", "1 2"), Refused(IDC_SENDMESSAGE_TXTLPARAM), {Click(IDCANCEL)}},
         ""},
        {"cancelled",
         {{ExpectLimit(IDC_SENDMESSAGE_TXTMESSAGE, 5), ExpectLimit(IDC_SENDMESSAGE_TXTWPARAM, 5),
           ExpectLimit(IDC_SENDMESSAGE_TXTLPARAM, 5)},
          Fields("16", "0", "0"),
          {Click(IDCANCEL)}},
         ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<Step> steps;
        for (const auto& part : c.steps) steps.insert(steps.end(), part.begin(), part.end());
        EXPECT_EQ(Drive(steps, [] { return getSendMessageCommand(nullptr); }), c.token);
    }
}

}  // namespace
