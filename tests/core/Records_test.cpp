#include "core/Records.h"

#include <gtest/gtest.h>

#include <string>

namespace {

bool AllZero(const void* data, std::size_t size) {
    const auto* bytes = static_cast<const unsigned char*>(data);
    for (std::size_t i = 0; i < size; ++i)
        if (bytes[i] != 0) return false;
    return true;
}

TEST(FreshRecords, StartWithEveryByteZero) {
    TMacroRecord macro = FreshMacroRecord();
    TBGroupRecord group = FreshBGroupRecord();
    EXPECT_TRUE(AllZero(&macro, sizeof macro));
    EXPECT_TRUE(AllZero(&group, sizeof group));
}

TEST(CopyText, CutsAtCapacityMinusOne) {
    TMacroRecord macro = FreshMacroRecord();
    CopyText(macro.Name, std::string(40, 'n'));
    CopyText(macro.Commands, std::string(300, 'c'));
    EXPECT_EQ(FieldText(macro.Name), std::string(30, 'n'));
    EXPECT_EQ(FieldText(macro.Commands), std::string(254, 'c'));
    // The neighbours of the cut fields stay untouched.
    EXPECT_EQ(FieldText(macro.AppID), "");
    EXPECT_EQ(macro.Disabled, 0);
}

TEST(CopyText, TextOfExactlyCapacityMinusOneFits) {
    TBGroupRecord group = FreshBGroupRecord();
    CopyText(group.Name, std::string(30, 'g'));
    EXPECT_EQ(FieldText(group.Name), std::string(30, 'g'));
    EXPECT_EQ(group.Name[30], '\0');
}

TEST(CopyText, ShorterTextClearsTheRestOfTheField) {
    TMacroRecord macro = FreshMacroRecord();
    CopyText(macro.TargetCaption, "A long caption of a window");
    CopyText(macro.TargetCaption, "Short");
    EXPECT_EQ(FieldText(macro.TargetCaption), "Short");
    EXPECT_TRUE(AllZero(macro.TargetCaption + 5, sizeof macro.TargetCaption - 5));
}

TEST(FieldText, UnterminatedFieldReadsAtMostCapacityMinusOne) {
    TMacroRecord macro = FreshMacroRecord();
    std::memset(macro.ID, 'M', sizeof macro.ID);  // no terminator within the field
    EXPECT_EQ(FieldText(macro.ID), "MMMMM");
}

TEST(KindOfID, FirstLetterTellsTheKind) {
    EXPECT_EQ(KindOfID("A12"), ItemKind::Group);
    EXPECT_EQ(KindOfID("M7"), ItemKind::Macro);
    EXPECT_EQ(KindOfID("m7"), ItemKind::None);
    EXPECT_EQ(KindOfID("X1"), ItemKind::None);
    EXPECT_EQ(KindOfID(""), ItemKind::None);
    EXPECT_EQ(KindOfID(nullptr), ItemKind::None);
}

TEST(CopyItemID, TakesAtMostFiveCharactersAndTerminates) {
    TItemID id;
    CopyItemID(id, "M123456789");
    EXPECT_STREQ(id, "M1234");
    CopyItemID(id, "A1");
    EXPECT_STREQ(id, "A1");
    EXPECT_EQ(id[2], '\0');
    EXPECT_EQ(id[5], '\0');
    CopyItemID(id, nullptr);
    EXPECT_STREQ(id, "");
}

TEST(CopyItemID, ReadsNoFurtherThanTheIdentifierField) {
    // A record pointer serves as an identifier: its ID field may be full.
    TMacroRecord macro = FreshMacroRecord();
    std::memcpy(macro.ID, "M9999X", 6);
    TItemID id;
    CopyItemID(id, reinterpret_cast<const char*>(&macro));
    EXPECT_STREQ(id, "M9999");
}

}  // namespace
