// The window that a macro's target settings designate: the macro executor
// runs the macro there, and the click-position dialog measures from it.
#pragma once

#include <string>

#include "core/Records.h"
#include "core/WindowQueries.h"

// The foreground window for CurrentWindow (or when no target is named),
// else the macro's cached TargetWindow while it lives, else the first
// window whose caption and program match (a minimized program window is
// restored unless DontFocus). A found window is cached in the record.
// 0 when none is found.
WindowHandle ResolveTargetWindow(WindowQueries& desktop, TMacroRecord& macro);

// The top-level owner of the first visible window of that program file
// (compared by file name, letter case aside); 0 when none.
WindowHandle FindAppWindow(WindowQueries& desktop, const std::string& file);

// Restores the window's minimized top owner and makes the window (or, while
// a popup of its own disables it, that popup) the foreground window; whether
// that succeeded.
bool BringToFront(WindowQueries& desktop, WindowHandle window);
