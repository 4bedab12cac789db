// Where the main window comes back: the saved place, or centred when there is
// none or it lies off the work area (after a change of display, say), at a
// height that the work area can show.
#pragma once

#include <optional>

#include "core/ScreenFit.h"

struct Placement {
    int left = 0;
    int top = 0;
    int height = 0;
};

// The saved values are absent when never written. width is the window's
// fixed width. The height is limited to the area's (and kept at least
// minimumHeight); a window whose title bar would lie above or below the area,
// or that lies wholly left or right of it, is centred on that axis.
Placement RestoredPlacement(std::optional<int> savedLeft, std::optional<int> savedTop, int savedHeight,
                            int width, int minimumHeight, const ScreenArea& area);
