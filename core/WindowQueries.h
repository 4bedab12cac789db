// What the search for a macro's target window needs of the desktop's
// windows: the program and tovedit implement it over Win32 (WinWindowQueries),
// the tests with fakes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/WindowHandle.h"

class WindowQueries {
  public:
    virtual ~WindowQueries() = default;

    virtual WindowHandle ForegroundWindow() = 0;
    // Makes the window the foreground window despite the foreground lock;
    // true when it is the foreground window afterwards.
    virtual bool SetForeground(WindowHandle window) = 0;
    virtual bool IsWindow(WindowHandle window) = 0;
    virtual bool IsVisible(WindowHandle window) = 0;
    virtual bool IsMinimized(WindowHandle window) = 0;
    virtual void Restore(WindowHandle window) = 0;
    // False while a popup of the window's own (a question it asks) disables it.
    virtual bool IsEnabled(WindowHandle window) = 0;
    // The window's popup that was active last; the window itself when none is.
    virtual WindowHandle LastActivePopup(WindowHandle window) = 0;
    // The top-level windows from the top of the Z order down.
    virtual std::vector<WindowHandle> TopLevelWindows() = 0;
    virtual std::string WindowTitle(WindowHandle window) = 0;
    // The full path of the program that owns the window; "" when unknown.
    virtual std::string ProgramFileOf(WindowHandle window) = 0;
    // The top of the window's owner/parent chain.
    virtual WindowHandle OwnerParent(WindowHandle window) = 0;
    virtual void SendWindowMessage(WindowHandle window, uint32_t message, intptr_t wParam,
                                   intptr_t lParam) = 0;
};
