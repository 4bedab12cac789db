#include "tests/support/WinTestSupport.h"

#include <fstream>
#include <sstream>
#include <vector>

std::string TestProgramFolder() {
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length);
    return folder.substr(0, folder.rfind('\\') + 1);
}

TempFolder::TempFolder() {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    static int counter = 0;
    for (;;) {
        path_ = std::string(temp) + "tovanix_test_" + std::to_string(GetCurrentProcessId()) + "_" +
                std::to_string(++counter) + "\\";
        if (CreateDirectoryA(path_.c_str(), nullptr)) break;
    }
}

namespace {
// Removes a folder (its path ends in a backslash) with everything in it.
void RemoveFolderTree(const std::string& folder) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName;
            if (name == "." || name == "..") continue;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveFolderTree(folder + name + "\\");
            else
                DeleteFileA((folder + name).c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(folder.c_str());
}
}  // namespace

TempFolder::~TempFolder() { RemoveFolderTree(path_); }

std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteWholeFile(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
}

int RunProgram(const std::string& program, const std::string& arguments, DWORD timeoutMs) {
    std::string commandLine = "\"" + program + "\" " + arguments;
    std::vector<char> buffer(commandLine.begin(), commandLine.end());
    buffer.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(program.c_str(), buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return -1;
    DWORD exitCode = static_cast<DWORD>(-1);
    if (WaitForSingleObject(process.hProcess, timeoutMs) == WAIT_OBJECT_0)
        GetExitCodeProcess(process.hProcess, &exitCode);
    else
        TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<int>(exitCode);
}

namespace {
const char* const kHtmlHandler = "TovanixTestHtml";

std::string HtmlFileType() {
    char type[256] = "";
    LONG size = sizeof type;
    RegQueryValueA(HKEY_CLASSES_ROOT, ".html", type, &size);
    return type;
}

void SetHtmlFileType(const std::string& type) {
    RegSetValueA(HKEY_CLASSES_ROOT, ".html", REG_SZ, type.c_str(), static_cast<DWORD>(type.size()));
}
}  // namespace

HtmlAssociation::HtmlAssociation(const std::string& openCommand) : previousType_(HtmlFileType()) {
    SetHtmlFileType(kHtmlHandler);
    if (openCommand.empty()) {
        RegSetValueA(HKEY_CLASSES_ROOT, kHtmlHandler, REG_SZ, "Test", 4);
    } else {
        const std::string key = std::string(kHtmlHandler) + "\\shell\\open\\command";
        RegSetValueA(HKEY_CLASSES_ROOT, key.c_str(), REG_SZ, openCommand.c_str(),
                     static_cast<DWORD>(openCommand.size()));
    }
}

HtmlAssociation::~HtmlAssociation() {
    SetHtmlFileType(previousType_);
    RegDeleteTreeA(HKEY_CLASSES_ROOT, kHtmlHandler);
}

// The record file is named in the environment, which the started program inherits.
RecordingBrowser::RecordingBrowser(const std::string& program)
    : record_(folder_.path() + "arguments.txt"), association_("\"" + program + "\" \"%1\"") {
    SetEnvironmentVariableA("TOVANIX_RECORD_FILE", record_.c_str());
}

RecordingBrowser::~RecordingBrowser() { SetEnvironmentVariableA("TOVANIX_RECORD_FILE", nullptr); }

std::string RecordingBrowser::Arguments() const {
    for (int i = 0; i < 100; ++i) {
        std::string text = ReadWholeFile(record_);
        if (!text.empty()) return text;
        Sleep(50);
    }
    return "";
}

namespace {
MessageBoxAnswerer* activeAnswerer = nullptr;

std::string WindowText(HWND window) {
    char text[1024] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}
}  // namespace

MessageBoxAnswerer::MessageBoxAnswerer() {
    activeAnswerer = this;
    hook_ = SetWindowsHookExA(WH_CBT, Hook, nullptr, GetCurrentThreadId());
}

MessageBoxAnswerer::~MessageBoxAnswerer() {
    if (hook_) UnhookWindowsHookEx(hook_);
    activeAnswerer = nullptr;
}

LRESULT CALLBACK MessageBoxAnswerer::Hook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE && activeAnswerer) {
        HWND box = reinterpret_cast<HWND>(wParam);
        char className[64] = "";
        GetClassNameA(box, className, sizeof className);
        if (std::string(className) == "#32770") {
            // The message text is the static control with identifier 0xFFFF.
            activeAnswerer->caption_ = WindowText(box);
            activeAnswerer->text_ = WindowText(GetDlgItem(box, 0xFFFF));
            ++activeAnswerer->count_;
            PostMessageA(box, WM_COMMAND, IDOK, 0);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

std::string ClipboardText() {
    std::string text;
    const HANDLE data = OpenClipboard(nullptr) ? GetClipboardData(CF_TEXT) : nullptr;
    if (data) text = static_cast<const char*>(GlobalLock(data)), GlobalUnlock(data);
    CloseClipboard();
    return text;
}
