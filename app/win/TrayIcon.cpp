#include "app/win/TrayIcon.h"

#include <shellapi.h>

#include "core/Text.h"

namespace {
constexpr std::size_t kMaxToolTip = 62;
// The tool tip field as the 88-byte record has it.
constexpr std::size_t kToolTipField = 64;
}  // namespace

TTrayIcon::TTrayIcon() {
    taskbarCreated_ = RegisterWindowMessageA("TaskbarCreated");
    TWindowClass windowClass;
    windowClass.name = kClassName;
    // A hidden top-level window (not message-only): only top-level windows
    // hear that the taskbar was re-created.
    Create(windowClass, 0, "", WS_POPUP, 0, 0, 0, 0);
}

TTrayIcon::~TTrayIcon() { SetActive(false); }

// The icon's record: the 88-byte layout that every shell knows, with a
// 64-character tool tip.
bool TTrayIcon::Notify(DWORD action) {
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = Handle();
    data.uID = 0;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = kCallbackMessage;
    data.hIcon = icon_.get();
    CopyFixedText(data.szTip, kToolTipField, toolTip_);
    return Shell_NotifyIconA(action, &data) != FALSE;
}

void TTrayIcon::SetActive(bool active) {
    const std::lock_guard lock(mutex_);
    if (active == active_) return;
    active_ = active;
    if (active) {
        Notify(NIM_ADD);
        if (toolTip_.empty()) PostMessageA(Handle(), kRetryToolTipMessage, 0, 0);
    } else {
        Notify(NIM_DELETE);
    }
}

std::string TTrayIcon::ToolTip() const {
    const std::lock_guard lock(mutex_);
    return toolTip_;
}

void TTrayIcon::SetToolTip(const std::string& toolTip) {
    const std::lock_guard lock(mutex_);
    toolTip_ = toolTip.substr(0, kMaxToolTip);
    if (active_) Notify(NIM_MODIFY);
}

void TTrayIcon::SetImage(HICON icon, const std::string& toolTip) {
    const std::lock_guard lock(mutex_);
    icon_.reset(icon ? CopyIcon(icon) : nullptr);
    toolTip_ = toolTip.substr(0, kMaxToolTip);
    if (active_) Notify(NIM_MODIFY);
}

void TTrayIcon::SetPopupMenu(HMENU menu, HWND commandWindow) {
    popupMenu_ = menu;
    commandWindow_ = commandWindow;
}

bool TTrayIcon::ShowBalloon(const std::string& title, const std::string& text) {
    const std::lock_guard lock(mutex_);
    if (!active_) return false;
    // The first layout with balloons (Windows 2000 and later).
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V2_SIZE;
    data.hWnd = Handle();
    data.uID = 0;
    data.uFlags = NIF_INFO;
    data.dwInfoFlags = NIIF_INFO;
    CopyText(data.szInfoTitle, title);
    CopyText(data.szInfo, text);
    return Shell_NotifyIconA(NIM_MODIFY, &data) != FALSE;
}

void TTrayIcon::PopUpMenu(POINT cursor) {
    const HWND owner = commandWindow_ ? commandWindow_ : Handle();
    // The menu closes when the user clicks elsewhere only while its owner
    // is the foreground window...
    SetForegroundWindow(owner);
    MSG pending;
    while (PeekMessageA(&pending, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&pending);
        DispatchMessageA(&pending);
    }
    TrackPopupMenu(popupMenu_, TPM_RIGHTBUTTON, cursor.x, cursor.y, 0, owner, nullptr);
    // ...and the owner's next message after the menu must be its own, or a
    // second right click shows the menu only to close it at once.
    PostMessageA(owner, WM_NULL, 0, 0);
}

LRESULT TTrayIcon::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kCallbackMessage) {
        switch (LOWORD(lParam)) {
            case WM_LBUTTONUP:
                if (OnClick) OnClick();
                return 0;
            case WM_LBUTTONDBLCLK:
                if (OnDblClick) OnDblClick();
                return 0;
            case WM_RBUTTONUP: {
                POINT cursor;
                GetCursorPos(&cursor);
                if (popupMenu_) PopUpMenu(cursor);
                if (OnRightClick) OnRightClick(cursor);
                return 0;
            }
        }
    } else if (message == WM_CLOSE) {
        // Only the main window closes the program. A request to close every
        // window of the process (taskkill without /F) that the main window
        // refuses, during start-up say, must not take the icon away.
        return 0;
    } else if (message == kRetryToolTipMessage) {
        SetToolTip(ToolTip());
        return 0;
    } else if (message == taskbarCreated_ && taskbarCreated_ != 0) {
        // Explorer restarted: its new taskbar knows no icons.
        const std::lock_guard lock(mutex_);
        if (active_) Notify(NIM_ADD);
        return 0;
    }
    return TWindow::HandleMessage(message, wParam, lParam);
}
