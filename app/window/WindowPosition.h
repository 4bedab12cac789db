// Where the main window comes back: the saved place, or centred when there is
// none or it lies off the screen (after a change of display, say).
#pragma once

#include <optional>

struct Placement {
    int left = 0;
    int top = 0;
    int height = 0;
};

// The saved values are absent when never written. width is the window's
// fixed width.
Placement RestoredPlacement(std::optional<int> savedLeft, std::optional<int> savedTop, int savedHeight,
                            int width, int screenWidth, int screenHeight);
