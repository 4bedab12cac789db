#include "receiver/LocalProtocol.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(LocalPress, FormatsAndParsesBack) {
    const std::string line = FormatLocalPress({"KEY_UP", 3});
    EXPECT_EQ(line, "press 3 KEY_UP\n");
    auto press = ParseLocalPress(std::string_view(line).substr(0, line.size() - 1));
    ASSERT_TRUE(press);
    EXPECT_EQ(press->command, "KEY_UP");
    EXPECT_EQ(press->repeatCount, 3);
}

TEST(LocalPress, ACommandMayHoldBlanks) {
    auto press = ParseLocalPress("press 0 volume up");
    ASSERT_TRUE(press);
    EXPECT_EQ(press->command, "volume up");
}

TEST(LocalPress, RefusesMalformedLines) {
    for (const char* line :
         {"", "press", "press 0", "press 0 ", "press  0 KEY", "press x KEY", "press -1 KEY",
          "press 1234567890 KEY", "PRESS 0 KEY", "release 0 KEY", "press 0 a;b", "press 0 a,b"})
        EXPECT_FALSE(ParseLocalPress(line)) << line;
    EXPECT_FALSE(ParseLocalPress("press 0 " + std::string(129, 'x')));
    EXPECT_TRUE(ParseLocalPress("press 999999999 " + std::string(128, 'x')));
}

TEST(CheckLocalCommand, ExplainsWhatIsWrong) {
    EXPECT_EQ(CheckLocalCommand("KEY_UP"), "");
    EXPECT_NE(CheckLocalCommand(""), "");
    EXPECT_NE(CheckLocalCommand(std::string(129, 'x')), "");
    EXPECT_NE(CheckLocalCommand("a;b"), "");
    EXPECT_NE(CheckLocalCommand("a,b"), "");
    EXPECT_NE(CheckLocalCommand("a\nb"), "");
}

TEST(LocalReader, GivesPressesAndSkipsBadLines) {
    LocalReader reader;
    std::vector<std::string> got;
    auto collect = [&](const LocalPress& press) {
        got.push_back(press.command + "/" + std::to_string(press.repeatCount));
    };
    reader.Feed("press 0 A\nnonsense\npress 1 A\npre", collect);
    reader.Feed("ss 0 " + std::string(500, 'x') + "\npress 0 B\n", collect);
    EXPECT_EQ(got, (std::vector<std::string>{"A/0", "A/1", "B/0"}));
}

}  // namespace
