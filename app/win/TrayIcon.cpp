#include "TrayIcon.h"

#include <shellapi.h>

#include <cstring>

namespace {
const char* const kClassName = "TovanixTrayIcon";
constexpr std::size_t kMaxToolTip = 62;
}  // namespace

TTrayIcon::TTrayIcon() {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA windowClass{};
    if (!GetClassInfoA(instance, kClassName, &windowClass)) {
        windowClass.lpfnWndProc = Procedure;
        windowClass.hInstance = instance;
        windowClass.lpszClassName = kClassName;
        RegisterClassA(&windowClass);
    }
    // A hidden top-level window (not message-only): only top-level windows
    // hear that the taskbar was re-created.
    window_ = CreateWindowExA(0, kClassName, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, this);
    taskbarCreated_ = RegisterWindowMessageA("TaskbarCreated");
}

TTrayIcon::~TTrayIcon() {
    SetActive(false);
    if (icon_) DestroyIcon(icon_);
    DestroyWindow(window_);
}

bool TTrayIcon::Notify(DWORD action) {
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = window_;
    data.uID = 0;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = kCallbackMessage;
    data.hIcon = icon_;
    std::strncpy(data.szTip, toolTip_.c_str(), sizeof data.szTip - 1);
    return Shell_NotifyIconA(action, &data) != FALSE;
}

void TTrayIcon::SetActive(bool active) {
    if (active == active_) return;
    active_ = active;
    if (active) {
        Notify(NIM_ADD);
        if (toolTip_.empty()) PostMessageA(window_, kRetryToolTipMessage, 0, 0);
    } else {
        Notify(NIM_DELETE);
    }
}

void TTrayIcon::SetIcon(HICON icon) {
    if (icon_) DestroyIcon(icon_);
    icon_ = icon ? CopyIcon(icon) : nullptr;
    if (active_) Notify(NIM_MODIFY);
}

void TTrayIcon::SetToolTip(const std::string& toolTip) {
    toolTip_ = toolTip.substr(0, kMaxToolTip);
    if (active_) Notify(NIM_MODIFY);
}

void TTrayIcon::SetPopupMenu(HMENU menu, HWND commandWindow) {
    popupMenu_ = menu;
    commandWindow_ = commandWindow;
}

LRESULT CALLBACK TTrayIcon::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE)
        SetWindowLongPtrA(
            window, GWLP_USERDATA,
            reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams));
    auto* self = reinterpret_cast<TTrayIcon*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self) return DefWindowProcA(window, message, wParam, lParam);
    try {
        return self->Handle(message, wParam, lParam);
    } catch (...) {
        return 0;
    }
}

LRESULT TTrayIcon::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
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
                if (popupMenu_) {
                    // The menu closes properly when the user clicks elsewhere
                    // only while its window is the foreground window.
                    SetForegroundWindow(commandWindow_ ? commandWindow_ : window_);
                    MSG pending;
                    while (PeekMessageA(&pending, nullptr, 0, 0, PM_REMOVE)) {
                        TranslateMessage(&pending);
                        DispatchMessageA(&pending);
                    }
                    TrackPopupMenu(popupMenu_, TPM_RIGHTBUTTON, cursor.x, cursor.y, 0,
                                   commandWindow_ ? commandWindow_ : window_, nullptr);
                }
                if (OnRightClick) OnRightClick(cursor);
                return 0;
            }
            default:
                return DefWindowProcA(window_, message, wParam, lParam);
        }
    }
    if (message == kRetryToolTipMessage) {
        SetToolTip(toolTip_);
        return 0;
    }
    if (message == taskbarCreated_ && taskbarCreated_ != 0) {
        // Explorer restarted: its new taskbar knows no icons.
        if (active_) Notify(NIM_ADD);
        return 0;
    }
    return DefWindowProcA(window_, message, wParam, lParam);
}
