#include "core/ComboData.h"

void ComboData::Set(int index, int value, int entryCount) {
    if (index < 0 || index >= entryCount) return;
    values_[index] = value;
}

int ComboData::Value(int index) const {
    auto found = values_.find(index);
    return found == values_.end() ? -1 : found->second;
}

int ComboData::IndexOf(int value) const {
    for (const auto& [index, kept] : values_)
        if (kept == value) return index;
    return -1;
}
