// The desktop's windows as the running-program search sees them.
#pragma once

#include <windows.h>

#include "display/RunningApp.h"

class SystemDesktop final : public DesktopWindows {
  public:
    bool IsWindow(WindowHandle window) const override;
    WindowHandle FirstTopLevel() const override;
    WindowHandle NextTopLevel(WindowHandle window) const override;
    bool IsVisible(WindowHandle window) const override;
    std::optional<std::string> ProgramFileOf(WindowHandle window) const override;
    std::string ClassNameOf(WindowHandle window) const override;
    WindowHandle OwnerOrParent(WindowHandle window) const override;
};

inline HWND AsHwnd(WindowHandle window) { return reinterpret_cast<HWND>(window); }
inline WindowHandle AsHandle(HWND window) { return reinterpret_cast<WindowHandle>(window); }
