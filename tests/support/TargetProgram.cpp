#include "tests/support/TargetProgram.h"

#include <algorithm>
#include <sstream>

#include "tests/support/TargetWindowIDs.h"
#include "tests/support/TovanixProgram.h"
#include "tests/support/WinTestSupport.h"

TargetProgram::TargetProgram(const std::string& title, int left, int top) {
    const std::string program = TestProgramFolder() + "target_window.exe";
    std::string commandLine =
        "target_window.exe \"" + title + "\" " + std::to_string(left) + " " + std::to_string(top);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process_))
        return;
    WaitFor(
        [&] {
            window_ = FindProcessWindow(process_.dwProcessId, kTargetWindowClass);
            return window_ && IsWindowVisible(window_);
        },
        5000);
    // A busy machine may start it behind the test's own windows.
    if (!WaitFor([&] { return GetForegroundWindow() == window_; }, 2000)) SetForegroundWindow(window_);
    WaitFor([&] { return GetForegroundWindow() == window_; }, 2000);
    // Input is for a program that has handled its activation.
    WaitForInputIdle(process_.hProcess, 2000);
}

TargetProgram::~TargetProgram() {
    if (!process_.hProcess) return;
    if (window_) PostMessageA(window_, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process_.hProcess, 3000) != WAIT_OBJECT_0) TerminateProcess(process_.hProcess, 1);
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

HWND TargetProgram::edit() const { return GetDlgItem(window_, kTargetEditID); }
HWND TargetProgram::button() const { return GetDlgItem(window_, kTargetButtonID); }
std::string TargetProgram::EditText() const { return TextOf(edit()); }

std::vector<std::string> TargetProgram::Log() const {
    std::vector<std::string> lines;
    std::istringstream text(TextOf(GetDlgItem(window_, kTargetLogID)));
    for (std::string line; std::getline(text, line);) lines.push_back(line);
    return lines;
}

int TargetProgram::ButtonClicks() const {
    const std::vector<std::string> log = Log();
    return static_cast<int>(std::count(log.begin(), log.end(), "click"));
}

std::vector<std::string> TargetProgram::UserMessages() const {
    std::vector<std::string> messages = Log();
    messages.erase(std::remove(messages.begin(), messages.end(), "click"), messages.end());
    return messages;
}
