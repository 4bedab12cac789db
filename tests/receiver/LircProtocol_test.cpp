#include "receiver/LircProtocol.h"

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

TEST(LircReader, AReplyBlockIsBoundedAndAnyOtherLineIsReadAsAPressAgain) {
    const std::string up = "0000000000000001 00 KEY_UP r\n";
    std::string thousandLines;
    for (int i = 0; i < 1000; ++i) thousandLines += up;
    struct Case {
        const char* what;
        std::string stream;
        std::size_t presses;
    };
    const Case cases[] = {
        {"a stray BEGIN before presses", "BEGIN\n" + up + up, 2},
        {"a stray BEGIN before other text", "BEGIN\nnoise\n" + up, 1},
        {"a stray END", "END\n" + up, 1},
        {"a command without its status or END", "BEGIN\nVERSION\n" + up, 1},
        {"SUCCESS without END", "BEGIN\nVERSION\nSUCCESS\n" + up, 1},
        {"ERROR and END", "BEGIN\nSEND_ONCE r KEY_X\nERROR\nEND\n" + up, 1},
        {"DATA without a count", "BEGIN\nVERSION\nSUCCESS\nDATA\n" + up, 1},
        {"a count that is no number", "BEGIN\nVERSION\nSUCCESS\nDATA\n-1\n" + up, 1},
        {"a count above the most", "BEGIN\nLIST\nSUCCESS\nDATA\n1001\n" + up, 1},
        {"a count of 0 and END", "BEGIN\nLIST\nSUCCESS\nDATA\n0\nEND\n" + up, 1},
        {"data lines without END", "BEGIN\nLIST\nSUCCESS\nDATA\n2\na\nb\n" + up, 1},
        {"data lines that look like presses", "BEGIN\nLIST r\nSUCCESS\nDATA\n2\n" + up + "b\nEND\n" + up, 1},
        {"the most data lines", "BEGIN\nLIST r\nSUCCESS\nDATA\n1000\n" + thousandLines + "END\n" + up, 1},
        {"BEGIN inside a block begins another", "BEGIN\nLIST\nSUCCESS\nBEGIN\nSIGHUP\nEND\n" + up, 1},
    };
    for (const Case& c : cases) {
        LircReader reader;
        EXPECT_EQ(Read(reader, c.stream), Commands(c.presses, "r.KEY_UP/0")) << c.what;
    }
}

TEST(LircReader, TellsWhetherAWholeLineCame) {
    LircReader reader;
    Read(reader, "0000000000000001 00 KEY");
    EXPECT_FALSE(reader.SawLine());
    Read(reader, "_UP r\r\n");
    EXPECT_TRUE(reader.SawLine());
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
