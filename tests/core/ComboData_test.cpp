// The values that TComboBox2 keeps beside its entries.
#include "core/ComboData.h"

#include <gtest/gtest.h>

namespace {

TEST(ComboData, KeepsOneValuePerExistingEntry) {
    ComboData data;
    data.Set(0, 0, 3);
    data.Set(2, 17, 3);
    data.Set(3, 99, 3);  // beyond the last entry: nothing
    data.Set(-1, 5, 3);
    data.Set(2, 18, 3);  // replaces
    EXPECT_EQ(data.Value(0), 0);
    EXPECT_EQ(data.Value(1), -1);
    EXPECT_EQ(data.Value(2), 18);
    EXPECT_EQ(data.Value(3), -1);
    data.Clear();
    EXPECT_EQ(data.Value(2), -1);
}

}  // namespace
