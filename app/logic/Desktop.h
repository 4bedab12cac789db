// What the macro executor does on the desktop: windows, input, shell.
// Implemented over Win32 in the program, recorded by a fake in tests.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/ClickElement.h"
#include "core/WindowQueries.h"

struct WindowRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// The window queries are a virtual base, so that the Win32 desktop can take
// their implementation from the one that tovedit shares.
class Desktop : public virtual WindowQueries {
  public:
    virtual std::optional<WindowRect> WindowRectOf(WindowHandle window) = 0;

    // Keyboard: key presses go to the thread that owns the target window,
    // so input is attached to it for the length of a press.
    virtual bool AttachInputTo(WindowHandle window) = 0;
    virtual void DetachInputFrom(WindowHandle window) = 0;
    virtual void KeyEvent(uint8_t virtualKey, bool up) = 0;

    // Mouse.
    virtual void MouseButtonEvent(MouseButton button, bool up) = 0;
    virtual void MoveMouseBy(int dx, int dy) = 0;
    virtual void SetCursorPosition(int x, int y) = 0;

    // Shell. OpenFile returns the shell's result (above 32: success).
    virtual intptr_t OpenFile(const std::string& file, const std::string& parameters) = 0;
    virtual void ShutDown() = 0;
    virtual bool IsStartMenuOpen() = 0;
    virtual void ToggleStartMenu() = 0;
    // Runs the command plug-in library base.DLL of the program folder with
    // the parameter text; nothing when there is no such plug-in.
    virtual void RunPlugin(const std::string& base, const std::string& parameters, WindowHandle window) = 0;
};
