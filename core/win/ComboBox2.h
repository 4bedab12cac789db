// A drop-down list that keeps one integer per entry (TComboBox2).
#pragma once

#include <windows.h>

#include <string>

#include "core/ComboData.h"

class TComboBox2 {
  public:
    void Attach(HWND combo) { combo_ = combo; }
    HWND Handle() const { return combo_; }

    int AddItem(const std::string& text, int value);
    // Keeps value for the entry at index; nothing for an index beyond the last entry.
    void SetValue(int index, int value);
    int Value(int index) const { return lstData.Value(index); }
    void Clear();
    int Count() const;
    int SelectedIndex() const;
    void Select(int index);

    ComboData lstData;

  private:
    HWND combo_ = nullptr;
};
