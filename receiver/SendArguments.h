// The command line of the sender tool tovsend:
//     tovsend [--hold <ms>] <command>...
// presses each command in turn; --hold keeps each one held for that long,
// repeating it as a remote control does.
#pragma once

#include <string>
#include <vector>

inline constexpr int kMaxHoldMs = 60000;

struct SendRequest {
    std::vector<std::string> commands;
    int holdMs = 0;
    bool help = false;
    // Why the arguments cannot be used; empty when they can.
    std::string error;
};

SendRequest ParseSendArguments(const std::vector<std::string>& arguments);

extern const char* const kSendUsage;
