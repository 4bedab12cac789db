// The button group editor.
#include "EditorDialogs.h"

bool addButtonGroup(HWND, EditStore&) { return false; }

bool editButtonGroup(HWND, EditStore&, const char*) { return false; }
