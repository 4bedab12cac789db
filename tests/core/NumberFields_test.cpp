#include "core/NumberFields.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace {

TEST(ReadPauseMilliseconds, ReadsTheDecimalNumber) {
    EXPECT_EQ(ReadPauseMilliseconds("PAUSE:500"), 500);
    EXPECT_EQ(ReadPauseMilliseconds("PAUSE:1"), 1);
    EXPECT_EQ(ReadPauseMilliseconds("PAUSE:+250"), 250);
    EXPECT_EQ(ReadPauseMilliseconds("PAUSE:000000000000000000000000000042"), 42);
}

TEST(ReadPauseMilliseconds, LimitsToThirtySeconds) {
    EXPECT_EQ(ReadPauseMilliseconds("PAUSE:30000"), 30000);
    EXPECT_EQ(ReadPauseMilliseconds("PAUSE:30001"), 30000);
    EXPECT_EQ(ReadPauseMilliseconds("PAUSE:45000"), 30000);
    EXPECT_EQ(ReadPauseMilliseconds("PAUSE:2147483648"), 30000);
    EXPECT_EQ(ReadPauseMilliseconds("PAUSE:" + std::string(300, '9')), 30000);
}

TEST(ReadPauseMilliseconds, NoPauseForZeroNegativeOrNonNumbers) {
    for (const std::string& element :
         {std::string("PAUSE:0"), std::string("PAUSE:-5"), std::string("PAUSE:-0"), std::string("PAUSE:"),
          std::string("PAUSE:abc"), std::string("PAUSE:12abc"), std::string("PAUSE: 500"),
          std::string("PAUSE:500 "), std::string("PAUSE:+"), std::string("PAUSE:-"), std::string("PAUSE:$10"),
          std::string("PAUSE:1.5"), "PAUSE:-" + std::string(300, '9'), std::string("pause:500"),
          std::string("PAUSE"), std::string("")}) {
        EXPECT_EQ(ReadPauseMilliseconds(element), 0) << element;
    }
}

TEST(ParseDialogInteger, DecimalWithOptionalSign) {
    EXPECT_EQ(ParseDialogInteger("0"), 0);
    EXPECT_EQ(ParseDialogInteger("16"), 16);
    EXPECT_EQ(ParseDialogInteger("+16"), 16);
    EXPECT_EQ(ParseDialogInteger("-16"), -16);
    EXPECT_EQ(ParseDialogInteger("007"), 7);
}

