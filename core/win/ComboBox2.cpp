#include "ComboBox2.h"

int TComboBox2::AddItem(const std::string& text, int value) {
    const int index =
        static_cast<int>(SendMessageA(combo_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
    if (index >= 0) SetValue(index, value);
    return index;
}

void TComboBox2::SetValue(int index, int value) { lstData.Set(index, value, Count()); }

void TComboBox2::Clear() {
    SendMessageA(combo_, CB_RESETCONTENT, 0, 0);
    lstData.Clear();
}

int TComboBox2::Count() const { return static_cast<int>(SendMessageA(combo_, CB_GETCOUNT, 0, 0)); }

int TComboBox2::SelectedIndex() const { return static_cast<int>(SendMessageA(combo_, CB_GETCURSEL, 0, 0)); }

void TComboBox2::Select(int index) { SendMessageA(combo_, CB_SETCURSEL, static_cast<WPARAM>(index), 0); }
