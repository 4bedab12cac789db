#include "tests/support/ReceiverTestSupport.h"

#include <cstdio>

#include "core/Settings.h"
#include "tests/support/WinTestSupport.h"

bool PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout, HANDLE handle) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
        if (done()) return true;
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) return false;
        MsgWaitForMultipleObjects(handle ? 1 : 0, &handle, FALSE, static_cast<DWORD>(left.count()),
                                  QS_ALLINPUT);
    }
}

void PumpFor(std::chrono::milliseconds duration) {
    PumpUntil([] { return false; }, duration);
}

namespace {
std::chrono::milliseconds ProcessorTime() {
    FILETIME created, ended, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &ended, &kernel, &user);
    auto ticks = [](const FILETIME& t) {
        return (static_cast<uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
    };
    return std::chrono::milliseconds((ticks(kernel) + ticks(user)) / 10000);  // 100 ns ticks
}
}  // namespace

std::chrono::milliseconds ProcessorTimeWhilePumping(std::chrono::milliseconds duration) {
    const auto before = ProcessorTime();
    PumpFor(duration);
    return ProcessorTime() - before;
}

Recorder::Recorder() { DRV_SetIRCommandProc(proc()); }
Recorder::~Recorder() { DRV_SetIRCommandProc({nullptr, nullptr}); }

void Recorder::Record(void* context, const char* command) {
    auto* self = static_cast<Recorder*>(context);
    self->commands.emplace_back(command);
    if (self->duringCall) self->duringCall(command);
}

bool Recorder::WaitFor(std::size_t count, std::chrono::milliseconds timeout) {
    return PumpUntil([&] { return commands.size() >= count; }, timeout);
}

ChildProcess::ChildProcess(const std::string& program, const std::string& arguments) {
    char temp[MAX_PATH];
    char file[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    GetTempFileNameA(temp, "out", 0, file);
    outputFile_ = file;
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE output = CreateFileA(file, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                                CREATE_ALWAYS, 0, nullptr);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = output;
    startup.hStdError = output;
    std::string commandLine = "\"" + program + "\" " + arguments;
    PROCESS_INFORMATION info{};
    if (CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                       &startup, &info)) {
        CloseHandle(info.hThread);
        process_ = info.hProcess;
    }
    CloseHandle(output);
}

ChildProcess::~ChildProcess() {
    if (process_) {
        TerminateProcess(process_, 1);
        WaitForSingleObject(process_, 5000);
        CloseHandle(process_);
    }
    DeleteFileA(outputFile_.c_str());
}

int ChildProcess::Wait(std::chrono::milliseconds timeout) {
    if (!process_) return -1;
    DWORD code = static_cast<DWORD>(-1);
    PumpUntil([&] { return WaitForSingleObject(process_, 0) == WAIT_OBJECT_0; }, timeout, process_);
    if (!GetExitCodeProcess(process_, &code) || code == STILL_ACTIVE) return -1;
    return static_cast<int>(code);
}

std::string ChildProcess::Output() const { return ReadWholeFile(outputFile_); }

int RunSender(const std::string& arguments, std::string* output) {
    ChildProcess sender(TestProgramFolder() + "tovsend.exe", arguments);
    const int code = sender.Wait();
    if (output) *output = sender.Output();
    return code;
}

namespace {

// The controller is a Linux program; under Wine drive Z: is the root.
std::string UnixToWine(std::string path) {
    for (char& c : path)
        if (c == '/') c = '\\';
    return "Z:" + path;
}

}  // namespace

SOCKET ListenOnLoopback(unsigned short& port) {
    WSADATA data;
    WSAStartup(MAKEWORD(2, 2), &data);
    SOCKET listener = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    int size = sizeof address;
    if (bind(listener, reinterpret_cast<sockaddr*>(&address), size) != 0 || listen(listener, 1) != 0 ||
        getsockname(listener, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
        closesocket(listener);
        return INVALID_SOCKET;
    }
    port = ntohs(address.sin_port);
    return listener;
}

Peers::Peers() {
    unsigned short port = 0;
    const SOCKET listener = ListenOnLoopback(port);
    if (listener == INVALID_SOCKET) return;
    // Wine starts a Linux program given by its Z: path; it cannot be waited
    // for, so it connects back to us.
    const std::string program = UnixToWine(TOVANIX_PEER_CONTROL);
    std::string commandLine = "\"" + program + "\" " + std::to_string(port);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                       &info)) {
        CloseHandle(info.hThread);
        CloseHandle(info.hProcess);
        fd_set ready;
        FD_ZERO(&ready);
        FD_SET(listener, &ready);
        timeval timeout{10, 0};
        if (select(0, &ready, nullptr, nullptr, &timeout) == 1)
            connection_ = accept(listener, nullptr, nullptr);
    }
    closesocket(listener);
}

Peers::~Peers() {
    if (connection_ != INVALID_SOCKET) {
        // Waits until every peer is stopped, so the next test starts clean.
        Command("quit");
        closesocket(connection_);
    }
    WSACleanup();
}

std::string Peers::Command(const std::string& command) {
    const std::string line = command + "\n";
    if (send(connection_, line.data(), static_cast<int>(line.size()), 0) != static_cast<int>(line.size()))
        return "error connection lost";
    for (;;) {
        const std::size_t newline = pending_.find('\n');
        if (newline != std::string::npos) {
            std::string reply = pending_.substr(0, newline);
            pending_.erase(0, newline + 1);
            return reply;
        }
        char buffer[256];
        const int got = recv(connection_, buffer, sizeof buffer, 0);
        if (got <= 0) return "error connection lost";
        pending_.append(buffer, static_cast<std::size_t>(got));
    }
}

std::string LircdLine(const std::string& button, int repeatCount) {
    char count[3];
    std::snprintf(count, sizeof count, "%02x", repeatCount);
    return "000000000000f00d " + std::string(count) + " " + button + " testremote";
}

bool WaitForLircd(Peers& peers, Recorder& recorder, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < deadline) {
        peers.Command("lircd send " + LircdLine("MARK", 0));
        if (recorder.WaitFor(1, 200ms)) {
            recorder.commands.clear();
            return true;
        }
    }
    return false;
}
