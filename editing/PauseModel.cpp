#include "editing/PauseModel.h"

#include "core/CommandList.h"

std::string PauseToken(std::string_view text) {
    const int32_t milliseconds = ParseDialogInteger(text).value_or(0);
    if (milliseconds < kPauseMinimum || milliseconds > kPauseMaximum) return {};
    return std::string(kPausePrefix) + std::to_string(milliseconds);
}
