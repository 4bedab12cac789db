// The macro editor. It runs modally, owned by owner, and works on the
// store's records in place. IDs are read as the store reads them, at most 5
// characters.
#pragma once

#include <windows.h>

#include <string>

#include "editing/EditStore.h"

// The macro editor adding a macro to the group ("" for a general macro):
// the new macro's ID when it ended with OK, else "".
std::string newMacro(HWND owner, EditStore& store, const char* groupID);
// The macro editor for an existing macro; true when it ended with OK.
bool editMacro(HWND owner, EditStore& store, const char* macroID);
