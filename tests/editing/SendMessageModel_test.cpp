#include "editing/SendMessageModel.h"

#include <gtest/gtest.h>

namespace {

TEST(SendMessageCommand, NumbersAsTypedOrTheFirstInvalidField) {
    const struct {
        SendMessageFields fields;
        const char* token;
        std::optional<SendMessageField> invalid;
    } cases[] = {
        {{"16", "0", "0"}, "SENDMESSAGE:16:0:0", std::nullopt},
        {{"$0112", "$F060", "+3"}, "SENDMESSAGE:$0112:$F060:+3", std::nullopt},
        {{"$0112", "$F060", "-3"}, "", SendMessageField::LParam},  // never sent
        {{"16", "", "0"}, "", SendMessageField::WParam},
        {{"x", "", ""}, "", SendMessageField::Message},
        {{"16", "0", "1 "}, "", SendMessageField::LParam},
        {{"16", "$", "0"}, "", SendMessageField::WParam},
    };
    for (const auto& c : cases) {
        const SendMessageOutcome outcome = SendMessageToken(c.fields);
        EXPECT_EQ(outcome.token, c.token)
            << c.fields.message << ":" << c.fields.wParam << ":" << c.fields.lParam;
        EXPECT_EQ(outcome.invalid, c.invalid) << c.token;
    }
    EXPECT_EQ(kNotAValidValue, (DialogMessage{"Not a valid value!", "Error", MessageIcon::Exclamation}));
}

}  // namespace
