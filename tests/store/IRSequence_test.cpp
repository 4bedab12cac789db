#include "store/IRSequence.h"

#include <gtest/gtest.h>

namespace {

TEST(ParseSequence, SplitsButtonsAndVariants) {
    EXPECT_EQ(ParseSequence("UP"), (Sequence{{"UP"}}));
    EXPECT_EQ(ParseSequence("0x10,0x810;OK;7"), (Sequence{{"0x10", "0x810"}, {"OK"}, {"7"}}));
}

TEST(ParseSequence, DropsEmptyVariantsButKeepsButtonPositions) {
    EXPECT_EQ(ParseSequence(""), (Sequence{{}}));
    EXPECT_EQ(ParseSequence(",A,,B,"), (Sequence{{"A", "B"}}));
    EXPECT_EQ(ParseSequence("A;;B"), (Sequence{{"A"}, {}, {"B"}}));
    EXPECT_EQ(ParseSequence("A;"), (Sequence{{"A"}, {}}));
}

TEST(ParseSequence, KeepsBlanksAndCaseOfDriverStrings) {
    EXPECT_EQ(ParseSequence("000000008001006c 00 KEY_DOWN devinput"),
              (Sequence{{"000000008001006c 00 KEY_DOWN devinput"}}));
    EXPECT_FALSE(Accepts({"KEY_UP"}, "key_up"));
    EXPECT_FALSE(Accepts({"KEY_UP"}, "KEY_UP "));
}

TEST(StartsWith, AcceptsAnyVariantAtEachPosition) {
    const Sequence item = ParseSequence("A,a;B,b;C");
    EXPECT_TRUE(StartsWith(item, {"a"}));
    EXPECT_TRUE(StartsWith(item, {"A", "b"}));
    EXPECT_TRUE(StartsWith(item, {"a", "B", "C"}));
    EXPECT_FALSE(StartsWith(item, {"B"}));
    EXPECT_FALSE(StartsWith(item, {"A", "C"}));
}

TEST(StartsWith, RefusesMoreButtonsThanTheItemHasAndEmptyButtons) {
    EXPECT_FALSE(StartsWith(ParseSequence("A;B"), {"A", "B", "C"}));
    EXPECT_FALSE(StartsWith(ParseSequence("A;;B"), {"A", ""}));
    EXPECT_FALSE(StartsWith(ParseSequence(""), {""}));
}

TEST(Clash, SameLengthWithASharedVariantAtEveryButton) {
    EXPECT_TRUE(Clash(ParseSequence("A;B"), ParseSequence("A;B")));
    EXPECT_TRUE(Clash(ParseSequence("A,X;B"), ParseSequence("Y,A;Z,B")));
    EXPECT_FALSE(Clash(ParseSequence("A;B"), ParseSequence("A;C")));
    EXPECT_FALSE(Clash(ParseSequence("A,X;B"), ParseSequence("X;C,D")));
}

TEST(Clash, PrefixesAndEmptyCommandsDoNotClash) {
    EXPECT_FALSE(Clash(ParseSequence("A"), ParseSequence("A;B")));
    EXPECT_FALSE(Clash(ParseSequence("A;B"), ParseSequence("A")));
    EXPECT_FALSE(Clash(ParseSequence(""), ParseSequence("")));
    EXPECT_FALSE(Clash(ParseSequence("A;"), ParseSequence("A;")));
}

}  // namespace
