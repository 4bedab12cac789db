// One icon in the notification area of the taskbar, with its tool tip and
// mouse events. Owns a hidden message window that receives the icon's
// notifications; the icon comes back when the taskbar is re-created.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

class TTrayIcon {
  public:
    TTrayIcon();
    ~TTrayIcon();
    TTrayIcon(const TTrayIcon&) = delete;
    TTrayIcon& operator=(const TTrayIcon&) = delete;

    // The icon is shown while active.
    void SetActive(bool active);
    bool Active() const { return active_; }
    // The icon is copied; the caller keeps its handle.
    void SetIcon(HICON icon);
    // Cut to 62 characters.
    void SetToolTip(const std::string& toolTip);
    const std::string& ToolTip() const { return toolTip_; }
    // The menu that a right click pops up (optional), and the window that
    // receives its commands.
    void SetPopupMenu(HMENU menu, HWND commandWindow);

    std::function<void()> OnClick;
    std::function<void()> OnDblClick;
    std::function<void(POINT)> OnRightClick;

    HWND MessageWindow() const { return window_; }

    static constexpr UINT kCallbackMessage = WM_USER + 1;
    static constexpr UINT kRetryToolTipMessage = WM_USER + 2;

  private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    bool Notify(DWORD action);

    HWND window_ = nullptr;
    HICON icon_ = nullptr;
    std::string toolTip_;
    bool active_ = false;
    HMENU popupMenu_ = nullptr;
    HWND commandWindow_ = nullptr;
    UINT taskbarCreated_ = 0;
};
