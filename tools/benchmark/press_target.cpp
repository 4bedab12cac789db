// The window that tools/press-benchmark presses keys into: it stamps each
// key's arrival with the system clock (the same clock as Linux's
// CLOCK_REALTIME under Wine) and appends "<nanoseconds> <virtual key>" to
// the file named on its command line.
//     press_target.exe "<title>" <log file>
//     press_target.exe clock    answers each line on stdin with the clock
#include <windows.h>

#include <cstdio>
#include <string>

namespace {
HANDLE logFile = INVALID_HANDLE_VALUE;

// Nanoseconds since 1970, as the Linux side counts them.
long long UnixNanoseconds() {
    FILETIME now;
    GetSystemTimePreciseAsFileTime(&now);
    const long long ticks = (static_cast<long long>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
    constexpr long long kTicksTo1970 = 116444736000000000LL;
    return (ticks - kTicksTo1970) * 100;
}

void AppendLine(const std::string& line) {
    DWORD written = 0;
    WriteFile(logFile, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
}

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            AppendLine(std::to_string(UnixNanoseconds()) + " " + std::to_string(wParam) + "\n");
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// The benchmark compares this clock with its own before it trusts the figures.
int AnswerClock() {
    char line[64];
    while (std::fgets(line, sizeof line, stdin)) {
        std::printf("%lld\n", UnixNanoseconds());
        std::fflush(stdout);
    }
    return 0;
}
}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    char title[256] = "";
    char logPath[MAX_PATH] = "";
    if (std::string(commandLine) == "clock") return AnswerClock();
    if (std::sscanf(commandLine, "\"%255[^\"]\" %259[^\n]", title, logPath) != 2) return 2;
    logFile = CreateFileA(logPath, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                          FILE_ATTRIBUTE_NORMAL, nullptr);
    if (logFile == INVALID_HANDLE_VALUE) return 3;

    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = "TovanixPressTarget";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(0, windowClass.lpszClassName, title, WS_OVERLAPPEDWINDOW, 200, 200, 300,
                                  200, nullptr, nullptr, instance, nullptr);
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    AppendLine("ready " + std::to_string(UnixNanoseconds()) + "\n");

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    CloseHandle(logFile);
    return 0;
}
