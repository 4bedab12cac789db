// Window handles as the program's logic sees them.
#pragma once

#include <cstdint>

using WindowHandle = std::uintptr_t;

// A handle of 32 or less counts as no window.
inline bool IsWindowHandle(WindowHandle window) { return window > 32; }

// Records keep window handles in 32-bit fields: the low 32 bits of a window
// handle are significant, and turning them back sign-extends them.
inline int32_t StoredHandle(WindowHandle window) {
    return static_cast<int32_t>(static_cast<uint32_t>(window));
}
inline WindowHandle HandleFromStored(int32_t stored) {
    return static_cast<WindowHandle>(static_cast<intptr_t>(stored));
}
