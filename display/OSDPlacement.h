// Where the on-screen display goes: by the OSDLoc setting against the
// right and bottom edges of the primary screen's work area. The top and left
// positions are the screen's 0, not the work area's edges.
#pragma once

#include <string>

struct OSDPosition {
    int left;
    int top;
};

// location compares exactly, letter case counting; any text other than
// "Center", "Top left", "Top right" and "Bottom left" means the bottom right.
OSDPosition PlaceOSD(const std::string& location, int width, int height, int workRight, int workBottom);

// value × 0.5, rounded to the nearest whole number, halves to the even one.
int HalfRoundedToEven(int value);
