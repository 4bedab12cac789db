// The launch dialog: the LAUNCH command.
// Runs modally, owned by owner; "" when the user cancelled or the input was
// refused.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

std::string getLaunchCommand(HWND owner);
// The dialog filled from a LAUNCH token; the new token on OK.
std::optional<std::string> editLaunchCommand(HWND owner, const std::string& token);
