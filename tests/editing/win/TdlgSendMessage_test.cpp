// The send-message dialog as the user meets it: the three numbers, the
// refused field and the command it returns.
#include "editing/win/TdlgSendMessage.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editing/win/TdlgSendMessageRes.h"
#include "tests/editing/win/DialogTestSteps.h"

namespace {

using namespace steps;

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
