// The macro editor.
#include "EditorDialogs.h"

std::string newMacro(HWND, EditStore&, const char*) { return ""; }

bool editMacro(HWND, EditStore&, const char*) { return false; }
