// What opening the help file tells the user when it goes wrong.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

inline constexpr const char* kHelpFileName = "Tovanix.html";

struct HelpMessage {
    std::string text;
    std::string caption;
};

// The message for the shell's answer when asked for the program that opens
// the help file; none when it found one (a result above 32).
std::optional<HelpMessage> HelpLookupMessage(intptr_t findResult);

// The message when that program could not be started.
HelpMessage HelpStartMessage();
