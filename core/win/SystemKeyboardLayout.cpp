#include "core/win/SystemKeyboardLayout.h"

#include <windows.h>

int16_t SystemKeyboardLayout::ScanChar(char c) const { return VkKeyScanA(c); }

const KeyboardLayout& CurrentKeyboardLayout() {
    static const SystemKeyboardLayout layout;
    return layout;
}
