// A window of another program for the tests that send keys, clicks and
// messages: the executor never presses keys into Tovanix's own windows.
// Its title comes from the command line ("title left top"); it shows an
// edit control that keeps the focus and a button, and writes what reaches it
// into a hidden log control that the test reads with WM_GETTEXT: "click" for
// each button click, "message wParam lParam" for messages from WM_USER on.
#include <windows.h>

#include <cstdio>
#include <string>

#include "tests/support/TargetWindowIDs.h"

namespace {
HWND edit = nullptr;
HWND log = nullptr;

void AppendToLog(const std::string& line) {
    char text[4096] = "";
    GetWindowTextA(log, text, sizeof text);
    const std::string joined = text[0] ? std::string(text) + "\n" + line : line;
    SetWindowTextA(log, joined.c_str());
}

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SETFOCUS:
            // Like an editor, the window hands its focus on to the edit control.
            if (edit) SetFocus(edit);
            return 0;
        case WM_COMMAND:
            if (LOWORD(wParam) == kTargetButtonID && HIWORD(wParam) == BN_CLICKED) AppendToLog("click");
            break;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
    }
    if (message >= WM_USER && message < WM_APP)
        AppendToLog(std::to_string(message) + " " + std::to_string(wParam) + " " + std::to_string(lParam));
    return DefWindowProcA(window, message, wParam, lParam);
}
}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    char title[256] = "Test target";
    int left = 100, top = 100;
    std::sscanf(commandLine, "\"%255[^\"]\" %d %d", title, &left, &top);

    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kTargetWindowClass;
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(0, kTargetWindowClass, title, WS_OVERLAPPEDWINDOW, left, top, 400, 300,
                                  nullptr, nullptr, instance, nullptr);
    edit = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, 10, 10, 300, 24,
                           window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kTargetEditID)), instance,
                           nullptr);
    CreateWindowExA(0, "BUTTON", "Press", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 120, 100, 100, 40, window,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(kTargetButtonID)), instance, nullptr);
    log = CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 0, 0, window,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(kTargetLogID)), instance, nullptr);
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    SetFocus(edit);

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
