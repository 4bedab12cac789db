#include "display/RunningApp.h"

#include "core/Text.h"

WindowHandle TopOwnerParent(const DesktopWindows& desktop, WindowHandle window) {
    // Real chains are a few windows long; the bound ends a chain that a
    // window changing its owner meanwhile has turned into a cycle.
    constexpr int kLongestChain = 64;
    for (int step = 0; step < kLongestChain; ++step) {
        const WindowHandle above = desktop.OwnerOrParent(window);
        if (above == 0) break;
        window = above;
    }
    return window;
}

RunningApp FindRunningApp(const DesktopWindows& desktop, WindowHandle window, std::string_view fileName,
                          std::string_view className) {
    RunningApp result;
    if (window > kLastNonHandle) {
        if (desktop.IsWindow(window)) return {true, window};
        window = 0;
    }
    if (window != 0) return result;

    WindowHandle lastCandidate = 0;
    for (WindowHandle each = desktop.FirstTopLevel(); each > kLastNonHandle && !result.matched;
         each = desktop.NextTopLevel(each)) {
        if (!desktop.IsVisible(each)) continue;
        const std::optional<std::string> programFile = desktop.ProgramFileOf(each);
        if (!programFile || !EqualIgnoringCase(*programFile, fileName)) continue;
        lastCandidate = each;
        if (className.empty())
            result = {true, TopOwnerParent(desktop, each)};
        else if (desktop.ClassNameOf(each) == className)
            result = {true, each};
    }
    if (result.found == 0) result.found = lastCandidate;
    return result;
}
