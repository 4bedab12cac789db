#include "receiver/LineSplitter.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<std::string> Split(LineSplitter& splitter, std::string_view data) {
    std::vector<std::string> lines;
    splitter.Feed(data, [&](std::string_view line) { lines.emplace_back(line); });
    return lines;
}

using Lines = std::vector<std::string>;

TEST(LineSplitter, GivesCompleteLinesAndKeepsTheRest) {
    LineSplitter splitter(20);
    EXPECT_EQ(Split(splitter, "one\ntwo\nthr"), (Lines{"one", "two"}));
    EXPECT_EQ(Split(splitter, "ee\n"), (Lines{"three"}));
}

TEST(LineSplitter, JoinsALineSplitIntoManyPieces) {
    LineSplitter splitter(20);
    for (char c : std::string("abc")) EXPECT_TRUE(Split(splitter, std::string(1, c)).empty());
    EXPECT_EQ(Split(splitter, "\n"), (Lines{"abc"}));
}

TEST(LineSplitter, DropsACarriageReturnBeforeTheNewline) {
    LineSplitter splitter(20);
    EXPECT_EQ(Split(splitter, "one\r\ntwo\r"), (Lines{"one"}));
    EXPECT_EQ(Split(splitter, "\n"), (Lines{"two"}));
}

TEST(LineSplitter, KeepsEmptyLines) {
    LineSplitter splitter(20);
    EXPECT_EQ(Split(splitter, "\n\nx\n"), (Lines{"", "", "x"}));
}

TEST(LineSplitter, AcceptsALineOfExactlyTheLimit) {
    LineSplitter splitter(5);
    EXPECT_EQ(Split(splitter, "12345\n12345\r\n"), (Lines{"12345", "12345"}));
}

TEST(LineSplitter, DropsAnOverlongLineWholeAndGoesOn) {
    LineSplitter splitter(5);
    EXPECT_EQ(Split(splitter, "123456\nok\n"), (Lines{"ok"}));
    // Also when the long line arrives in pieces that are each short.
    EXPECT_TRUE(Split(splitter, "1234").empty());
    EXPECT_TRUE(Split(splitter, "5678").empty());
    EXPECT_TRUE(Split(splitter, "9").empty());
    EXPECT_EQ(Split(splitter, "\nafter\n"), (Lines{"after"}));
}

TEST(LineSplitter, EndlessDataWithoutNewlineDoesNotGrowTheBuffer) {
    LineSplitter splitter(5);
    for (int i = 0; i < 1000; ++i) Split(splitter, std::string(1000, 'x'));
    EXPECT_EQ(Split(splitter, "\nok\n"), (Lines{"ok"}));
}

}  // namespace
