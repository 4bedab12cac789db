#include "display/OSDPlacement.h"

#include <cstdint>

int HalfRoundedToEven(int value) {
    const int64_t whole = value;
    // Halving that rounds down, also below zero (a display wider than the screen).
    const int64_t down = whole >= 0 ? whole / 2 : -((1 - whole) / 2);
    const bool half = whole % 2 != 0;
    return static_cast<int>(half && down % 2 != 0 ? down + 1 : down);
}

OSDPosition PlaceOSD(const std::string& location, int width, int height, int workRight, int workBottom) {
    if (location == "Center")
        return {HalfRoundedToEven(workRight - width), HalfRoundedToEven(workBottom - height)};
    if (location == "Top left") return {0, 0};
    if (location == "Top right") return {workRight - width, 0};
    if (location == "Bottom left") return {0, workBottom - height};
    return {workRight - width, workBottom - height};
}
