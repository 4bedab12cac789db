#include "receiver/SendArguments.h"

#include <gtest/gtest.h>

namespace {

using Commands = std::vector<std::string>;

TEST(ParseSendArguments, PressesEachCommandOnce) {
    SendRequest request = ParseSendArguments({"KEY_UP", "KEY_OK"});
    EXPECT_EQ(request.error, "");
    EXPECT_EQ(request.commands, (Commands{"KEY_UP", "KEY_OK"}));
    EXPECT_EQ(request.holdMs, 0);
    EXPECT_FALSE(request.help);
}

TEST(ParseSendArguments, ReadsTheHoldTime) {
    SendRequest request = ParseSendArguments({"--hold", "800", "KEY_UP"});
    EXPECT_EQ(request.error, "");
    EXPECT_EQ(request.holdMs, 800);
    EXPECT_EQ(request.commands, (Commands{"KEY_UP"}));
    EXPECT_EQ(ParseSendArguments({"KEY_UP", "--hold", "60000"}).holdMs, 60000);
}

TEST(ParseSendArguments, RefusesABadHoldTime) {
    for (Commands arguments : {Commands{"--hold"}, Commands{"KEY_UP", "--hold"}, Commands{"--hold", "x", "A"},
                               Commands{"--hold", "-5", "A"}, Commands{"--hold", "60001", "A"},
                               Commands{"--hold", "", "A"}, Commands{"--hold", "99999999999", "A"}})
        EXPECT_NE(ParseSendArguments(arguments).error, "") << arguments.size();
}

TEST(ParseSendArguments, NeedsACommand) {
    EXPECT_NE(ParseSendArguments({}).error, "");
    EXPECT_NE(ParseSendArguments({"--hold", "100"}).error, "");
}

TEST(ParseSendArguments, RefusesCommandsThatCannotBeSent) {
    EXPECT_NE(ParseSendArguments({"a;b"}).error, "");
    EXPECT_NE(ParseSendArguments({"A", "a,b"}).error, "");
    EXPECT_NE(ParseSendArguments({std::string(129, 'x')}).error, "");
    EXPECT_NE(ParseSendArguments({""}).error, "");
}

TEST(ParseSendArguments, RefusesUnknownOptions) {
    EXPECT_NE(ParseSendArguments({"--repeat", "A"}).error, "");
}

TEST(ParseSendArguments, AfterADoubleDashEverythingIsACommand) {
    SendRequest request = ParseSendArguments({"--", "--hold", "-x"});
    EXPECT_EQ(request.error, "");
    EXPECT_EQ(request.commands, (Commands{"--hold", "-x"}));
}

TEST(ParseSendArguments, ASingleDashNameIsACommand) {
    EXPECT_EQ(ParseSendArguments({"-"}).commands, (Commands{"-"}));
}

TEST(ParseSendArguments, HelpNeedsNoCommand) {
    SendRequest request = ParseSendArguments({"--help"});
    EXPECT_TRUE(request.help);
    EXPECT_EQ(request.error, "");
    EXPECT_TRUE(ParseSendArguments({"-h"}).help);
}

}  // namespace
