#include "receiver/IRCommandText.h"

#include <gtest/gtest.h>

TEST(MakeIRCommand, KeepsAnOrdinaryName) { EXPECT_EQ(MakeIRCommand("devinput.KEY_UP"), "devinput.KEY_UP"); }

TEST(MakeIRCommand, ReplacesTheSeparatorsOfSequencesAndVariants) {
    EXPECT_EQ(MakeIRCommand("a;b,c"), "a_b_c");
}

TEST(MakeIRCommand, ReplacesControlCharacters) {
    EXPECT_EQ(MakeIRCommand(std::string("a\tb\rc\x7f", 6)), "a_b_c_");
    EXPECT_EQ(MakeIRCommand(std::string("a\0b", 3)), "a_b");
}

TEST(MakeIRCommand, CutsTo128Characters) {
    EXPECT_EQ(MakeIRCommand(std::string(128, 'x')), std::string(128, 'x'));
    EXPECT_EQ(MakeIRCommand(std::string(200, 'x')), std::string(128, 'x'));
}

TEST(MakeIRCommand, KeepsCharactersBeyondAscii) { EXPECT_EQ(MakeIRCommand("\xe4\xf6"), "\xe4\xf6"); }
