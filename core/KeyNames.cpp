#include "core/KeyNames.h"

#include "core/CommandList.h"

namespace {

// Windows virtual-key codes of the named keys.
constexpr int kVkBack = 8;
constexpr int kVkTab = 9;
constexpr int kVkReturn = 13;
constexpr int kVkPause = 19;
constexpr int kVkEscape = 27;
constexpr int kVkSpace = 32;
constexpr int kVkPrior = 33;
constexpr int kVkNext = 34;
constexpr int kVkEnd = 35;
constexpr int kVkHome = 36;
constexpr int kVkLeft = 37;
constexpr int kVkUp = 38;
constexpr int kVkRight = 39;
constexpr int kVkDown = 40;
constexpr int kVkInsert = 45;
constexpr int kVkDelete = 46;
constexpr int kVkNumpad0 = 96;
constexpr int kVkMultiply = 106;
constexpr int kVkAdd = 107;
constexpr int kVkSubtract = 109;
constexpr int kVkDecimal = 110;
constexpr int kVkDivide = 111;
constexpr int kVkF1 = 112;

constexpr KeyNameTable BuildKeyNames() {
    using namespace command_code;
    KeyNameTable names{};
    names[kVkBack] = "BACKSPACE";
    names[kVkTab] = "TAB";
    names[kVkReturn] = "ENTER";
    names[kVkPause] = "PAUSE/BREAK";
    names[kVkEscape] = "ESC";
    names[kVkSpace] = "SPACE";
    names[kVkPrior] = "PAGEUP";
    names[kVkNext] = "PAGEDOWN";
    names[kVkEnd] = "END";
    names[kVkHome] = "HOME";
    names[kVkLeft] = "LEFT";
    names[kVkUp] = "UP";
    names[kVkRight] = "RIGHT";
    names[kVkDown] = "DOWN";
    names[kVkInsert] = "INSERT";
    names[kVkDelete] = "DELETE";
    constexpr std::string_view kNumpadNames[] = {"NUMPAD-0", "NUMPAD-1", "NUMPAD-2", "NUMPAD-3", "NUMPAD-4",
                                                 "NUMPAD-5", "NUMPAD-6", "NUMPAD-7", "NUMPAD-8", "NUMPAD-9"};
    for (int digit = 0; digit < 10; ++digit) names[kVkNumpad0 + digit] = kNumpadNames[digit];
    names[kVkMultiply] = "NUMPAD *";
    names[kVkAdd] = "NUMPAD +";
    names[kVkSubtract] = "NUMPAD -";
    names[kVkDivide] = "NUMPAD /";
    constexpr std::string_view kFunctionNames[] = {"F1", "F2", "F3", "F4",  "F5",  "F6",
                                                   "F7", "F8", "F9", "F10", "F11", "F12"};
    for (int n = 0; n < 12; ++n) names[kVkF1 + n] = kFunctionNames[n];
    names[kLButtonClick] = "LBUTTON-CLICK";
    names[kRButtonClick] = "RBUTTON-CLICK";
    names[kMButtonClick] = "MBUTTON-CLICK";
    names[kLButtonDblClick] = "LBUTTON-DBLCLICK";
    names[kRButtonDblClick] = "RBUTTON-DBLCLICK";
    names[kMButtonDblClick] = "MBUTTON-DBLCLICK";
    names[kMouseUp] = "MOUSE-UP";
    names[kMouseDown] = "MOUSE-DOWN";
    names[kMouseLeft] = "MOUSE-LEFT";
    names[kMouseRight] = "MOUSE-RIGHT";
    names[kClickToLocation] = "Mouse click to location...";
    names[kPause] = "Pause...";
    names[kActivateReceiver] = "Activate Tovanix";
    names[kDeactivateReceiver] = "Deactivate Tovanix";
    names[kLaunchFile] = "Launch file...";
    names[kVolumeUp] = "Volume up";
    names[kVolumeDown] = "Volume down";
    names[kToggleMute] = "Toggle mute";
    names[kMaximizeWindow] = "Maximize window";
    names[kMinimizeWindow] = "Minimize window";
    names[kRestoreWindow] = "Restore window";
    names[kRunMacro] = "Run macro...";
    names[kActivateGroup] = "Activate button group...";
    names[kExitWindows] = "Exit Windows";
    names[kSendMessage] = "Send message...";
    names[kStartKeyDown] = "Windows (Start) key down";
    names[kStartKeyUp] = "Windows (Start) key up";
    return names;
}

constexpr KeyNameTable kKeyNames = BuildKeyNames();

// Removes one leading modifier word. A word is longer than one character, so
// a single character always stays its own key part.
bool RemoveModifierWord(std::string_view& key) {
    for (std::string_view word : {"CTRL+", "ALT+", "SHIFT+"}) {
        if (StartsWith(key, word)) {
            key.remove_prefix(word.size());
            return true;
        }
    }
    return false;
}

}  // namespace

const KeyNameTable& KeyNames() { return kKeyNames; }

std::string_view KeyName(int code) {
    if (code < 0 || static_cast<std::size_t>(code) >= kKeyNameCount) return {};
    return kKeyNames[code];
}

int KeyCode(std::string_view element, const KeyboardLayout& layout) {
    if (element.empty()) return 0;
    // The comma element presses the numeric-pad decimal key, not the main
    // keyboard's comma key; stored command lists rely on that code.
    if (element == kCommaElement) return kVkDecimal;
    for (std::size_t code = 0; code < kKeyNameCount; ++code) {
        if (kKeyNames[code] == element) return static_cast<int>(code);
    }
    if (element.size() == 1) {
        const int16_t scan = layout.ScanChar(element[0]);
        // A character that no key types must not become code 255 (the low
        // byte of -1); it has no code.
        if (scan == -1) return 0;
        return scan & 0xFF;
    }
    return 0;
}

KeyElement ReadKeyElement(std::string_view element) {
    KeyElement read;
    read.ctrl = element.find("CTRL") != std::string_view::npos;
    read.alt = element.find("ALT") != std::string_view::npos;
    read.shift = element.find("SHIFT") != std::string_view::npos;
    std::string_view key = element;
    while (RemoveModifierWord(key)) {
    }
    read.key = key;
    return read;
}
