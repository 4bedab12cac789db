// The check boxes Ctrl, Alt and Shift of a key command: at most two of them
// can be ticked, and the ticked ones are written in front of the key in the
// order CTRL, ALT, SHIFT.
#pragma once

#include <array>
#include <cstddef>
#include <string>

enum class Modifier { Ctrl, Alt, Shift };

class ModifierBoxes {
  public:
    // A box that the two-box rule disables keeps its state.
    void Set(Modifier modifier, bool ticked);
    void Clear() { ticked_ = {}; }

    bool Ticked(Modifier modifier) const { return ticked_[Index(modifier)]; }
    // With two ticked, the third is disabled.
    bool Enabled(Modifier modifier) const;
    // "CTRL+", "ALT+" and "SHIFT+" for the ticked boxes, in this order.
    std::string Prefix() const;

  private:
    static std::size_t Index(Modifier modifier) { return static_cast<std::size_t>(modifier); }
    int TickedCount() const;

    std::array<bool, 3> ticked_{};
};
