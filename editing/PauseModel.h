// The pause dialog: milliseconds typed or stepped with the up-down control.
#pragma once

#include <string>
#include <string_view>

#include "core/NumberFields.h"

inline constexpr int kPauseDefault = 500;
inline constexpr int kPauseMinimum = 1;
inline constexpr int kPauseStep = 100;
inline constexpr int kPauseMaximum = kMaxPauseMilliseconds;
inline constexpr std::size_t kMaxPauseTextLength = 5;

// PAUSE: and the number when the text is a whole number from 1 to 30000;
// "" for any other text, which the dialog refuses without a message.
std::string PauseToken(std::string_view text);
