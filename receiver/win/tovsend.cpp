// tovsend: presses buttons on the Tovanix local receiver from the command
// line, so that scripts and other programs can drive Tovanix.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "core/win/Scoped.h"
#include "receiver/LocalProtocol.h"
#include "receiver/SendArguments.h"
#include "receiver/win/LocalChannel.h"

namespace {

enum ExitCode { kSent = 0, kBadArguments = 1, kNoReceiver = 2, kReceiverGone = 3, kReceiverBusy = 4 };

// How long a sender waits while other senders keep the receiver busy.
constexpr DWORD kBusyWaitMs = 10000;

// The pipe, or null with the exit code that says why not.
UniqueHandle Connect(const std::string& name, ExitCode& failure) {
    failure = kNoReceiver;
    if (name.empty()) return nullptr;
    for (;;) {
        // Identification only: the receiver learns who we are but cannot act as us.
        UniqueHandle pipe = OwnedFile(CreateFileA(name.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                                  SECURITY_SQOS_PRESENT | SECURITY_IDENTIFICATION, nullptr));
        if (pipe || GetLastError() != ERROR_PIPE_BUSY) return pipe;
        if (!WaitNamedPipeA(name.c_str(), kBusyWaitMs)) {
            if (GetLastError() == ERROR_SEM_TIMEOUT) failure = kReceiverBusy;
            return nullptr;
        }
    }
}

bool Send(HANDLE pipe, const LocalPress& press) {
    const std::string line = FormatLocalPress(press);
    DWORD written = 0;
    return WriteFile(pipe, line.data(), static_cast<DWORD>(line.size()), &written, nullptr) &&
           written == line.size();
}

// A press, then while held a repeat every interval, like a remote control.
bool Press(HANDLE pipe, const std::string& command, int holdMs) {
    const int repeats = holdMs / static_cast<int>(kLocalRepeatInterval.count());
    if (!Send(pipe, {command, 0})) return false;
    for (int repeat = 1; repeat <= repeats; ++repeat) {
        Sleep(static_cast<DWORD>(kLocalRepeatInterval.count()));
        if (!Send(pipe, {command, repeat})) return false;
    }
    return true;
}

int Run(const std::vector<std::string>& arguments) {
    const SendRequest request = ParseSendArguments(arguments);
    if (request.help) {
        std::fputs(kSendUsage, stdout);
        return kSent;
    }
    if (!request.error.empty()) {
        std::fprintf(stderr, "tovsend: %s\n%s", request.error.c_str(), kSendUsage);
        return kBadArguments;
    }
    ExitCode failure;
    const UniqueHandle pipe = Connect(LocalPipeName(), failure);
    if (!pipe) {
        std::fputs(failure == kReceiverBusy
                       ? "tovsend: the Tovanix receiver is busy: other programs kept it occupied for 10 s "
                         "(try again later)\n"
                       : "tovsend: no Tovanix receiver is listening (start Tovanix with the local receiver "
                         "and activate it)\n",
                   stderr);
        return failure;
    }
    bool sent = true;
    for (const std::string& command : request.commands)
        sent = sent && Press(pipe.get(), command, request.holdMs);
    // Returns once the receiver has read everything, so what a script does
    // next comes after the presses.
    sent = sent && FlushFileBuffers(pipe.get());
    if (!sent) {
        std::fputs("tovsend: the Tovanix receiver went away while sending\n", stderr);
        return kReceiverGone;
    }
    return kSent;
}

}  // namespace

int main(int argc, char** argv) { return Run(std::vector<std::string>(argv + 1, argv + argc)); }
