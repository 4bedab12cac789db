// The integers that a TComboBox2 keeps beside its entries: one value per
// entry index, -1 for an entry without one.
#pragma once

#include <map>

class ComboData {
  public:
    // Does nothing for an index at or beyond entryCount; replaces an earlier value.
    void Set(int index, int value, int entryCount);
    int Value(int index) const;
    // The first entry that keeps value; -1 when none does.
    int IndexOf(int value) const;
    void Clear() { values_.clear(); }

  private:
    std::map<int, int> values_;
};
