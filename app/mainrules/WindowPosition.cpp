#include "app/mainrules/WindowPosition.h"

Placement RestoredPlacement(std::optional<int> savedLeft, std::optional<int> savedTop, int savedHeight,
                            int width, int minimumHeight, const ScreenArea& area) {
    Placement placement;
    placement.height = FitExtent(savedHeight, area.Height(), minimumHeight);
    const int centredLeft = CentredStart(area.left, area.Width(), width);
    const int centredTop = CentredStart(area.top, area.Height(), placement.height);
    placement.left = savedLeft.value_or(centredLeft);
    placement.top = savedTop.value_or(centredTop);
    if (placement.left > area.right || placement.left + width < area.left) placement.left = centredLeft;
    if (placement.top < area.top || placement.top >= area.bottom) placement.top = centredTop;
    return placement;
}
