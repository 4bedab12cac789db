#include "core/win/SystemKeyboardLayout.h"

#include <windows.h>

#include <array>
#include <optional>

// The window system's answer takes some 20 microseconds once its keyboard
// code has gone cold, as it has at every remote button, and the answers for
// one layout never change: each thread keeps those of the layout it last used.
int16_t SystemKeyboardLayout::ScanChar(char c) const {
    thread_local HKL answeredFor = nullptr;
    thread_local std::array<std::optional<int16_t>, 256> answers;
    const HKL layout = GetKeyboardLayout(0);
    if (layout != answeredFor) {
        answers.fill(std::nullopt);
        answeredFor = layout;
    }
    std::optional<int16_t>& answer = answers[static_cast<unsigned char>(c)];
    if (!answer) answer = VkKeyScanA(c);
    return *answer;
}

const KeyboardLayout& CurrentKeyboardLayout() {
    static const SystemKeyboardLayout layout;
    return layout;
}
