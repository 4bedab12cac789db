// Finding the window of a running program by its program file and, when
// given, its window class; and the top of a window's owner/parent chain.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// A window handle as the queries see it; 32 or less counts as no window.
using WindowHandle = std::uintptr_t;
inline constexpr WindowHandle kLastNonHandle = 32;

// What the search asks of the desktop.
class DesktopWindows {
  public:
    virtual ~DesktopWindows() = default;
    virtual bool IsWindow(WindowHandle window) const = 0;
    // The top-level windows in Z order, top first; 0 after the last.
    virtual WindowHandle FirstTopLevel() const = 0;
    virtual WindowHandle NextTopLevel(WindowHandle window) const = 0;
    virtual bool IsVisible(WindowHandle window) const = 0;
    // The file of the program that made the window; nullopt when unknown.
    virtual std::optional<std::string> ProgramFileOf(WindowHandle window) const = 0;
    virtual std::string ClassNameOf(WindowHandle window) const = 0;
    // The window's owner, or its parent; 0 for neither.
    virtual WindowHandle OwnerOrParent(WindowHandle window) const = 0;
};

// The top of the owner/parent chain: the window itself when it has neither;
// some window of it when the chain is a cycle.
WindowHandle TopOwnerParent(const DesktopWindows& desktop, WindowHandle window);

struct RunningApp {
    bool matched = false;
    WindowHandle found = 0;
};

// A live window above 32 is the answer as it is. Handle 0 (or a dead one)
// searches the visible top-level windows, top first, for the first whose
// program file equals fileName (letter case of a to z aside): with a class
// name, the first such window of exactly that class; without one, the top
// owner of the first such window. When only the class differs, found is the
// last window of the program, but it does not count as matched. A handle
// from 1 to 32 matches nothing.
RunningApp FindRunningApp(const DesktopWindows& desktop, WindowHandle window, std::string_view fileName,
                          std::string_view className);
