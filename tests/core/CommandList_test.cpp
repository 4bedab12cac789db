#include "core/CommandList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Elements = std::vector<std::string>;

TEST(ReadCommandList, LeadingRepeatMarksTheListAndIsRemoved) {
    const CommandList list = ReadCommandList("REPEAT,MOUSE-UP,PAUSE:100");
    EXPECT_TRUE(list.repeat);
    EXPECT_EQ(list.body, "MOUSE-UP,PAUSE:100");
}

TEST(ReadCommandList, RepeatAloneIsAnEmptyRepeatableList) {
    for (const char* text : {"REPEAT", "REPEAT,"}) {
        const CommandList list = ReadCommandList(text);
        EXPECT_TRUE(list.repeat) << text;
        EXPECT_EQ(list.body, "") << text;
        EXPECT_EQ(CountCommands(list.body), 0) << text;
    }
}

TEST(ReadCommandList, RepeatElsewhereIsOrdinaryText) {
    for (const char* text :
         {"", "A,REPEAT", "TYPE:REPEAT,B", "REPEATED,A", "REPEATX", "repeat,A", " REPEAT,A"}) {
        const CommandList list = ReadCommandList(text);
        EXPECT_FALSE(list.repeat) << text;
        EXPECT_EQ(list.body, text);
    }
}

TEST(ReadCommandList, OnlyTheFirstRepeatIsRemoved) {
    const CommandList list = ReadCommandList("REPEAT,REPEAT,A");
    EXPECT_TRUE(list.repeat);
    EXPECT_EQ(list.body, "REPEAT,A");
    EXPECT_EQ(CountCommands(list.body), 2);
}

TEST(WriteCommandList, PutsRepeatInFrontAndReadsBack) {
    EXPECT_EQ(WriteCommandList({false, "A,B"}), "A,B");
    EXPECT_EQ(WriteCommandList({true, "A,B"}), "REPEAT,A,B");
    EXPECT_EQ(WriteCommandList({true, ""}), "REPEAT,");
    for (const CommandList& list : {CommandList{true, "A,B"}, CommandList{true, ""}, CommandList{false, ""},
                                    CommandList{false, "TYPE:REPEAT"}}) {
        const CommandList back = ReadCommandList(WriteCommandList(list));
        EXPECT_EQ(back.repeat, list.repeat);
        EXPECT_EQ(back.body, list.body);
    }
}

TEST(CountCommands, IsOnePlusTheCommasOfANonEmptyList) {
    EXPECT_EQ(CountCommands(""), 0);
    EXPECT_EQ(CountCommands("A"), 1);
    EXPECT_EQ(CountCommands("A,B"), 2);
    EXPECT_EQ(CountCommands("A,\"\",B"), 3);
    EXPECT_EQ(CountCommands(","), 2);
    EXPECT_EQ(CountCommands("A,"), 2);
}

TEST(SplitCommands, GivesAsManyElementsAsCountCommands) {
    for (const char* body : {"", "A", "A,B", "A,\"\",B", ",", "A,", ",A", "A,,B", "TYPE:x y,PAUSE:5"}) {
        EXPECT_EQ(SplitCommands(body).size(), static_cast<std::size_t>(CountCommands(body))) << body;
    }
}

TEST(SplitCommands, KeepsEmptyElementsAndTheCommaElement) {
    EXPECT_EQ(SplitCommands("A,\"\",B"), (Elements{"A", "\"\"", "B"}));
    EXPECT_EQ(SplitCommands("A,,B"), (Elements{"A", "", "B"}));
    EXPECT_EQ(SplitCommands("A,"), (Elements{"A", ""}));
    EXPECT_EQ(SplitCommands(""), Elements{});
}

TEST(JoinCommands, IsTheInverseOfSplitting) {
    for (const char* body : {"", "A", "A,B", "A,\"\",B", ",", "A,", "A,,B"}) {
        EXPECT_EQ(JoinCommands(SplitCommands(body)), body);
    }
    EXPECT_EQ(JoinCommands({}), "");
    EXPECT_EQ(JoinCommands({"CTRL+C", "TYPE:hello"}), "CTRL+C,TYPE:hello");
}

TEST(CommandAt, SelectsByZeroBasedIndex) {
    EXPECT_EQ(CommandAt("A,\"\",B", 0), "A");
    EXPECT_EQ(CommandAt("A,\"\",B", 1), "\"\"");
    EXPECT_EQ(CommandAt("A,\"\",B", 2), "B");
    EXPECT_EQ(CommandAt("A,,B", 1), "");
}

TEST(CommandAt, NothingOutsideTheList) {
    EXPECT_EQ(CommandAt("A,B", -1), std::nullopt);
    EXPECT_EQ(CommandAt("A,B", 2), std::nullopt);
    EXPECT_EQ(CommandAt("", 0), std::nullopt);
}

TEST(CommandList, LongListsAreCountedAndSplitWhole) {
    std::string body = "X";
    for (int i = 0; i < 200; ++i) body += ",X";
    ASSERT_GT(body.size(), kMaxCommandListLength);
    EXPECT_EQ(CountCommands(body), 201);
    EXPECT_EQ(SplitCommands(body).size(), 201u);
    EXPECT_EQ(CommandAt(body, 200), "X");
    EXPECT_EQ(CommandAt(body, 201), std::nullopt);
}

TEST(TextAfter, GivesTheTextAfterAMatchingPrefix) {
    EXPECT_EQ(TextAfter("MACRO:Open mail", kMacroPrefix), "Open mail");
    EXPECT_EQ(TextAfter("GROUP:a:b", kGroupPrefix), "a:b");
    EXPECT_EQ(TextAfter("TYPE:", kTypePrefix), "");
}

TEST(TextAfter, NothingWithoutTheExactPrefix) {
    EXPECT_EQ(TextAfter("MACRO", kMacroPrefix), std::nullopt);
    EXPECT_EQ(TextAfter("macro:x", kMacroPrefix), std::nullopt);
    EXPECT_EQ(TextAfter(" MACRO:x", kMacroPrefix), std::nullopt);
    EXPECT_EQ(TextAfter("", kMacroPrefix), std::nullopt);
}

}  // namespace