TEST(ParseDialogInteger, DecimalMustFitThirtyTwoBits) {
    EXPECT_EQ(ParseDialogInteger("2147483647"), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(ParseDialogInteger("-2147483648"), std::numeric_limits<int32_t>::min());
    EXPECT_EQ(ParseDialogInteger("2147483648"), std::nullopt);
    EXPECT_EQ(ParseDialogInteger("-2147483649"), std::nullopt);
    EXPECT_EQ(ParseDialogInteger("4294967296"), std::nullopt);
    EXPECT_EQ(ParseDialogInteger(std::string(300, '9')), std::nullopt);
}

TEST(ParseDialogInteger, HexadecimalAfterDollarAsTwosComplement) {
    EXPECT_EQ(ParseDialogInteger("$10"), 16);
    EXPECT_EQ(ParseDialogInteger("$ff"), 255);
    EXPECT_EQ(ParseDialogInteger("$Ff"), 255);
    EXPECT_EQ(ParseDialogInteger("$7FFFFFFF"), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(ParseDialogInteger("$80000000"), std::numeric_limits<int32_t>::min());
    EXPECT_EQ(ParseDialogInteger("$FFFFFFFF"), -1);
    EXPECT_EQ(ParseDialogInteger("$00000001"), 1);
}

TEST(ParseDialogInteger, RefusesEverythingElse) {
    for (const char* text : {"", "-", "+", "$", "$123456789", "$G", "$1G", "-$10", "$-10", "0x10", "1e3",
                             "1.5", " 5", "5 ", "1,000", "five", "--5", "+-5"}) {
        EXPECT_EQ(ParseDialogInteger(text), std::nullopt) << text;
    }
}

TEST(ReadSendMessage, SendsThreeNumbers) {
    const SendMessageElement fields = ReadSendMessage("SENDMESSAGE:16:0:0");
    EXPECT_EQ(fields.message, 16);
    EXPECT_EQ(fields.wParam, 0);
    EXPECT_EQ(fields.lParam, 0);
    EXPECT_TRUE(fields.ShouldSend());
}

TEST(ReadSendMessage, ReadsHexadecimalFields) {
    const SendMessageElement fields = ReadSendMessage("SENDMESSAGE:$0112:$F060:+3");
    EXPECT_EQ(fields.message, 0x112);
    EXPECT_EQ(fields.wParam, 0xF060);
    EXPECT_EQ(fields.lParam, 3);
    EXPECT_TRUE(fields.ShouldSend());
}

TEST(ReadSendMessage, NonNumberIsMinusOneAndNothingIsSent) {
    const SendMessageElement fields = ReadSendMessage("SENDMESSAGE:16:x:0");
    EXPECT_EQ(fields.message, 16);
    EXPECT_EQ(fields.wParam, -1);
    EXPECT_EQ(fields.lParam, 0);
    EXPECT_FALSE(fields.ShouldSend());
}

TEST(ReadSendMessage, MissingFieldsAreNotNumbers) {
    const SendMessageElement one = ReadSendMessage("SENDMESSAGE:16");
    EXPECT_EQ(one.message, 16);
    EXPECT_EQ(one.wParam, -1);
    EXPECT_EQ(one.lParam, -1);
    EXPECT_FALSE(one.ShouldSend());

    const SendMessageElement two = ReadSendMessage("SENDMESSAGE:16:0");
    EXPECT_EQ(two.wParam, 0);
    EXPECT_EQ(two.lParam, -1);
    EXPECT_FALSE(two.ShouldSend());

    EXPECT_FALSE(ReadSendMessage("SENDMESSAGE:").ShouldSend());
    EXPECT_FALSE(ReadSendMessage("SENDMESSAGE:16::0").ShouldSend());
    EXPECT_FALSE(ReadSendMessage("SENDMESSAGE:16:0:").ShouldSend());
}

TEST(ReadSendMessage, NegativeFieldsAreNotSent) {
    EXPECT_FALSE(ReadSendMessage("SENDMESSAGE:16:-2:0").ShouldSend());
    EXPECT_FALSE(ReadSendMessage("SENDMESSAGE:$FFFFFFFF:0:0").ShouldSend());
    EXPECT_FALSE(ReadSendMessage("SENDMESSAGE:16:0:$80000000").ShouldSend());
}

TEST(ReadSendMessage, FieldsAfterTheThirdAreIgnored) {
    const SendMessageElement fields = ReadSendMessage("SENDMESSAGE:16:1:2:junk:9");
    EXPECT_EQ(fields.message, 16);
    EXPECT_EQ(fields.wParam, 1);
    EXPECT_EQ(fields.lParam, 2);
    EXPECT_TRUE(fields.ShouldSend());
}

TEST(ReadSendMessage, OtherElementsSendNothing) {
    for (const char* element : {"SENDMSG:16:0:0", "sendmessage:16:0:0", "SENDMESSAGE", ""}) {
        const SendMessageElement fields = ReadSendMessage(element);
        EXPECT_EQ(fields.message, -1) << element;
        EXPECT_FALSE(fields.ShouldSend()) << element;
    }
}

TEST(ReadSendMessage, LongFieldsAreNotNumbers) {
    const std::string huge(300, '7');
    EXPECT_FALSE(ReadSendMessage("SENDMESSAGE:" + huge + ":0:0").ShouldSend());
    EXPECT_FALSE(ReadSendMessage("SENDMESSAGE:16:0:" + huge).ShouldSend());
}

}  // namespace
