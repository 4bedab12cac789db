#include "display/PanelGeometry.h"

#include <algorithm>
#include <vector>

#include "core/Settings.h"

namespace {
// The edge of a button that sizes it, in pixels.
constexpr int kButtonEdge = 2;
// The edge and the corners of the panel that size it.
constexpr int kPanelEdge = 5;
constexpr int kPanelCorner = 10;
// The smallest picture the panel keeps, inside its 1-pixel edge.
constexpr int kPanelBevel = 1;
constexpr int kMinPanelPicture = 5;
}  // namespace

int ButtonZone(int x, int y, int width, int height) {
    if (x < kButtonEdge) return 1;
    if (y < kButtonEdge) return 2;
    if (x > width - kButtonEdge) return 3;
    if (y > height - kButtonEdge) return 4;
    return 0;
}

PointerShape ButtonZoneShape(int zone) {
    switch (zone) {
        case 1:
        case 3:
            return PointerShape::SizeWE;
        case 2:
        case 4:
            return PointerShape::SizeNS;
        default:
            return PointerShape::Default;
    }
}

int BackgroundZone(int x, int y, int width, int height) {
    if (x >= kPanelEdge && x <= width - kPanelEdge && y >= kPanelEdge && y <= height - kPanelEdge) return 0;
    const bool nearLeft = x < kPanelCorner;
    const bool nearTop = y < kPanelCorner;
    const bool nearRight = x > width - kPanelCorner;
    const bool nearBottom = y > height - kPanelCorner;
    if (nearLeft && nearTop) return 2;
    if (nearRight && nearBottom) return 6;
    if (nearRight && nearTop) return 4;
    if (nearLeft && nearBottom) return 8;
    if (x < kPanelEdge) return 1;
    if (y < kPanelEdge) return 3;
    if (x > width - kPanelEdge) return 5;
    return 7;
}

PointerShape BackgroundZoneShape(int zone) {
    switch (zone) {
        case 1:
        case 5:
            return PointerShape::SizeWE;
        case 3:
        case 7:
            return PointerShape::SizeNS;
        case 2:
        case 6:
            return PointerShape::SizeNWSE;
        case 4:
        case 8:
            return PointerShape::SizeNESW;
        default:
            return PointerShape::Default;
    }
}

PanelBox DragButton(const PanelBox& current, const PanelBox& start, int zone, int x, int y, int startX,
                    int startY) {
    PanelBox box = current;
    const int dx = x - startX;
    const int dy = y - startY;
    switch (zone) {
        case 0:
            box.left += dx;
            box.top += dy;
            break;
        case 1:
            box.left += dx;
            box.width = start.left + start.width - box.left;
            break;
        case 2:
            box.top += dy;
            box.height = start.top + start.height - box.top;
            break;
        case 3:
            box.width = start.width + dx;
            break;
        case 4:
            box.height = start.height + dy;
            break;
    }
    return box;
}

PanelBox DragPanel(const PanelBox& current, const PanelBox& start, int zone, int x, int y, int startX,
                   int startY) {
    PanelBox box = current;
    const int dx = x - startX;
    const int dy = y - startY;
    if (zone <= 0) {
        box.left += dx;
        box.top += dy;
        return box;
    }
    if (zone == 1 || zone == 2 || zone == 8) {
        box.left += dx;
        box.width = start.left + start.width - box.left;
    }
    if (zone == 2 || zone == 3 || zone == 4) {
        box.top += dy;
        box.height = start.top + start.height - box.top;
    }
    if (zone == 4 || zone == 5 || zone == 6) box.width = start.width + dx;
    if (zone == 6 || zone == 7 || zone == 8) box.height = start.height + dy;
    return box;
}

bool ButtonTooSmall(const PanelBox& button) {
    return button.width < kMinButtonSize || button.height < kMinButtonSize;
}

bool PanelTooSmall(const PanelBox& panel) {
    return panel.width - 2 * kPanelBevel < kMinPanelPicture ||
           panel.height - 2 * kPanelBevel < kMinPanelPicture;
}

namespace {
bool Overlap(const PanelBox& box, const TBtnEntry& button) {
    return box.left < button.X + button.W && button.X < box.left + box.width &&
           box.top < button.Y + button.H && button.Y < box.top + box.height;
}

// The places worth trying along one axis: the edge and the far side of each button.
std::vector<int32_t> Starts(const TBtnList& buttons, int32_t TBtnEntry::*place, int32_t TBtnEntry::*size) {
    std::vector<int32_t> starts{0};
    for (const TBtnEntry& button : buttons) starts.push_back(button.*place + button.*size);
    std::sort(starts.begin(), starts.end());
    starts.erase(std::unique(starts.begin(), starts.end()), starts.end());
    return starts;
}
}  // namespace

PanelBox FreePlace(const TBtnList& buttons, int width, int height) {
    for (const int32_t top : Starts(buttons, &TBtnEntry::Y, &TBtnEntry::H)) {
        if (top < 0 || top > height - kNewButtonSize) continue;
        for (const int32_t left : Starts(buttons, &TBtnEntry::X, &TBtnEntry::W)) {
            if (left < 0 || left > width - kNewButtonSize) continue;
            const PanelBox box{left, top, kNewButtonSize, kNewButtonSize};
            if (std::none_of(buttons.begin(), buttons.end(),
                             [&](const TBtnEntry& button) { return Overlap(box, button); }))
                return box;
        }
    }
    return {0, 0, kNewButtonSize, kNewButtonSize};
}

PanelBox PlacePanel(const PanelBox& stored, const WorkArea& area) {
    PanelBox box = stored;
    // No drag makes a panel larger than the screen: such a size was typed in
    // the registry, and a topmost panel over the whole work area hides it all.
    if (box.width > area.right - area.left) box.width = setting::BtnPanelW.defaultValue;
    if (box.height > area.bottom - area.top) box.height = setting::BtnPanelH.defaultValue;
    if (area.right < box.left)
        box.left = area.right - box.width;
    else if (box.left + box.width < area.left)
        box.left = area.left;
    if (area.bottom < box.top)
        box.top = area.bottom - box.height;
    else if (box.top + box.height < area.top)
        box.top = area.top;
    return box;
}
