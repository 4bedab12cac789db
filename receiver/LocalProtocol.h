// What the sender tool tells the local receiver: one line per press,
//     press <repeat count, decimal> <command>
// e.g. "press 0 KEY_UP" for a press and "press 3 KEY_UP" for its third
// repeat while the button is held.
#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "receiver/LineSplitter.h"

// A held button repeats like a typical remote control does.
inline constexpr std::chrono::milliseconds kLocalRepeatInterval{110};

struct LocalPress {
    std::string command;
    int repeatCount = 0;
};

std::string FormatLocalPress(const LocalPress& press);
// A press line, or nothing for a malformed one.
std::optional<LocalPress> ParseLocalPress(std::string_view line);

// Why a command cannot be sent ("" when it can): it must be 1 to 128
// characters without ";", "," or control characters.
std::string CheckLocalCommand(std::string_view command);

class LocalReader {
  public:
    static constexpr std::size_t kMaxLineLength = 160;

    void Feed(std::string_view data, const std::function<void(const LocalPress&)>& press);

  private:
    LineSplitter lines_{kMaxLineLength};
};
