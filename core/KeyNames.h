// The key names of the command language, the codes they stand for, and the
// reading of a key element such as CTRL+ALT+DELETE.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "core/KeyboardLayout.h"

// Codes 1 to 254 are Windows virtual-key codes and are pressed as keys; the
// codes from 259 up name the commands of the editor's command tree.
namespace command_code {
inline constexpr int kLButtonClick = 259;
inline constexpr int kRButtonClick = 260;
inline constexpr int kMButtonClick = 261;
inline constexpr int kLButtonDblClick = 262;
inline constexpr int kRButtonDblClick = 263;
inline constexpr int kMButtonDblClick = 264;
inline constexpr int kMouseUp = 300;
inline constexpr int kMouseDown = 301;
inline constexpr int kMouseLeft = 302;
inline constexpr int kMouseRight = 303;
inline constexpr int kClickToLocation = 304;
inline constexpr int kPause = 305;
inline constexpr int kActivateReceiver = 306;
inline constexpr int kDeactivateReceiver = 307;
inline constexpr int kLaunchFile = 308;
inline constexpr int kVolumeUp = 309;
inline constexpr int kVolumeDown = 310;
inline constexpr int kToggleMute = 311;
inline constexpr int kMaximizeWindow = 315;
inline constexpr int kMinimizeWindow = 316;
inline constexpr int kRestoreWindow = 317;
inline constexpr int kRunMacro = 320;
inline constexpr int kActivateGroup = 321;
inline constexpr int kExitWindows = 325;
inline constexpr int kSendMessage = 326;
inline constexpr int kStartKeyDown = 327;
inline constexpr int kStartKeyUp = 328;
}  // namespace command_code

inline bool IsKeyPressCode(int code) { return code >= 1 && code <= 254; }

// The comma separates elements, so the comma key is written as this element.
inline constexpr std::string_view kCommaElement = "\"\"";

// The table covers codes 0 to 400, the most any window of the program looks
// up; no name lies above 328, so one shared table serves every caller.
inline constexpr std::size_t kKeyNameCount = 401;
using KeyNameTable = std::array<std::string_view, kKeyNameCount>;

// Names by code; codes without a name have an empty one.
const KeyNameTable& KeyNames();

// The name of a code; empty for codes without one and outside the table.
std::string_view KeyName(int code);

// The code of a key part or stored element, 0 when it has none. A single
// character has the code of the layout's key for it.
int KeyCode(std::string_view element, const KeyboardLayout& layout);

// A key element read into its modifier words and its key part.
struct KeyElement {
    bool ctrl = false;   // CTRL occurs in the element
    bool alt = false;    // ALT occurs in the element
    bool shift = false;  // SHIFT occurs in the element
    std::string_view key;
};

// The key part is the element without its leading "CTRL+", "ALT+" and
// "SHIFT+"; a single character is always its own key part, so "+" and
// SHIFT++ keep their plus. The key part views the given element.
KeyElement ReadKeyElement(std::string_view element);
