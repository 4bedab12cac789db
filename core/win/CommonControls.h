// The common controls (up-down, tab, trackbar, tree, progress, ...) that a
// module's windows and dialog templates create must be registered in the
// process before the first of them is created.
#pragma once

#include <windows.h>
#include <commctrl.h>

// Registers the ICC_ classes once; later calls for the same classes do nothing.
void RegisterCommonControls(DWORD classes);
