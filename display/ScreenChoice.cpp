#include "display/ScreenChoice.h"

namespace {
bool OnFront(const DisplayScreens& screens) {
    return screens.osdScreen == static_cast<int>(OSDScreen::Front) && screens.frontWork.has_value();
}

WorkArea WorkAreaOf(const ScreenArea& area) { return {area.left, area.top, area.right, area.bottom}; }
}  // namespace

OSDPosition PlaceOSDOnScreen(const std::string& location, int width, int height,
                             const DisplayScreens& screens) {
    if (!OnFront(screens))
        return PlaceOSD(location, width, height, screens.mainWork.right, screens.mainWork.bottom);
    const ScreenArea& area = *screens.frontWork;
    const OSDPosition inside = PlaceOSD(location, width, height, area.Width(), area.Height());
    return {area.left + inside.left, area.top + inside.top};
}

PanelBox PlacePanelOnScreen(const PanelBox& stored, bool placed, const DisplayScreens& screens) {
    if (placed || !OnFront(screens)) return PlacePanel(stored, WorkAreaOf(screens.mainWork));
    const ScreenArea& area = *screens.frontWork;
    return PlacePanel({area.left, area.top, stored.width, stored.height}, WorkAreaOf(area));
}
