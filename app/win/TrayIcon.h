// One icon in the notification area of the taskbar, with its tool tip, its
// mouse events and balloon notifications. Its hidden window receives the
// icon's notifications; the icon comes back when the taskbar is re-created.
// The icon's image and tip may be set from any thread (the tray's frame
// timer runs on the thread pool); the menu and the events belong to the
// thread that made it.
#pragma once

#include <windows.h>

#include <functional>
#include <mutex>
#include <string>

#include "core/win/Scoped.h"
#include "core/win/Window.h"

class TTrayIcon : private TWindow {
  public:
    TTrayIcon();
    ~TTrayIcon() override;

    // The icon is shown while active.
    void SetActive(bool active);
    bool Active() const { return active_; }
    // The icon is copied (the caller keeps its handle), the tool tip cut to
    // 62 characters; the shell is told once.
    void SetImage(HICON icon, const std::string& toolTip);
    void SetToolTip(const std::string& toolTip);
    std::string ToolTip() const;
    // The menu that a right click pops up (optional), and the window that
    // receives its commands.
    void SetPopupMenu(HMENU menu, HWND commandWindow);
    // A balloon notification at the icon; false while the icon is not shown
    // or the shell refuses it.
    bool ShowBalloon(const std::string& title, const std::string& text);

    std::function<void()> OnClick;
    std::function<void()> OnDblClick;
    std::function<void(POINT)> OnRightClick;

    HWND MessageWindow() const { return Handle(); }

    static constexpr const char* kClassName = "TovanixTrayIcon";
    static constexpr UINT kCallbackMessage = WM_USER + 1;
    static constexpr UINT kRetryToolTipMessage = WM_USER + 2;

  private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void PopUpMenu(POINT cursor);
    // Under the lock, so that the shell hears of the images in their order.
    bool Notify(DWORD action);

    mutable std::mutex mutex_;
    UniqueIcon icon_;
    std::string toolTip_;
    bool active_ = false;
    HMENU popupMenu_ = nullptr;
    HWND commandWindow_ = nullptr;
    UINT taskbarCreated_ = 0;
};
