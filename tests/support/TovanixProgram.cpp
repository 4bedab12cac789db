#include "tests/support/TovanixProgram.h"

#include <commctrl.h>
#include <shellapi.h>

#include <cstring>
#include <utility>
#include <vector>

#include "app/win/TrayIcon.h"
#include "app/win/resource.h"

namespace {
const char* const kProgramFiles[] = {"Tovanix.exe", "tovdata.dll",  "tovdrv.dll",   "tovshow.dll",
                                     "tovedit.dll", "tovlocal.dll", "tovirman.dll", "tovnet.dll",
                                     "RXNT.DLL",    "tovsend.exe",  "tovhid.dll"};

struct Search {
    DWORD process;
    const char* className;
    HWND found;
};

BOOL CALLBACK MatchProcessWindow(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<Search*>(data);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char className[64] = "";
    GetClassNameA(window, className, sizeof className);
    if (process == search->process && std::string(className) == search->className) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

std::string TextOf(HWND window) {
    char text[4096] = "";
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                        2000, nullptr);
    return text;
}

TovanixProgram::TovanixProgram(std::string folder) : folder_(std::move(folder)) {}

TovanixProgram::TovanixProgram(const TempFolder& folder) : TovanixProgram(folder.path()) {
    const std::string bin = TestProgramFolder();
    for (const char* file : kProgramFiles) CopyFileA((bin + file).c_str(), (folder_ + file).c_str(), FALSE);
}

TovanixProgram::~TovanixProgram() {
    if (Running()) {
        Close();
        if (Running()) TerminateProcess(process_.hProcess, 1);
    }
    if (process_.hProcess) {
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }
}

void TovanixProgram::WriteCommandFile(const std::string& text) {
    WriteWholeFile(folder_ + "TOVANIX.CMD", text);
}
std::string TovanixProgram::CommandFile() const { return ReadWholeFile(folder_ + "TOVANIX.CMD"); }

bool TovanixProgram::Start() {
    const std::string program = folder_ + "Tovanix.exe";
    std::vector<char> commandLine(program.begin(), program.end());
    commandLine.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder_.c_str(), &startup, &process_))
        return false;
    return WaitFor([&] { return MainWindow() != nullptr; }, 10000);
}

bool TovanixProgram::Close() {
    PostMessageA(MainWindow(), WM_CLOSE, 0, 0);
    return WaitFor([&] { return !Running(); }, 10000);
}

void TovanixProgram::Kill() {
    if (!Running()) return;
    TerminateProcess(process_.hProcess, 1);
    WaitForSingleObject(process_.hProcess, 10000);
}

