// The marks of a long press in command texts. A learnt long press is the
// button's command followed by "@hold" (for example "KEY_OK@hold"); the
// receiver also hands over "<button>@hold" once the button has been held
// long enough and "<button>@release" when it is let go.
#pragma once

#include <string>

enum class HoldMark { None, Hold, Release };

struct MarkedCommand {
    std::string button;
    HoldMark mark = HoldMark::None;
};

// The command with the mark, cut so that both fit in one received command
// (128 characters).
std::string WithHoldMark(const std::string& command, HoldMark mark = HoldMark::Hold);
MarkedCommand SplitHoldMark(const std::string& command);
// One command string as users read it: "KEY_OK (held)" for "KEY_OK@hold".
std::string ReadableCommand(const std::string& command);
