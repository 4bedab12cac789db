// The run-macro and activate-group dialogs as the user meets them: the names
// offered from the store and the command chosen.
#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editing/win/TdlgBGroup.h"
#include "editing/win/TdlgBGroupRes.h"
#include "editing/win/TdlgRunMacro.h"
#include "editing/win/TdlgRunMacroRes.h"
#include "editing/win/TovdataEditStore.h"
#include "tests/editing/win/DialogTestSteps.h"
#include "tests/support/StoreReset.h"
#include "tests/support/StoreTestItems.h"

namespace {

using namespace steps;

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

}  // namespace
