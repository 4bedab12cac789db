#include "core/TargetWindow.h"

#include "core/Paths.h"
#include "core/Text.h"

namespace {

constexpr uint32_t kSysCommand = 0x0112;  // WM_SYSCOMMAND
constexpr intptr_t kScRestore = 61728;

WindowHandle FindWindowByCaption(WindowQueries& desktop, const std::string& caption,
                                 const std::string& file) {
    for (WindowHandle window : desktop.TopLevelWindows()) {
        if (!IsWindowHandle(window)) continue;
        if (!ContainsIgnoringCase(desktop.WindowTitle(window), caption)) continue;
        if (!file.empty() && !EqualIgnoringCase(FileNameOf(desktop.ProgramFileOf(window)), file)) continue;
        return window;
    }
    return 0;
}

}  // namespace

WindowHandle ResolveTargetWindow(WindowQueries& desktop, TMacroRecord& macro) {
    const std::string caption(FieldText(macro.TargetCaption));
    const std::string file(FieldText(macro.TargetFile));
    if (macro.CurrentWindow || (caption.empty() && file.empty())) {
        macro.TargetWindow = 0;
        return desktop.ForegroundWindow();
    }

    const WindowHandle cached = HandleFromStored(macro.TargetWindow);
    if (IsWindowHandle(cached)) {
        if (desktop.IsWindow(cached)) return cached;
        // The window is gone: look for the program's window anew.
        macro.TargetWindow = 0;
    }

    WindowHandle found = 0;
    if (!caption.empty()) {
        found = FindWindowByCaption(desktop, caption, file);
    } else {
        found = FindAppWindow(desktop, file);
        if (IsWindowHandle(found) && !macro.DontFocus && desktop.IsMinimized(found)) {
            desktop.SendWindowMessage(found, kSysCommand, kScRestore, 0);
            found = FindAppWindow(desktop, file);
        }
    }
    if (!IsWindowHandle(found)) return 0;
    macro.TargetWindow = StoredHandle(found);
    return found;
}

WindowHandle FindAppWindow(WindowQueries& desktop, const std::string& file) {
    const std::string name = FileNameOf(file);
    if (name.empty()) return 0;
    for (WindowHandle window : desktop.TopLevelWindows()) {
        if (!IsWindowHandle(window) || !desktop.IsVisible(window)) continue;
        if (EqualIgnoringCase(FileNameOf(desktop.ProgramFileOf(window)), name))
            return desktop.OwnerParent(window);
    }
    return 0;
}

bool BringToFront(WindowQueries& desktop, WindowHandle window) {
    const WindowHandle owner = desktop.OwnerParent(window);
    if (desktop.IsMinimized(owner)) desktop.Restore(owner);
    // A window that a popup of its own disables cannot take input, and put
    // over that popup it would hide the question the user must answer: the
    // popup comes instead, as when the user clicks the window's taskbar button.
    return desktop.SetForeground(desktop.IsEnabled(window) ? window : desktop.LastActivePopup(window));
}
