#include "DeliveryWindow.h"

extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace {
constexpr char kClassName[] = "TovanixReceiverDelivery";
constexpr UINT kWakeMessage = WM_APP + 1;
}  // namespace

LRESULT CALLBACK DeliveryWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kWakeMessage) {
        try {
            reinterpret_cast<DeliveryWindow*>(lParam)->onWake_();
        } catch (...) {
            // Nothing may cross into the host's message loop.
        }
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

bool DeliveryWindow::MoveToCurrentThread() {
    HWND window = window_.load();
    if (window && GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId()) return true;
    Close();
    const HINSTANCE module = reinterpret_cast<HINSTANCE>(&__ImageBase);
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = &WindowProc;
    windowClass.hInstance = module;
    windowClass.lpszClassName = kClassName;
    RegisterClassA(&windowClass);  // fails harmlessly when already registered
    window = CreateWindowExA(0, kClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, module, nullptr);
    window_ = window;
    return window != nullptr;
}

void DeliveryWindow::Wake() {
    if (HWND window = window_.load()) PostMessageA(window, kWakeMessage, 0, reinterpret_cast<LPARAM>(this));
}

void DeliveryWindow::Close() {
    HWND window = window_.exchange(nullptr);
    if (!window) return;
    // Only its own thread can destroy a window; WM_CLOSE does it there.
    if (GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId())
        DestroyWindow(window);
    else
        PostMessageA(window, WM_CLOSE, 0, 0);
}
