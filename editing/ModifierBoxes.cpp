#include "editing/ModifierBoxes.h"

#include <algorithm>

namespace {

constexpr std::array<const char*, 3> kModifierWords{"CTRL", "ALT", "SHIFT"};
constexpr int kMaxModifiers = 2;

}  // namespace

void ModifierBoxes::Set(Modifier modifier, bool ticked) {
    if (Enabled(modifier)) ticked_[Index(modifier)] = ticked;
}

int ModifierBoxes::TickedCount() const {
    return static_cast<int>(std::count(ticked_.begin(), ticked_.end(), true));
}

bool ModifierBoxes::Enabled(Modifier modifier) const {
    return Ticked(modifier) || TickedCount() < kMaxModifiers;
}

std::string ModifierBoxes::Prefix() const {
    std::string prefix;
    for (std::size_t i = 0; i < ticked_.size(); ++i) {
        if (ticked_[i]) prefix += std::string(kModifierWords[i]) + '+';
    }
    return prefix;
}
