// Which screen the on-screen display, the command chooser and the button
// panel's first placement use, by the OSDScreen setting: the main screen, or
// the screen of the window in front.
#pragma once

#include <optional>
#include <string>

#include "OSDPlacement.h"
#include "ScreenFit.h"

// The OSDScreen setting's values.
enum class OSDScreen { Main = 0, Front = 1 };

// The work area to open on: the front window's monitor's when the setting
// asks for it and there is such a window, else the main screen's.
ScreenArea ChooseWorkArea(int osdScreen, const ScreenArea& mainWork,
                          const std::optional<ScreenArea>& frontWork);

// Where the display or the chooser goes. On the main screen the top and left
// positions are the screen's 0, as they always were; on the screen of the
// window in front they are that monitor's work area edges.
OSDPosition PlaceOSDOnScreen(const std::string& location, int width, int height, int osdScreen,
                             const ScreenArea& mainWork, const std::optional<ScreenArea>& frontWork);
