#include "ScreenChoice.h"

namespace {
bool OnFront(int osdScreen, const std::optional<ScreenArea>& frontWork) {
    return osdScreen == static_cast<int>(OSDScreen::Front) && frontWork.has_value();
}
}  // namespace

ScreenArea ChooseWorkArea(int osdScreen, const ScreenArea& mainWork,
                          const std::optional<ScreenArea>& frontWork) {
    return OnFront(osdScreen, frontWork) ? *frontWork : mainWork;
}

OSDPosition PlaceOSDOnScreen(const std::string& location, int width, int height, int osdScreen,
                             const ScreenArea& mainWork, const std::optional<ScreenArea>& frontWork) {
    if (!OnFront(osdScreen, frontWork))
        return PlaceOSD(location, width, height, mainWork.right, mainWork.bottom);
    const ScreenArea& area = *frontWork;
    const OSDPosition inside = PlaceOSD(location, width, height, area.Width(), area.Height());
    return {area.left + inside.left, area.top + inside.top};
}
