#include "WindowPosition.h"

#include <cmath>

namespace {
// (screen - window) / 2, with halves to the even neighbour.
int Centred(int screen, int window) { return static_cast<int>(std::nearbyint((screen - window) / 2.0)); }
}  // namespace

Placement RestoredPlacement(std::optional<int> savedLeft, std::optional<int> savedTop, int savedHeight,
                            int width, int screenWidth, int screenHeight) {
    Placement placement;
    placement.height = savedHeight;
    placement.left = savedLeft.value_or(Centred(screenWidth, width));
    placement.top = savedTop.value_or(Centred(screenHeight, savedHeight));
    if (placement.left > screenWidth || placement.left + width < 0)
        placement.left = Centred(screenWidth, width);
    if (placement.top > screenHeight || placement.top + placement.height < 0)
        placement.top = Centred(screenHeight, placement.height);
    return placement;
}
