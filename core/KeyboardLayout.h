// The keyboard layout as the command language sees it: which key, with which
// modifiers, types a character.
#pragma once

#include <cstdint>
#include <string_view>

struct KeyboardLayout {
    virtual ~KeyboardLayout() = default;
    // The key that types c, in the form of VkKeyScanA: the low byte is the
    // virtual-key code, the high byte the shift state (1 Shift, 2 Ctrl,
    // 4 Alt); -1 when no key of the layout types c.
    virtual int16_t ScanChar(char c) const = 0;
};

inline constexpr int kLayoutShift = 1;
inline constexpr int kLayoutCtrl = 2;
inline constexpr int kLayoutAlt = 4;

// Whether typing text, a single character, needs the modifier. Longer or
// empty texts need none: their modifiers are written in the element.
inline bool LayoutNeedsModifier(const KeyboardLayout& layout, std::string_view text, int modifier) {
    if (text.size() != 1) return false;
    const int16_t scan = layout.ScanChar(text[0]);
    // No key types the character, so no modifier can help to type it.
    if (scan == -1) return false;
    return ((static_cast<uint16_t>(scan) >> 8) & modifier) != 0;
}

inline bool LayoutNeedsShift(const KeyboardLayout& layout, std::string_view text) {
    return LayoutNeedsModifier(layout, text, kLayoutShift);
}
inline bool LayoutNeedsCtrl(const KeyboardLayout& layout, std::string_view text) {
    return LayoutNeedsModifier(layout, text, kLayoutCtrl);
}
inline bool LayoutNeedsAlt(const KeyboardLayout& layout, std::string_view text) {
    return LayoutNeedsModifier(layout, text, kLayoutAlt);
}
