// The button group editor. It runs modally, owned by owner, and works on
// the store's records in place. IDs are read as the store reads them, at
// most 5 characters.
#pragma once

#include <windows.h>

#include "editing/EditStore.h"

// The button group editor adding a group; true when it ended with OK.
bool addButtonGroup(HWND owner, EditStore& store);
// The button group editor for the group; false without a dialog when the
// store has no such group, else true when it ended with OK.
bool editButtonGroup(HWND owner, EditStore& store, const char* groupID);
