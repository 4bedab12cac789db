#include "core/win/ComboBox2.h"

#include "core/win/Controls.h"

int TComboBox2::AddItem(const std::string& text, int value) {
    const int index = AddListEntry(combo_, text);
    if (index >= 0) SetValue(index, value);
    return index;
}

void TComboBox2::SetValue(int index, int value) { lstData.Set(index, value, Count()); }

void TComboBox2::Clear() {
    ClearList(combo_);
    lstData.Clear();
}

int TComboBox2::Count() const { return ListCount(combo_); }

int TComboBox2::SelectedIndex() const { return ::SelectedIndex(combo_); }

void TComboBox2::Select(int index) { SelectIndex(combo_, index); }
