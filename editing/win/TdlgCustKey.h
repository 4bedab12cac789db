// The key or typed-text dialog: a key with modifiers or typed text.
// Runs modally, owned by owner; "" when the user cancelled or the input was
// refused.
#pragma once

#include <windows.h>

#include <string>

std::string getKeyCommand(HWND owner);
