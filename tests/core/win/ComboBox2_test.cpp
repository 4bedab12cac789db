// TComboBox2 on a real drop-down list.
#include "core/win/ComboBox2.h"

#include <gtest/gtest.h>

namespace {

class ComboBox2Test : public ::testing::Test {
  protected:
    ComboBox2Test() {
        combo.Attach(CreateWindowExA(0, "COMBOBOX", "", WS_POPUP | CBS_DROPDOWNLIST, 0, 0, 200, 200, nullptr,
                                     nullptr, GetModuleHandleA(nullptr), nullptr));
    }
    ~ComboBox2Test() override { DestroyWindow(combo.Handle()); }
    TComboBox2 combo;
};

TEST_F(ComboBox2Test, KeepsAValueBesideEachEntry) {
    ASSERT_NE(combo.Handle(), nullptr);
    EXPECT_EQ(combo.AddItem("(none)", 0), 0);
    EXPECT_EQ(combo.AddItem("Welcome", 17), 1);
    combo.SetValue(5, 99);  // no such entry
    EXPECT_EQ(combo.Count(), 2);
    EXPECT_EQ(combo.Value(1), 17);
    EXPECT_EQ(combo.Value(5), -1);
    combo.Select(1);
    EXPECT_EQ(combo.SelectedIndex(), 1);
    combo.Clear();
    EXPECT_EQ(combo.Count(), 0);
    EXPECT_EQ(combo.Value(1), -1);
}

}  // namespace
