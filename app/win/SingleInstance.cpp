#include "app/win/SingleInstance.h"

#include <string>
#include <vector>

#include "app/mainrules/InstanceName.h"
#include "app/win/MainWindow.h"

namespace {

// The mutex name of a program file's folder, in the long form of its path
// and its letters upper-cased as the file system compares them.
std::string InstanceNameOf(const std::wstring& programFile) {
    std::wstring path = programFile;
    if (DWORD length = GetLongPathNameW(programFile.c_str(), nullptr, 0)) {
        std::vector<wchar_t> longPath(length);
        if (GetLongPathNameW(programFile.c_str(), longPath.data(), length) < length) path = longPath.data();
    }
    path.erase(path.find_last_of(L'\\') + 1);
    if (!path.empty()) CharUpperBuffW(path.data(), static_cast<DWORD>(path.size()));
    const int size = WideCharToMultiByte(CP_UTF8, 0, path.data(), static_cast<int>(path.size()), nullptr, 0,
                                         nullptr, nullptr);
    std::string folder(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, path.data(), static_cast<int>(path.size()), folder.data(), size, nullptr,
                        nullptr);
    return InstanceMutexName(folder);
}

std::wstring OwnProgramFile() {
    std::vector<wchar_t> path(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) return std::wstring(path.data(), length);
        path.resize(path.size() * 2);
    }
}

std::wstring ProgramFileOfProcess(DWORD process) {
    const UniqueHandle handle(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, process));
    if (!handle) return L"";
    std::vector<wchar_t> path(32768);
    DWORD length = static_cast<DWORD>(path.size());
    if (!QueryFullProcessImageNameW(handle.get(), 0, path.data(), &length)) return L"";
    return std::wstring(path.data(), length);
}

struct Search {
    std::string name;
    HWND found = nullptr;
};

BOOL CALLBACK MatchMainWindow(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<Search*>(data);
    char className[32] = "";
    GetClassNameA(window, className, sizeof className);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (std::string(className) != TfrmMain::kClassName || process == GetCurrentProcessId()) return TRUE;
    const std::wstring file = ProgramFileOfProcess(process);
    if (file.empty() || InstanceNameOf(file) != search->name) return TRUE;
    search->found = window;
    return FALSE;
}

}  // namespace

SingleInstance::SingleInstance() : name_(InstanceNameOf(OwnProgramFile())) {
    SetLastError(ERROR_SUCCESS);
    mutex_.reset(CreateMutexA(nullptr, FALSE, name_.c_str()));
    // Access is denied to a mutex that a copy running with other rights holds.
    const DWORD error = GetLastError();
    first_ = error != ERROR_ALREADY_EXISTS && error != ERROR_ACCESS_DENIED;
}

void SingleInstance::ShowRunningCopy() const {
    Search search{name_};
    // The running copy makes its main window right after the mutex.
    for (int attempt = 0; attempt < 50 && !search.found; ++attempt) {
        if (attempt > 0) Sleep(100);
        EnumWindows(MatchMainWindow, reinterpret_cast<LPARAM>(&search));
    }
    if (!search.found) return;
    DWORD process = 0;
    GetWindowThreadProcessId(search.found, &process);
    // This start came from the user, so it may hand the foreground on.
    AllowSetForegroundWindow(process);
    PostMessageA(search.found, kShowRunningCopyMessage, 0, 0);
}
