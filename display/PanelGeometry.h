// Where the button panel goes and how the mouse moves and sizes it and its
// buttons in design mode: the zone under the pointer decides whether a drag
// moves the thing or pulls one of its edges or corners.
#pragma once

#include <cstdint>

#include "display/ButtonList.h"

// A button on the panel (panel pixels) or the panel (screen pixels).
struct PanelBox {
    int32_t left = 0;
    int32_t top = 0;
    int32_t width = 0;
    int32_t height = 0;
    bool operator==(const PanelBox& other) const {
        return left == other.left && top == other.top && width == other.width && height == other.height;
    }
};

enum class PointerShape { Default, SizeWE, SizeNS, SizeNWSE, SizeNESW };

// Zones of a button: 0 moves it; 1 left, 2 top, 3 right, 4 bottom edge.
int ButtonZone(int x, int y, int width, int height);
PointerShape ButtonZoneShape(int zone);

// Zones of the panel's background: 0 moves the panel; 1 left edge, 2
// top-left corner, 3 top edge, 4 top-right corner, 5 right edge, 6
// bottom-right corner, 7 bottom edge, 8 bottom-left corner.
int BackgroundZone(int x, int y, int width, int height);
PointerShape BackgroundZoneShape(int zone);

// A drag from the press at (startX, startY) to the pointer at (x, y), both
// relative to the dragged thing where it was at that moment: current is
// where it is now, start where it was at the press.
PanelBox DragButton(const PanelBox& current, const PanelBox& start, int zone, int x, int y, int startX,
                    int startY);
PanelBox DragPanel(const PanelBox& current, const PanelBox& start, int zone, int x, int y, int startX,
                   int startY);

// Whether a drag has made the thing too small to keep: it springs back to
// where it was at the press. The panel's picture lies inside a 1-pixel edge.
bool ButtonTooSmall(const PanelBox& button);
bool PanelTooSmall(const PanelBox& panel);

struct WorkArea {
    int32_t left;
    int32_t top;
    int32_t right;
    int32_t bottom;
};

// Where "Add button" puts a new button on a panel of that size: the topmost,
// then leftmost place where it fits beside or below the buttons without
// covering one; the panel's corner when there is no such place.
PanelBox FreePlace(const TBtnList& buttons, int width, int height);

// The panel at its stored place, with the default width or height where the
// stored one is larger than the work area, moved back
// to the work area when it lies wholly beyond one of its edges: against the
// right or bottom edge when beyond those, against the left or top edge when
// beyond those.
PanelBox PlacePanel(const PanelBox& stored, const WorkArea& area);
