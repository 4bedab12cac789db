// The text that the on-screen display shows: a fixed 66-byte array holding a
// zero-terminated text of at most 65 characters.
#pragma once

#include <cstddef>
#include <string>

inline constexpr std::size_t kOSDTextSize = 66;
using TOSDText = char[kOSDTextSize];

// The text up to its first zero byte; without one, its first 65 characters.
std::string OSDTextOf(const char* text);
