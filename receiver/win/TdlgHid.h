// The Windows remotes (HID) receiver's settings dialog ("Configure...").
#pragma once

#include <windows.h>

void ShowHidSettings(HWND owner);
