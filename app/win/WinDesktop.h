// The desktop over Win32: windows, synthesized input and the shell.
#pragma once

#include <windows.h>

#include "Desktop.h"

inline HWND ToHwnd(WindowHandle window) { return reinterpret_cast<HWND>(window); }
inline WindowHandle FromHwnd(HWND window) { return reinterpret_cast<WindowHandle>(window); }

class WinDesktop : public Desktop {
  public:
    // owner: the window that owns what the shell opens (the main window).
    explicit WinDesktop(HWND owner = nullptr) : owner_(owner) {}

    WindowHandle ForegroundWindow() override;
    bool SetForeground(WindowHandle window) override;
    bool IsWindow(WindowHandle window) override;
    bool IsVisible(WindowHandle window) override;
    bool IsMinimized(WindowHandle window) override;
    void Restore(WindowHandle window) override;
    std::vector<WindowHandle> TopLevelWindows() override;
    std::string WindowTitle(WindowHandle window) override;
    std::string ProgramFileOf(WindowHandle window) override;
    WindowHandle OwnerParent(WindowHandle window) override;
    std::optional<WindowRect> WindowRectOf(WindowHandle window) override;
    void SendWindowMessage(WindowHandle window, uint32_t message, intptr_t wParam, intptr_t lParam) override;
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
