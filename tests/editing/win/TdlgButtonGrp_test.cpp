// The button group editor as the user meets it: the real dialog over the
// item store of tovdata.dll, typed into and clicked, with the learn dialog
// and the macro editor that it opens.
#include "editing/win/TdlgButtonGrp.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "editing/win/TdlgButtonGrpRes.h"
#include "editing/win/TdlgMacroRes.h"
#include "editing/win/TovdataEditStore.h"
#include "receiver/tovdrv.h"
#include "tests/editing/win/DialogTestSteps.h"
#include "tests/support/SettingOverride.h"
#include "tests/support/StoreReset.h"
#include "tests/support/StoreTestItems.h"
#include "tests/support/WinTestSupport.h"

namespace {

using namespace steps;
using Groups = std::vector<std::string>;

const int kName = IDC_BUTTONGRP_TXTNAME, kMacros = IDC_BUTTONGRP_CMBMACROS, kEdit = IDC_BUTTONGRP_BTNEDIT;

Step ExpectCaption(std::string caption) {
    return Check([=](HWND dialog) { EXPECT_EQ(WindowText(dialog), caption); });
}
Step ExpectSelected(LRESULT entry) {
    return Expect(
        kMacros, [](HWND list) { return SendMessageA(list, CB_GETCURSEL, 0, 0); }, entry);
}

// Waits for the dialog that the editor opened with that caption and acts in it.
Step InOwned(std::string caption, std::function<void(HWND)> action) {
    return Await(caption, [=](HWND dialog) {
        const HWND owned = OwnedDialog(dialog);
        if (!owned || WindowText(owned) != caption) return false;
        action(owned);
        return true;
    });
}
void Press(HWND dialog, int button) { PostMessageA(dialog, WM_COMMAND, button, 0); }
// Names the macro in the macro editor and closes it with OK.
void SaveMacro(HWND editor, const char* name) {
    SetDlgItemTextA(editor, IDC_MACRO_TXTNAME, name);
    Press(editor, IDOK);
}
// The list shows the entry chosen once the editor that it waits for has closed.
Step AwaitChosen(std::string entry) {
    return Await("the entry " + entry, [=](HWND dialog) { return ControlText(dialog, kMacros) == entry; });
}

struct GroupCase {
    const char* name;
    std::vector<Step> steps;
    bool accepted;  // what the editor returns
    Groups stored;  // the store afterwards
};

class ButtonGroupDialog : public ::testing::Test {
  protected:
    void TearDown() override { DeleteAllItems(); }

    // "name:start macro" of each group, in the store's order; the start macro
    // by its name, or by its ID when the store has no such macro.
    Groups StoredGroups() {
        Groups groups;
        int position = -1;
        while (const TBGroupRecord* group = store_.getNextBGroup(position)) {
            const TMacroRecord* start = store_.getMacro(group->MacroID);
            groups.push_back(std::string(FieldText(group->Name)) + ":" +
                             std::string(start ? FieldText(start->Name) : FieldText(group->MacroID)));
        }
        return groups;
    }
    Step ExpectStored(Groups groups) {
        return Check([=](HWND) { EXPECT_EQ(StoredGroups(), groups); });
    }

    // Runs each case's steps in the editor that open shows (given the case's
    // name) and checks its result and the store; the store is emptied after each.
    template <std::size_t N, class Open>
    void ExpectCases(const GroupCase (&cases)[N], Open open) {
        RunScripts(cases, [&](const GroupCase& c) {
            EXPECT_EQ(open(c.name), c.accepted);
            EXPECT_EQ(StoredGroups(), c.stored);
            DeleteAllItems();
        });
    }

