// The screens the display library chooses between (ScreenChoice.h), read
// from the desktop and the OSDScreen setting.
#pragma once

#include <windows.h>

#include "display/ScreenChoice.h"

// target: the window whose monitor counts; null (or gone) for the window in front.
DisplayScreens ReadDisplayScreens(HWND target = nullptr);
