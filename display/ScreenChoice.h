// Which screen the on-screen display, the command chooser and the button
// panel's first placement use, by the OSDScreen setting: the main screen, or
// the screen of the window in front.
#pragma once

#include <optional>
#include <string>

#include "core/ScreenFit.h"
#include "display/OSDPlacement.h"
#include "display/PanelGeometry.h"

// The OSDScreen setting's values.
enum class OSDScreen { Main = 0, Front = 1 };

struct DisplayScreens {
    int osdScreen = 0;  // the OSDScreen setting
    ScreenArea mainWork;
    // The work area of the monitor that holds the window in front (or the
    // macro's target); none when there is no such window.
    std::optional<ScreenArea> frontWork;
};

// Where the display or the chooser goes. On the main screen the top and left
// positions are the screen's 0, as they always were; on the screen of the
// window in front they are that monitor's work area edges.
OSDPosition PlaceOSDOnScreen(const std::string& location, int width, int height,
                             const DisplayScreens& screens);

// Where the button panel opens. A panel never placed yet (placed false)
// opens at the top left of the chosen work area; one the user placed opens
// where it was left, kept on the main screen's work area as it always was.
PanelBox PlacePanelOnScreen(const PanelBox& stored, bool placed, const DisplayScreens& screens);
