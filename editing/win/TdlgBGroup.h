// The activate-group dialog: the GROUP: command.
// Runs modally, owned by owner; "" when the user cancelled or the input was
// refused.
#pragma once

#include <windows.h>

#include <string>

#include "editing/EditStore.h"

std::string getGroupCommand(HWND owner, EditStore& store);
