#include "core/HelpMessages.h"

#include <gtest/gtest.h>

namespace {

TEST(HelpLookupMessage, NoneWhenTheShellFoundAProgram) {
    EXPECT_FALSE(HelpLookupMessage(33).has_value());
    EXPECT_FALSE(HelpLookupMessage(4096).has_value());
}

TEST(HelpLookupMessage, NamesEachFailure) {
    auto noAssociation = HelpLookupMessage(31);
    ASSERT_TRUE(noAssociation);
    EXPECT_EQ(noAssociation->text, "There is no association for the HTML file type!");
    EXPECT_EQ(noAssociation->caption, "Opening help");

    auto notFound = HelpLookupMessage(2);
    ASSERT_TRUE(notFound);
    EXPECT_EQ(notFound->text, "Help file not found!");
    EXPECT_EQ(notFound->caption, "Help");

    for (intptr_t other : {0, 3, 8, 32}) {
        auto message = HelpLookupMessage(other);
        ASSERT_TRUE(message) << other;
        EXPECT_EQ(message->text, "Error finding default browser for HTML files!");
        EXPECT_EQ(message->caption, "Help");
    }
}

TEST(HelpStartMessage, SaysTheHelpFileCannotBeOpened) {
    EXPECT_EQ(HelpStartMessage().text, "Cannot open helpfile!");
    EXPECT_EQ(HelpStartMessage().caption, "Help");
}

}  // namespace
