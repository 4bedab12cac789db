// The desktop's windows over Win32 and tovshow.dll's window queries, for the
// target-window search of the program and of tovedit.
#pragma once

#include <windows.h>

#include "core/WindowQueries.h"

inline HWND ToHwnd(WindowHandle window) { return reinterpret_cast<HWND>(window); }
inline WindowHandle FromHwnd(HWND window) { return reinterpret_cast<WindowHandle>(window); }

class WinWindowQueries : public virtual WindowQueries {
  public:
    WindowHandle ForegroundWindow() override;
    bool SetForeground(WindowHandle window) override;
    bool IsWindow(WindowHandle window) override;
    bool IsVisible(WindowHandle window) override;
    bool IsMinimized(WindowHandle window) override;
    void Restore(WindowHandle window) override;
    bool IsEnabled(WindowHandle window) override;
    WindowHandle LastActivePopup(WindowHandle window) override;
    std::vector<WindowHandle> TopLevelWindows() override;
    std::string WindowTitle(WindowHandle window) override;
    std::string ProgramFileOf(WindowHandle window) override;
    WindowHandle OwnerParent(WindowHandle window) override;
    void SendWindowMessage(WindowHandle window, uint32_t message, intptr_t wParam, intptr_t lParam) override;
};
