// The keyboard layout of the calling thread, as Windows reports it.
#pragma once

#include "core/KeyboardLayout.h"

class SystemKeyboardLayout final : public KeyboardLayout {
  public:
    int16_t ScanChar(char c) const override;
};

// One instance for the whole process; it keeps no state, so the layout in
// effect at each call is the one asked.
const KeyboardLayout& CurrentKeyboardLayout();
