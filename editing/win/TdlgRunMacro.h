// The run-macro dialog: the MACRO: command.
// Runs modally, owned by owner; "" when the user cancelled or the input was
// refused.
#pragma once

#include <windows.h>

#include <string>

#include "editing/EditStore.h"

std::string getMacroCommand(HWND owner, EditStore& store, const char* groupID);