bool TovanixProgram::Running() const {
    return process_.hProcess && WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

HWND TovanixProgram::MainWindow() const { return FindWindowOfClass("TfrmMain"); }

HWND FindProcessWindow(DWORD process, const char* className) {
    Search search{process, className, nullptr};
    EnumWindows(MatchProcessWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND TovanixProgram::FindWindowOfClass(const char* className) const {
    return FindProcessWindow(process_.dwProcessId, className);
}

HWND TovanixProgram::Tree() const { return FindWindowExA(MainWindow(), nullptr, WC_TREEVIEWA, nullptr); }

std::string TovanixProgram::Caption() const { return TextOf(MainWindow()); }

HWND TovanixProgram::MessageBoxWindow() const {
    const HWND box = FindWindowOfClass("#32770");
    // Only once it shows its text: a box that is still being made has none yet.
    return box && !TextOf(GetDlgItem(box, 0xFFFF)).empty() ? box : nullptr;
}

HTREEITEM TreeNode(HWND tree, int topIndex, int childIndex) {
    HTREEITEM node = TreeView_GetRoot(tree);
    for (int i = 0; node && i < topIndex; ++i) node = TreeView_GetNextSibling(tree, node);
    if (node && childIndex >= 0) {
        node = TreeView_GetChild(tree, node);
        for (int i = 0; node && i < childIndex; ++i) node = TreeView_GetNextSibling(tree, node);
    }
    return node;
}

bool TovanixProgram::SelectNode(int topIndex, int childIndex) {
    HTREEITEM node = TreeNode(Tree(), topIndex, childIndex);
    return node && TreeView_SelectItem(Tree(), node);
}

// The tree's messages that fill a structure need it in the program's memory.
std::string TovanixProgram::NodeText(int topIndex, int childIndex) const {
    HTREEITEM node = TreeNode(Tree(), topIndex, childIndex);
    if (!node) return "";
    struct Remote {
        TVITEMA item;
        char text[256];
    };
    void* remote = VirtualAllocEx(process_.hProcess, nullptr, sizeof(Remote), MEM_COMMIT, PAGE_READWRITE);
    if (!remote) return "";
    Remote local{};
    local.item.mask = TVIF_TEXT;
    local.item.hItem = node;
    local.item.pszText = static_cast<Remote*>(remote)->text;
    local.item.cchTextMax = sizeof local.text;
    std::string text;
    if (WriteProcessMemory(process_.hProcess, remote, &local, sizeof local, nullptr) &&
        SendMessageA(Tree(), TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(remote)) &&
        ReadProcessMemory(process_.hProcess, remote, &local, sizeof local, nullptr))
        text = local.text;
    VirtualFreeEx(process_.hProcess, remote, 0, MEM_RELEASE);
    return text;
}

bool TovanixProgram::DoubleClickNode(int topIndex, int childIndex) {
    HWND tree = Tree();
    HTREEITEM node = TreeNode(tree, topIndex, childIndex);
    if (!node) return false;
    // TVM_GETITEMRECT takes the node in the rectangle it fills.
    void* remote = VirtualAllocEx(process_.hProcess, nullptr, sizeof(RECT), MEM_COMMIT, PAGE_READWRITE);
    if (!remote) return false;
    RECT rect{};
    std::memcpy(&rect, &node, sizeof node);
    const bool found = WriteProcessMemory(process_.hProcess, remote, &rect, sizeof rect, nullptr) &&
                       SendMessageA(tree, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(remote)) &&
                       ReadProcessMemory(process_.hProcess, remote, &rect, sizeof rect, nullptr);
    VirtualFreeEx(process_.hProcess, remote, 0, MEM_RELEASE);
    if (!found) return false;
    POINT point{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    ClientToScreen(tree, &point);
    SetForegroundWindow(MainWindow());
    SetCursorPos(point.x, point.y);
    INPUT clicks[4] = {};
    const DWORD flags[4] = {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, MOUSEEVENTF_LEFTDOWN,
                            MOUSEEVENTF_LEFTUP};
    for (int i = 0; i < 4; ++i) {
        clicks[i].type = INPUT_MOUSE;
        clicks[i].mi.dwFlags = flags[i];
    }
    return SendInput(4, clicks, sizeof(INPUT)) == 4;
}

HWND TovanixProgram::DialogWindow() const {
    const HWND dialog = FindWindowOfClass("#32770");
    return dialog && IsWindowVisible(dialog) ? dialog : nullptr;
}

HWND TovanixProgram::DialogWindow(const std::string& caption) const {
    for (HWND window = FindWindowExA(nullptr, nullptr, "#32770", nullptr); window;
         window = FindWindowExA(nullptr, window, "#32770", nullptr)) {
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        if (process == process_.dwProcessId && IsWindowVisible(window) && TextOf(window) == caption)
            return window;
    }
    return nullptr;
}

HWND TovanixProgram::TrayWindow() const { return FindWindowOfClass(TTrayIcon::kClassName); }

bool TovanixProgram::TrayIconShown() const {
    // Changing nothing succeeds only for an icon that the shell has.
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = TrayWindow();
    return data.hWnd && Shell_NotifyIconA(NIM_MODIFY, &data);
}

bool TovanixProgram::ChooseFromTrayMenu(char mnemonic) {
    // Posted: the program's menu loop runs inside its handling of the click.
    PostMessageA(TrayWindow(), TTrayIcon::kCallbackMessage, 0, WM_RBUTTONUP);
    HWND menu = nullptr;
    auto open = [&] {
        menu = FindWindowOfClass("#32768");
        return menu && IsWindowVisible(menu);
    };
    if (!WaitFor(open, 3000)) return false;
    PostMessageA(menu, WM_CHAR, static_cast<WPARAM>(mnemonic), 0);
    return WaitFor([&] { return !IsWindow(menu) || !IsWindowVisible(menu); }, 3000);
}

HWND TovanixProgram::ButtonPanel() const {
    for (HWND panel = FindWindowA("TdlgBtnPanel", nullptr); panel;
         panel = FindWindowExA(nullptr, panel, "TdlgBtnPanel", nullptr)) {
        DWORD process = 0;
        GetWindowThreadProcessId(panel, &process);
        if (process == process_.dwProcessId && IsWindowVisible(panel)) return panel;
    }
    return nullptr;
}

HWND TovanixProgram::SplashWindow() const { return FindWindowOfClass("TdlgSplash"); }

HWND TovanixProgram::MonitorWindow() const { return FindWindowOfClass("TfrmMonitor"); }

// Through the clipboard: a list box's text does not cross processes under Wine.
std::string TovanixProgram::MonitorText() const {
    const HWND monitor = MonitorWindow();
    SendMessageA(GetDlgItem(monitor, IDC_MONITOR_LIST), LB_SETSEL, TRUE, -1);
    SendMessageA(GetDlgItem(monitor, IDC_MONITOR_COPY), BM_CLICK, 0, 0);
    return ClipboardText();
}

void TovanixProgram::Command(int id) { SendMessageA(MainWindow(), WM_COMMAND, static_cast<WPARAM>(id), 0); }
