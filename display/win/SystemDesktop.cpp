#include "display/win/SystemDesktop.h"

#include "display/win/ProcessNames.h"

bool SystemDesktop::IsWindow(WindowHandle window) const { return ::IsWindow(AsHwnd(window)); }

WindowHandle SystemDesktop::FirstTopLevel() const { return AsHandle(FindWindowA(nullptr, nullptr)); }

WindowHandle SystemDesktop::NextTopLevel(WindowHandle window) const {
    return AsHandle(GetWindow(AsHwnd(window), GW_HWNDNEXT));
}

bool SystemDesktop::IsVisible(WindowHandle window) const { return IsWindowVisible(AsHwnd(window)); }

std::optional<std::string> SystemDesktop::ProgramFileOf(WindowHandle window) const {
    return ProgramFileOfWindow(AsHwnd(window));
}

std::string SystemDesktop::ClassNameOf(WindowHandle window) const {
    char name[256] = "";
    const int length = GetClassNameA(AsHwnd(window), name, sizeof name);
    return std::string(name, length > 0 ? length : 0);
}

WindowHandle SystemDesktop::OwnerOrParent(WindowHandle window) const {
    return static_cast<WindowHandle>(GetWindowLongPtrA(AsHwnd(window), GWLP_HWNDPARENT));
}
