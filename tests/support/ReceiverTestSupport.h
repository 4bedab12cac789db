// Helpers for the Wine tests of the receiver: a recording callback, programs run while messages are
// processed, and the real peers (lircd, an IRMan device on a COM port) run on the Linux side.
#pragma once

#include <windows.h>
#include <winsock2.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/Settings.h"
#include "receiver/tovdrv.h"

using namespace std::chrono_literals;

// Processes messages for up to timeout, returning early once done() is true;
// done() is checked after messages and whenever handle is signalled.
bool PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout, HANDLE handle = nullptr);
// Processes messages for that long.
void PumpFor(std::chrono::milliseconds duration);

// The processor time the process uses while it processes messages for that
// long: an idle receiver must use none.
std::chrono::milliseconds ProcessorTimeWhilePumping(std::chrono::milliseconds duration);

// A callback registered with DRV_SetIRCommandProc that records what it gets.
class Recorder {
  public:
    Recorder();
    ~Recorder();
    TIRCommandProc proc() { return {&Record, this}; }
    // Waits (processing messages) until count commands have come.
    bool WaitFor(std::size_t count, std::chrono::milliseconds timeout = 5s);

    std::vector<std::string> commands;
    // Runs inside the callback, after the command was recorded.
    std::function<void(const std::string&)> duringCall;

  private:
    static void Record(void* context, const char* command);
};

// A program of the test's folder running with its output in a file.
class ChildProcess {
  public:
    ChildProcess(const std::string& program, const std::string& arguments);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;
    bool started() const { return process_ != nullptr; }
    // Waits while processing messages; the exit code, or -1.
    int Wait(std::chrono::milliseconds timeout = 10s);
    // Its standard output and error together.
    std::string Output() const;

  private:
    HANDLE process_ = nullptr;
    std::string outputFile_;
};

// The exit code and output of tovsend with these arguments, run while
// messages are processed.
int RunSender(const std::string& arguments, std::string* output = nullptr);

// The real peers, driven through tests/receiver/peers/peer_control.py.
// A TCP socket listening on a free port of 127.0.0.1 (WSAStartup done), and
// that port; INVALID_SOCKET when none could be opened.
SOCKET ListenOnLoopback(unsigned short& port);

class Peers {
  public:
    Peers();
    ~Peers();
    Peers(const Peers&) = delete;
    Peers& operator=(const Peers&) = delete;
    bool ready() const { return connection_ != INVALID_SOCKET; }
    // Sends one command and returns the reply ("ok ..." or "error ...").
    std::string Command(const std::string& command);

  private:
    SOCKET connection_ = INVALID_SOCKET;
    std::string pending_;
};

// A line as lircd sends it for a button of the remote "testremote".
std::string LircdLine(const std::string& button, int repeatCount);
// Presses a marker through lircd until it arrives (then the receiver is
// connected) and forgets it; false when it never does.
bool WaitForLircd(Peers& peers, Recorder& recorder, std::chrono::milliseconds timeout = 10s);
