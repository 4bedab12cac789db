// What the macro executor does on the desktop: windows, input, shell.
// Implemented over Win32 in the program, recorded by a fake in tests.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ClickElement.h"
#include "WindowHandle.h"

struct WindowRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

class Desktop {
  public:
    virtual ~Desktop() = default;

    // Windows.
    virtual WindowHandle ForegroundWindow() = 0;
    // Makes the window the foreground window despite the foreground lock;
    // true when it is the foreground window afterwards.
    virtual bool SetForeground(WindowHandle window) = 0;
    virtual bool IsWindow(WindowHandle window) = 0;
    virtual bool IsVisible(WindowHandle window) = 0;
    virtual bool IsMinimized(WindowHandle window) = 0;
    virtual void Restore(WindowHandle window) = 0;
    // The top-level windows from the top of the Z order down.
    virtual std::vector<WindowHandle> TopLevelWindows() = 0;
    virtual std::string WindowTitle(WindowHandle window) = 0;
    // The full path of the program that owns the window; "" when unknown.
    virtual std::string ProgramFileOf(WindowHandle window) = 0;
    // The top of the window's owner/parent chain.
    virtual WindowHandle OwnerParent(WindowHandle window) = 0;
    virtual std::optional<WindowRect> WindowRectOf(WindowHandle window) = 0;
    virtual void SendWindowMessage(WindowHandle window, uint32_t message, intptr_t wParam,
                                   intptr_t lParam) = 0;

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
