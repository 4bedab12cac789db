// The desktop over Win32: windows, synthesized input and the shell.
#pragma once

#include <windows.h>

#include "app/logic/Desktop.h"
#include "display/win/WinWindowQueries.h"

class WinDesktop : public Desktop, public WinWindowQueries {
  public:
    // owner: the window that owns what the shell opens (the main window).
    explicit WinDesktop(HWND owner = nullptr) : owner_(owner) {}

    std::optional<WindowRect> WindowRectOf(WindowHandle window) override;
    bool AttachInputTo(WindowHandle window) override;
    void DetachInputFrom(WindowHandle window) override;
    void KeyEvent(uint8_t virtualKey, bool up) override;
    void MouseButtonEvent(MouseButton button, bool up) override;
    void MoveMouseBy(int dx, int dy) override;
    void SetCursorPosition(int x, int y) override;
    intptr_t OpenFile(const std::string& file, const std::string& parameters) override;
    void ShutDown() override;
    bool IsStartMenuOpen() override;
    void ToggleStartMenu() override;
    void RunPlugin(const std::string& base, const std::string& parameters, WindowHandle window) override;

  private:
    HWND owner_;
};
