#include "editing/LearnOutcome.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/EditStoreOverItemStore.h"
#include "tests/support/StoreTestItems.h"

namespace {

class LearnOutcomeTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(items.addBGroup(GroupRecord("A1", "", "Player")));
        ASSERT_TRUE(items.addMacro(MacroRecord("M1", "A1", "", "Play")));
        ASSERT_TRUE(items.addMacro(MacroRecord("M2", "", "", "Mail")));
        ASSERT_TRUE(items.addMacro(MacroRecord("M3", "A9", "", "Orphan")));
        ASSERT_TRUE(items.addMacro(MacroRecord("M4", "", "TAKEN", "Other")));
    }

    std::string LearntOf(const char* id) {
        if (const TMacroRecord* macro = items.getMacro(id)) return std::string(FieldText(macro->IRCommand));
        if (const TBGroupRecord* group = items.getBGroup(id)) return std::string(FieldText(group->IRCommand));
        return "";
    }

    ItemStore items;
    EditStoreOverItemStore store{items};
};

TEST_F(LearnOutcomeTest, TitleNamesTheItem) {
    const struct {
        const char* id;
        std::optional<std::string> title;
    } cases[] = {
        {"A1", "Learn Player"}, {"M1", "Learn Player/Play"},
        {"M2", "Learn Mail"},   {"M3", "Learn Orphan"},  // its group has gone
        {"M9", std::nullopt},   {"", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(LearnTitle(store, c.id), c.title) << c.id;
}

TEST_F(LearnOutcomeTest, StoresOnlyWhatWasLearntToTheEndAndIsFree) {
    const std::string longCommand(300, 'L');
    const struct {
        const char* id;
        LearnEnd end;
        std::string learnt;
        int result;
        std::string stored;
    } cases[] = {
        {"M1", LearnEnd::Ok, "A,B;C", kLearnt, "A,B;C"},
        {"A1", LearnEnd::Ok, "G", kLearnt, "G"},
        {"M2", LearnEnd::Ok, longCommand, kLearnt, longCommand.substr(0, 254)},
        {"M2", LearnEnd::Ok, "", kNotLearnt, ""},
        {"M2", LearnEnd::Ok, "TAKEN", kNotLearnt, ""},
        {"M2", LearnEnd::Cancel, "A", kNotLearnt, ""},
        {"M2", LearnEnd::None, "A", kNotLearnt, ""},
        {"M2", LearnEnd::CancelBatch, "A", kBatchCancelled, ""},
        {"M9", LearnEnd::Ok, "A", kNotLearnt, ""},
    };
    for (const auto& c : cases) {
        CopyText(items.getMacro("M2")->IRCommand, "");
        EXPECT_EQ(StoreLearnt(store, c.id, c.end, c.learnt), c.result) << c.learnt;
        EXPECT_EQ(LearntOf(c.id), c.stored) << c.learnt;
    }
}

}  // namespace
