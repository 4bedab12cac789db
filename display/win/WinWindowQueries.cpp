#include "display/win/WinWindowQueries.h"

#include "display/tovshow.h"

namespace {
constexpr std::size_t kMaxTitle = 254;  // at most 253 characters are read
constexpr std::size_t kMaxTopLevelWindows = 100000;
}  // namespace

WindowHandle WinWindowQueries::ForegroundWindow() { return FromHwnd(GetForegroundWindow()); }

bool WinWindowQueries::SetForeground(WindowHandle window) {
    const HWND target = ToHwnd(window);
    if (GetForegroundWindow() == target) return target != nullptr;
    if (!::IsWindow(target)) return false;
    // A program may set the foreground only in some cases; sharing the input
    // of the foreground window's thread for the call lifts that lock.
    const DWORD self = GetCurrentThreadId();
    for (int attempt = 0; attempt < 3 && GetForegroundWindow() != target; ++attempt) {
        const HWND foreground = GetForegroundWindow();
        const DWORD foregroundThread = foreground ? GetWindowThreadProcessId(foreground, nullptr) : 0;
        const bool attached = foregroundThread != 0 && foregroundThread != self &&
                              AttachThreadInput(self, foregroundThread, TRUE);
        SetForegroundWindow(target);
        if (attached) AttachThreadInput(self, foregroundThread, FALSE);
    }
    return GetForegroundWindow() == target;
}

bool WinWindowQueries::IsWindow(WindowHandle window) { return ::IsWindow(ToHwnd(window)) != FALSE; }
bool WinWindowQueries::IsVisible(WindowHandle window) { return IsWindowVisible(ToHwnd(window)) != FALSE; }
bool WinWindowQueries::IsMinimized(WindowHandle window) { return IsIconic(ToHwnd(window)) != FALSE; }
void WinWindowQueries::Restore(WindowHandle window) { ShowWindow(ToHwnd(window), SW_RESTORE); }
bool WinWindowQueries::IsEnabled(WindowHandle window) { return IsWindowEnabled(ToHwnd(window)) != FALSE; }
WindowHandle WinWindowQueries::LastActivePopup(WindowHandle window) {
    return FromHwnd(GetLastActivePopup(ToHwnd(window)));
}

std::vector<WindowHandle> WinWindowQueries::TopLevelWindows() {
    std::vector<WindowHandle> windows;
    for (HWND window = FindWindowA(nullptr, nullptr);
         IsWindowHandle(FromHwnd(window)) && windows.size() < kMaxTopLevelWindows;
         window = GetWindow(window, GW_HWNDNEXT))
        windows.push_back(FromHwnd(window));
    return windows;
}

std::string WinWindowQueries::WindowTitle(WindowHandle window) {
    char title[kMaxTitle] = "";
    const int length = GetWindowTextA(ToHwnd(window), title, sizeof title);
    return std::string(title, length > 0 ? static_cast<std::size_t>(length) : 0);
}

std::string WinWindowQueries::ProgramFileOf(WindowHandle window) {
    char* file = getApplicationFileName(ToHwnd(window));
    if (!file) return "";
    std::string result(file);
    freeApplicationFileName(file);
    return result;
}

WindowHandle WinWindowQueries::OwnerParent(WindowHandle window) {
    return FromHwnd(getOwnerParent(ToHwnd(window)));
}

void WinWindowQueries::SendWindowMessage(WindowHandle window, uint32_t message, intptr_t wParam,
                                         intptr_t lParam) {
    SendMessageA(ToHwnd(window), message, static_cast<WPARAM>(wParam), static_cast<LPARAM>(lParam));
}
