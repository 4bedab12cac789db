// The key or typed-text dialog's model: one character with up to two of the
// modifiers Ctrl, Alt and Shift, or a text to type.
#pragma once

#include <cstddef>
#include <string>

#include "editing/ModifierBoxes.h"

inline constexpr std::size_t kMaxTypedLength = 200;

class CustKeyModel {
  public:
    // Typing in one edit empties the other. A key brings the modifiers back;
    // typed text has none.
    void SetKey(std::string key);
    void SetTyped(std::string typed);
    void SetModifier(Modifier modifier, bool ticked);

    const std::string& Key() const { return key_; }
    const std::string& Typed() const { return typed_; }
    bool Ticked(Modifier modifier) const { return modifiers_.Ticked(modifier); }
    // At most two modifiers: with two ticked, the third is disabled.
    bool Enabled(Modifier modifier) const;

    // The key element (CTRL+ALT+a), TYPE: and the text, or "" when both
    // edits are empty. The comma key becomes "" and commas in typed text
    // become blanks, because a comma separates the commands of a list.
    std::string Token() const;

  private:
    std::string key_;
    std::string typed_;
    bool typing_ = false;  // the typed text was edited last
    ModifierBoxes modifiers_;
};
