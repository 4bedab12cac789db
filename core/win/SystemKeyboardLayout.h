// The keyboard layout of the calling thread, as Windows reports it.
#pragma once

#include "core/KeyboardLayout.h"

class SystemKeyboardLayout final : public KeyboardLayout {
  public:
    int16_t ScanChar(char c) const override;
};

// One instance for the whole process; the layout in effect at each call, on
// the calling thread, is the one asked.
const KeyboardLayout& CurrentKeyboardLayout();
