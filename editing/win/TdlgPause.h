// The pause dialog: the PAUSE: command.
// Runs modally, owned by owner; "" when the user cancelled or the input was
// refused.
#pragma once

#include <windows.h>

#include <string>

std::string getPauseCommand(HWND owner);