    TovdataEditStore store_;
};

// A new group is stored by the first of OK, "&New..." and "&Learn...", each
// with a name, and Cancel keeps one stored that way, with its start macro.
TEST_F(ButtonGroupDialog, AddStoresTheGroupOnOkNewOrLearn) {
    const GroupCase cases[] = {
        {"a comma becomes a blank",
         {ExpectCaption("Add button group"), AwaitFocus(kName), ExpectLimit(kName, 30),
          ExpectEntries(kMacros, ""), ExpectEnabled(kEdit, false),
          ExpectEnabled(IDC_BUTTONGRP_BTNLEARN, true), Type(kName, "Media,Player"), ok},
         true,
         {"Media Player:"}},
        {"blanks and commas are refused, then a name is taken",
         {Type(kName, " , "), ok, AnswerMessage("Specify name for the button group!", "Button group"),
          AwaitFocus(kName), ExpectText(kName, "   "), ExpectStored({}), Type(kName, "Office"), ok},
         true,
         {"Office:"}},
        {"cancelled", {Type(kName, "Office"), cancel}, false, {}},
        {"&New... asks for the name first",
         {Click(IDC_BUTTONGRP_BTNNEW), AnswerMessage("Specify name for the button group!", "Button group"),
          AwaitFocus(kName), cancel},
         false,
         {}},
        {"&Learn...: the learn dialog finds the group by its name",
         {Type(kName, "Tuner"), Click(IDC_BUTTONGRP_BTNLEARN),
          InOwned("Learn Tuner", [](HWND learn) { Press(learn, IDCANCEL); }), cancel},
         false,
         {"Tuner:"}},
        {"&New...: the macro editor adds to the group stored under the name typed, and its macro "
         "becomes the start macro",
         {Type(kName, "Tuner"), Click(IDC_BUTTONGRP_BTNNEW),
          InOwned("Add macro to group Tuner", [](HWND editor) { SaveMacro(editor, "Scan"); }),
          AwaitChosen("Scan"), ExpectEntries(kMacros, "|Scan|"), ExpectEnabled(kEdit, true), cancel},
         false,
         {"Tuner:Scan"}},
    };
    ExpectCases(cases, [&](const char*) { return addButtonGroup(nullptr, store_); });
}

// The case's name is the start macro of group "Player", whose macros are
// Play (M3) and Stop (M12), beside a general macro M7.
TEST_F(ButtonGroupDialog, EditShowsTheStartMacroAndAChoiceIsStoredAtOnce) {
    const GroupCase cases[] = {
        {"M12",
         {ExpectCaption("Edit button group Player"), AwaitFocus(kName), ExpectText(kName, "Player"),
          ExpectEntries(kMacros, "|Play|Stop|"), ExpectText(kMacros, "Stop"), ExpectEnabled(kEdit, true),
          Type(kName, "Video"), ok},
         true,
         {"Video:Stop"}},
        {"M99", {ExpectSelected(-1), ExpectEnabled(kEdit, false), cancel}, false, {"Player:M99"}},
        {"M3",
         {Type(kName, "Renamed"), Key(kMacros, VK_UP), ExpectSelected(0), ExpectEnabled(kEdit, false),
          ExpectStored({"Player:"}), cancel},
         false,
         {"Player:"}},
        {"",
         {Key(kMacros, VK_DOWN), ExpectText(kMacros, "Play"), ExpectEnabled(kEdit, true),
          ExpectStored({"Player:Play"}), cancel},
         false,
         {"Player:Play"}},
        {"M3",
         {Click(kEdit), InOwned("Edit macro Player/Play", [](HWND editor) { SaveMacro(editor, "Play all"); }),
          AwaitChosen("Play all"), ExpectEntries(kMacros, "|Play all|Stop|"), ExpectEnabled(kEdit, true),
          cancel},
         false,
         {"Player:Play all"}},
    };
    ExpectCases(cases, [&](const char* startMacro) {
        TBGroupRecord group = GroupRecord("A1", "", "Player");
        CopyText(group.MacroID, startMacro);
        EXPECT_TRUE(store_.addBGroup(group));
        for (const TMacroRecord& macro :
             {MacroRecord("M3", "A1", "", "Play"), MacroRecord("M7", "", "", "General"),
              MacroRecord("M12", "A1", "", "Stop")})
            EXPECT_TRUE(store_.addMacro(macro));
        return editButtonGroup(nullptr, store_, "A1");
    });
}

TEST_F(ButtonGroupDialog, LearnIsOffWhileTheReceiverIsActive) {
    // The local receiver, whose library lies beside the test program.
    SettingOverride driver{setting::Driver, ""};
    SetCurrentDirectoryA(TestProgramFolder().c_str());
    ASSERT_TRUE(DRV_Init());
    ASSERT_TRUE(DRV_Activate());
    const GroupCase cases[] = {{"active", {ExpectEnabled(IDC_BUTTONGRP_BTNLEARN, false), cancel}, false, {}}};
    ExpectCases(cases, [&](const char*) { return addButtonGroup(nullptr, store_); });
    DRV_Close();
}

TEST_F(ButtonGroupDialog, AnUnknownGroupOpensNothing) {
    DialogScript script({cancel});
    EXPECT_FALSE(editButtonGroup(nullptr, store_, "A9"));
    EXPECT_FALSE(script.shown());
}

}  // namespace
