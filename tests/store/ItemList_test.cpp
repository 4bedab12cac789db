#include "store/ItemList.h"

#include <gtest/gtest.h>

#include <string>

#include "store/ItemIDs.h"
#include "tests/support/StoreTestItems.h"

namespace {

TEST(IDNumber, ReadsWellFormedIdentifiersOfTheGivenLetter) {
    EXPECT_EQ(IDNumber("M1", 'M'), 1);
    EXPECT_EQ(IDNumber("A9999", 'A'), 9999);
    EXPECT_EQ(IDNumber("M307", 'M'), 307);
}

TEST(IDNumber, RefusesEverythingElse) {
    for (const char* id : {"", "M", "M0", "M01", "A1", "m1", "M1a", "M-1", "M 1", "X12"}) {
        EXPECT_EQ(IDNumber(id, 'M'), 0) << id;
    }
    EXPECT_EQ(IDNumber(nullptr, 'M'), 0);
}

TEST(IDNumber, ReadsAtMostFiveCharacters) {
    const char unterminated[6] = {'M', '1', '2', '3', '4', '5'};
    EXPECT_EQ(IDNumber(unterminated, 'M'), 1234);
    const char field[6] = {'M', '4', '2', '\0', '9', '9'};
    EXPECT_EQ(IDNumber(field, 'M'), 42);
}

TEST(WrittenIDNumber, AllowsLeadingZerosWithinTheNumberRange) {
    const struct {
        const char* text;
        int number;
    } cases[] = {
        {"A1", 1},     {"A01", 1},    {"A0009999", 9999}, {"A9999", 9999},
        {"A10000", 0}, {"A00000", 0}, {"A0", 0},          {"A", 0},
        {"", 0},       {"M1", 0},     {"a1", 0},          {"A1 ", 0},
        {" A1", 0},    {"A+1", 0},    {"A1x", 0},         {"A99999999999", 0},
    };
    for (const auto& c : cases) EXPECT_EQ(WrittenIDNumber(c.text, 'A'), c.number) << c.text;
}

class ItemListTest : public ::testing::Test {
  protected:
    std::string add(const char* id) {
        const TMacroRecord* stored = list.add(MacroRecord(id));
        return stored == nullptr ? "(refused)" : std::string(FieldText(stored->ID));
    }
    void removeID(const std::string& id) {
        list.removeIf([&](const TMacroRecord& record) { return FieldText(record.ID) == id; });
    }

    ItemList<TMacroRecord> list{'M'};
};

TEST_F(ItemListTest, KeepsAWellFormedFreeIDAndRenumbersTheRest) {
    EXPECT_EQ(add("M5"), "M5");
    EXPECT_EQ(add("M5"), "M6");  // taken
    EXPECT_EQ(add("M01"), "M7");
    EXPECT_EQ(add("A8"), "M8");
    EXPECT_EQ(add(""), "M9");
    EXPECT_EQ(add("M2"), "M2");  // below the highest, but free
    EXPECT_EQ(list.find("M5"), list.records()[0].get());
    EXPECT_EQ(list.find("M2"), list.records()[5].get());
}

TEST_F(ItemListTest, FreshIDsGoAboveEveryNumberHeldInThisRun) {
    EXPECT_EQ(list.freshID(), "M1");
    EXPECT_EQ(list.freshID(), "M1");  // until it is added
    add("M1");
    add("M40");
    EXPECT_EQ(list.freshID(), "M41");
    removeID("M40");
    EXPECT_EQ(list.freshID(), "M41");
    EXPECT_EQ(list.find("M40"), nullptr);
}

TEST_F(ItemListTest, AfterTheTopNumberTheLowestFreeNumberIsReused) {
    add("M9999");
    EXPECT_EQ(list.freshID(), "M1");
    add("M1");
    add("M2");
    removeID("M1");
    EXPECT_EQ(list.freshID(), "M1");
    EXPECT_EQ(add("M9999"), "M1");
}

TEST_F(ItemListTest, WhenEveryNumberIsTakenNothingMoreIsAdded) {
    for (int number = 1; number <= kMaxItemNumber; ++number) ASSERT_EQ(add(""), "M" + std::to_string(number));
    EXPECT_EQ(list.freshID(), "");
    EXPECT_EQ(add("M10000"), "(refused)");
    EXPECT_EQ(list.records().size(), std::size_t(kMaxItemNumber));
    removeID("M517");
    EXPECT_EQ(list.freshID(), "M517");
}

}  // namespace
