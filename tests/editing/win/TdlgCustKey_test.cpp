// The key or typed-text dialog as the user meets it: the test types into the
// real dialog, clicks its boxes and buttons and checks the command it returns.
#include "editing/win/TdlgCustKey.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editing/win/TdlgCustKeyRes.h"
#include "tests/editing/win/DialogTestSteps.h"

namespace {

using namespace steps;

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

}  // namespace
