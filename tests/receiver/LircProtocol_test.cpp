#include "LircProtocol.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(ParseLircLine, ReadsAPressOfLircd) {
    auto press = ParseLircLine("000000008001006c 00 KEY_DOWN devinput");
    ASSERT_TRUE(press);
    EXPECT_EQ(press->button, "KEY_DOWN");
    EXPECT_EQ(press->remote, "devinput");
    EXPECT_EQ(press->repeatCount, 0);
    EXPECT_EQ(LircCommand(*press), "devinput.KEY_DOWN");
}

TEST(ParseLircLine, ReadsTheRepeatCountAsHexadecimal) {
    EXPECT_EQ(ParseLircLine("0000000000000001 0a KEY_UP r")->repeatCount, 10);
    EXPECT_EQ(ParseLircLine("0000000000000001 FF KEY_UP r")->repeatCount, 255);
    EXPECT_EQ(ParseLircLine("1 7fffffff KEY_UP r")->repeatCount, 0x7fffffff);
    EXPECT_EQ(ParseLircLine("1 ffffffff KEY_UP r")->repeatCount, 0x7fffffff);
}

TEST(ParseLircLine, AcceptsShortCodesAndExtraBlanks) {
    auto press = ParseLircLine("  1c\t01  Play   Sony ");
    ASSERT_TRUE(press);
    EXPECT_EQ(LircCommand(*press), "Sony.Play");
    EXPECT_EQ(press->repeatCount, 1);
}

TEST(ParseLircLine, RefusesMalformedLines) {
    for (const char* line :
         {"", "BEGIN", "END", "SIGHUP", "0000000000000001 00 KEY_UP",
          "0000000000000001 00 KEY_UP remote extra", "00000000000000001 00 KEY_UP r", "xyz 00 KEY_UP r",
          "0000000000000001 0g KEY_UP r", "1 123456789 KEY_UP r", "0x1 00 KEY_UP r", "1 -1 KEY_UP r"})
        EXPECT_FALSE(ParseLircLine(line)) << line;
}

std::vector<std::string> Read(LircReader& reader, std::string_view data) {
    std::vector<std::string> commands;
    reader.Feed(data, [&](const LircPress& press) {
        commands.push_back(LircCommand(press) + "/" + std::to_string(press.repeatCount));
    });
    return commands;
}

using Commands = std::vector<std::string>;

TEST(LircReader, GivesThePressesOfAStream) {
    LircReader reader;
    EXPECT_EQ(Read(reader, "0000000000000001 00 KEY_UP r\n0000000000000001 01 KEY_UP r\n0000"),
              (Commands{"r.KEY_UP/0", "r.KEY_UP/1"}));
    EXPECT_EQ(Read(reader, "000000000002 00 KEY_DOWN r\n"), (Commands{"r.KEY_DOWN/0"}));
}

TEST(LircReader, SkipsReplyBlocks) {
    LircReader reader;
    EXPECT_EQ(Read(reader,
                   "BEGIN\nSIGHUP\nEND\n"
                   "BEGIN\nLIST r\nSUCCESS\nDATA\n1\n0000000000000001 00 KEY_UP r\nEND\n"
                   "0000000000000002 00 KEY_OK r\n"),
              (Commands{"r.KEY_OK/0"}));
}

TEST(LircReader, SkipsMalformedAndOverlongLinesWithoutLosingTheNext) {
    LircReader reader;
    const std::string longName(LircReader::kMaxLineLength, 'x');
    EXPECT_EQ(Read(reader, "garbage\n\x01\x02\xff\n0000000000000001 00 " + longName +
                               " r\n0000000000000001 00 KEY_UP r\n"),
              (Commands{"r.KEY_UP/0"}));
}

TEST(LircReader, AcceptsWindowsLineEnds) {
    LircReader reader;
    EXPECT_EQ(Read(reader, "0000000000000001 00 KEY_UP r\r\n"), (Commands{"r.KEY_UP/0"}));
}

}  // namespace
