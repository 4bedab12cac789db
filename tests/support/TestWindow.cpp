#include "tests/support/TestWindow.h"

namespace {
constexpr int kButtonID = 1001;
const char* const kClassName = "TovanixTestWindow";

void RegisterOnce(HINSTANCE instance, WNDPROC procedure) {
    WNDCLASSA windowClass{};
    if (GetClassInfoA(instance, kClassName, &windowClass)) return;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kClassName;
    RegisterClassA(&windowClass);
}
}  // namespace

TestWindow::TestWindow(const char* title, int left, int top) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    RegisterOnce(instance, Procedure);
    window_ = CreateWindowExA(0, kClassName, title, WS_OVERLAPPEDWINDOW, left, top, 400, 300, nullptr,
                              nullptr, instance, this);
    edit_ = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, 10, 10, 300,
                            24, window_, nullptr, instance, nullptr);
    button_ =
        CreateWindowExA(0, "BUTTON", "Press", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 120, 100, 100, 40,
                        window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kButtonID)), instance, nullptr);
    ShowWindow(window_, SW_SHOW);
    SetForegroundWindow(window_);
    SetFocus(edit_);
    PumpMessages(50);
}

TestWindow::~TestWindow() {
    DestroyWindow(window_);
    PumpMessages(10);
}

std::string TestWindow::EditText() const {
    char text[512] = "";
    GetWindowTextA(edit_, text, sizeof text);
    return text;
}

LRESULT CALLBACK TestWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<TestWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self) {
        // Like an editor, the window hands its focus on to the edit control.
        if (message == WM_SETFOCUS && self->edit_) {
            SetFocus(self->edit_);
            return 0;
        }
        if (message == WM_COMMAND && LOWORD(wParam) == kButtonID && HIWORD(wParam) == BN_CLICKED)
            ++self->buttonClicks;
        if (message >= WM_USER && message < WM_APP)
            self->userMessages.push_back(std::to_string(message) + " " + std::to_string(wParam) + " " +
                                         std::to_string(lParam));
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void PumpMessages(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    do {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    } while (GetTickCount() - start < milliseconds);
}
