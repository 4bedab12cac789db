// The form every received command takes before it reaches the host.
#pragma once

#include <string>
#include <string_view>

inline constexpr std::size_t kMaxIRCommandLength = 128;

// Cut to 128 characters, with ";", "," and control characters replaced by
// "_": the host joins commands with ";" and ",", and stores them as text.
std::string MakeIRCommand(std::string_view text);
