// The click-at-a-location element CLICK:XXXX:YYYY:B:R[:D]:ACTION, whose
// fields stand at fixed character positions.
#pragma once

#include <optional>
#include <string>
#include <string_view>

enum class MouseButton { Left, Middle, Right };
enum class ClickReference { Screen, Window };  // Window: from the target window's top-left corner
enum class ClickAction { Click, Down, Up };

struct ClickElement {
    int x = 0;
    int y = 0;
    MouseButton button = MouseButton::Left;
    ClickReference reference = ClickReference::Window;
    int count = 1;  // 2 for a double click
    ClickAction action = ClickAction::Click;
};

// Reads a CLICK element. Nothing when the element is too short to hold the
// reference letter, its coordinates are not four decimal digits or a ":"
// is missing between the fixed fields; such an element clicks nothing. Button letters other than L and M mean
// the right button, reference letters other than S the target window. The element is a double click when one
// of the ":"-separated fields after the reference is exactly D (so :DOWN is no double click).
std::optional<ClickElement> ReadClickElement(std::string_view element);

// The element with both coordinates padded to four digits; ":D" only for a
// double click with the action Click. Nothing when a coordinate lies outside
// 0 to 9999, which the fixed positions cannot hold.
std::optional<std::string> WriteClickElement(const ClickElement& click);
