#include "receiver/win/DeliveryWindow.h"

#include <memory>

#include "core/win/Window.h"

namespace {

constexpr char kClassName[] = "TovanixReceiverDelivery";
constexpr UINT kWakeMessage = WM_APP + 1;

// The window on one thread. It may be closed from another thread, so it is
// destroyed later on its own; it deletes itself then.
class WakeWindow final : public TWindow {
  public:
    explicit WakeWindow(void (*onWake)()) : onWake_(onWake) {}

    static HWND Open(void (*onWake)()) {
        TWindowClass windowClass;
        windowClass.name = kClassName;
        const WakeWindow* window = CreateOwned(std::make_unique<WakeWindow>(onWake), windowClass, 0, "", 0, 0,
                                               0, 0, 0, HWND_MESSAGE);
        return window ? window->Handle() : nullptr;
    }

  private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message != kWakeMessage) return TWindow::HandleMessage(message, wParam, lParam);
        onWake_();
        return 0;
    }

    void (*const onWake_)();
};

}  // namespace

bool DeliveryWindow::MoveToCurrentThread() {
    HWND window = window_.load();
    if (window && GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId()) return true;
    Close();
    window = WakeWindow::Open(onWake_);
    window_ = window;
    return window != nullptr;
}

void DeliveryWindow::Wake() {
    if (HWND window = window_.load()) PostMessageA(window, kWakeMessage, 0, 0);
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
