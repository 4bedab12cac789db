#include "display/win/DisplayScreens.h"

#include "core/Settings.h"

namespace {
ScreenArea AreaOf(const RECT& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }
}  // namespace

DisplayScreens ReadDisplayScreens(HWND target) {
    DisplayScreens screens;
    screens.osdScreen = ReadSetting(setting::OSDScreen);
    RECT work{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    screens.mainWork = AreaOf(work);
    const HWND window = target && IsWindow(target) ? target : GetForegroundWindow();
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (window && GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor))
        screens.frontWork = AreaOf(monitor.rcWork);
    return screens;
}
