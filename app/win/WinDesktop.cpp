#include "app/win/WinDesktop.h"

#include <shellapi.h>

#include "core/Paths.h"
#include "core/Text.h"
#include "core/win/CommandPlugin.h"
#include "core/win/ProgramLibraries.h"
#include "core/win/Scoped.h"

namespace {
// Keys that sit outside the numeric pad on a full keyboard: without the
// extended flag, programs may take them for the numeric pad's keys.
bool IsExtendedKey(uint8_t virtualKey) {
    switch (virtualKey) {
        case VK_PRIOR:
        case VK_NEXT:
        case VK_END:
        case VK_HOME:
        case VK_LEFT:
        case VK_UP:
        case VK_RIGHT:
        case VK_DOWN:
        case VK_INSERT:
        case VK_DELETE:
        case VK_SNAPSHOT:
        case VK_DIVIDE:
        case VK_NUMLOCK:
        case VK_LWIN:
        case VK_RWIN:
        case VK_APPS:
        case VK_RCONTROL:
        case VK_RMENU:
            return true;
        default:
            return false;
    }
}

// Shutting down needs the shutdown privilege, which a process holds but
// has not enabled.
void EnableShutdownPrivilege() {
    HANDLE opened = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &opened)) return;
    const UniqueHandle token(opened);
    TOKEN_PRIVILEGES privileges{};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    if (LookupPrivilegeValueA(nullptr, SE_SHUTDOWN_NAME, &privileges.Privileges[0].Luid))
        AdjustTokenPrivileges(token.get(), FALSE, &privileges, 0, nullptr, nullptr);
}

// A plug-in is named by a plain file name: nothing outside the program folder.
bool IsPlainName(const std::string& base) {
    return !base.empty() && base.find_first_of("\\/:") == std::string::npos &&
           base.find("..") == std::string::npos;
}

}  // namespace

std::optional<WindowRect> WinDesktop::WindowRectOf(WindowHandle window) {
    RECT rect;
    if (!GetWindowRect(ToHwnd(window), &rect)) return std::nullopt;
    return WindowRect{rect.left, rect.top, rect.right, rect.bottom};
}

bool WinDesktop::AttachInputTo(WindowHandle window) {
    const DWORD target = GetWindowThreadProcessId(ToHwnd(window), nullptr);
    if (target == 0) return false;
    // Keys are never pressed into the program's own windows (a remote button
    // would otherwise edit the tree); attaching to itself fails as well.
    if (target == GetCurrentThreadId()) return false;
    return AttachThreadInput(GetCurrentThreadId(), target, TRUE) != FALSE;
}

void WinDesktop::DetachInputFrom(WindowHandle window) {
    const DWORD target = GetWindowThreadProcessId(ToHwnd(window), nullptr);
    if (target != 0 && target != GetCurrentThreadId()) AttachThreadInput(GetCurrentThreadId(), target, FALSE);
}

void WinDesktop::KeyEvent(uint8_t virtualKey, bool up) {
    DWORD flags = up ? KEYEVENTF_KEYUP : 0;
    if (IsExtendedKey(virtualKey)) flags |= KEYEVENTF_EXTENDEDKEY;
    keybd_event(virtualKey, 0, flags, 0);
}

void WinDesktop::MouseButtonEvent(MouseButton button, bool up) {
    DWORD flag = 0;
    switch (button) {
        case MouseButton::Left:
            flag = up ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_LEFTDOWN;
            break;
        case MouseButton::Right:
            flag = up ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_RIGHTDOWN;
            break;
        case MouseButton::Middle:
            flag = up ? MOUSEEVENTF_MIDDLEUP : MOUSEEVENTF_MIDDLEDOWN;
            break;
    }
    mouse_event(flag, 0, 0, 0, 0);
}

void WinDesktop::MoveMouseBy(int dx, int dy) {
    mouse_event(MOUSEEVENTF_MOVE, static_cast<DWORD>(dx), static_cast<DWORD>(dy), 0, 0);
}

void WinDesktop::SetCursorPosition(int x, int y) { SetCursorPos(x, y); }

intptr_t WinDesktop::OpenFile(const std::string& file, const std::string& parameters) {
    return reinterpret_cast<intptr_t>(
        ShellExecuteA(owner_, nullptr, file.c_str(), parameters.c_str(), "", SW_SHOWDEFAULT));
}

void WinDesktop::ShutDown() {
    EnableShutdownPrivilege();
    ExitWindowsEx(EWX_SHUTDOWN, 0);
}

bool WinDesktop::IsStartMenuOpen() {
    const HWND menu = FindWindowA("BaseBar", "");
    return menu && IsWindowVisible(menu);
}

void WinDesktop::ToggleStartMenu() { SendMessageA(GetDesktopWindow(), WM_SYSCOMMAND, SC_TASKLIST, 0); }

void WinDesktop::RunPlugin(const std::string& base, const std::string& parameters, WindowHandle window) {
    const std::string folder = LibraryFolder();
    if (folder.empty() || !IsPlainName(base)) return;
    char buffer[256];
    CopyText(buffer, parameters);
    CallLibraryExport(folder + base + ".DLL", kExecutePluginExport, [&](FARPROC function) {
        // The export's address, taken as the plug-in function it is.
        reinterpret_cast<TExecutePlugin>(reinterpret_cast<void*>(function))(buffer, ToHwnd(window));
    });
}
