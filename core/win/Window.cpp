#include "core/win/Window.h"

TWindow::~TWindow() {
    if (!window_) return;
    SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
}

bool TWindow::Create(const TWindowClass& windowClass, DWORD exStyle, const char* title, DWORD style, int left,
                     int top, int width, int height, HWND parent, HMENU menu) {
    WNDCLASSEXA registered{};
    registered.cbSize = sizeof registered;
    if (!GetClassInfoExA(windowClass.module, windowClass.name, &registered)) {
        registered.lpfnWndProc = &Procedure;
        registered.hInstance = windowClass.module;
        registered.hCursor = windowClass.cursor;
        registered.hbrBackground = windowClass.background;
        registered.hIcon = windowClass.icon;
        registered.hIconSm = windowClass.smallIcon;
        registered.lpszClassName = windowClass.name;
        if (!RegisterClassExA(&registered)) return false;
    }
    return CreateWindowExA(exStyle, windowClass.name, title, style, left, top, width, height, parent, menu,
                           windowClass.module, this) != nullptr;
}

LRESULT TWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window_, message, wParam, lParam);
}

LRESULT CALLBACK TWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    TWindow* self = nullptr;
    if (message == WM_NCCREATE) {
        self = static_cast<TWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    } else {
        self = reinterpret_cast<TWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    }
    // Before WM_NCCREATE (WM_GETMINMAXINFO) and after the object let go.
    if (!self) return DefWindowProcA(window, message, wParam, lParam);

    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        self->window_ = nullptr;
        try {
            self->WindowDestroyed();
        } catch (...) {
        }
        if (self->deleteWithWindow_) delete self;
        return DefWindowProcA(window, message, wParam, lParam);
    }
    try {
        return self->HandleMessage(message, wParam, lParam);
    } catch (...) {
        // A handler that failed leaves the message to the system's default
        // handling, as if the window did not handle it: creation goes on,
        // painting is validated (0 would leave WM_PAINT coming back for
        // ever), queries get the system's neutral answer.
        return DefWindowProcA(window, message, wParam, lParam);
    }
}
