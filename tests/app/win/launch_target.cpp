// A program for the launch and target tests: shows a window titled "Launch
// target" with its command line in the title and an edit control that keeps
// the focus, and ends when the window is closed.
#include <windows.h>

#include <string>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int show) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = [](HWND window, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
        if (message == WM_DESTROY) PostQuitMessage(0);
        if (message == WM_SETFOCUS) {
            SetFocus(GetWindow(window, GW_CHILD));
            return 0;
        }
        return DefWindowProcA(window, message, wParam, lParam);
    };
    windowClass.hInstance = instance;
    windowClass.lpszClassName = "TovanixLaunchTarget";
    RegisterClassA(&windowClass);
    const std::string title = std::string("Launch target ") + commandLine;
    HWND window = CreateWindowExA(0, windowClass.lpszClassName, title.c_str(), WS_OVERLAPPEDWINDOW, 50, 50,
                                  300, 200, nullptr, nullptr, instance, nullptr);
    CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 10, 260, 24, window, nullptr,
                    instance, nullptr);
    ShowWindow(window, show);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
