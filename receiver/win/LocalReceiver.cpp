// tovlocal.dll, the local receiver: other programs of the same user on this
// machine press buttons through the local channel (the sender tool tovsend).
// One sender at a time; others wait for their turn.
#include <windows.h>

#include "DriverBase.h"
#include "LocalChannel.h"
#include "LocalProtocol.h"

namespace {

// A sender that connects and then says nothing for this long is dropped, so
// that it cannot keep the others out.
constexpr DWORD kIdleTimeoutMs = 5000;

// Waits for an overlapped operation: true when it completed, false when it
// failed, timed out or stop was signalled (then it is cancelled).
bool Await(HANDLE pipe, OVERLAPPED& overlapped, HANDLE stop, DWORD timeoutMs, DWORD& bytes) {
    const HANDLE handles[] = {stop, overlapped.hEvent};
    if (WaitForMultipleObjects(2, handles, FALSE, timeoutMs) != WAIT_OBJECT_0 + 1) CancelIo(pipe);
    return GetOverlappedResult(pipe, &overlapped, &bytes, TRUE);
}

class LocalListener : public Listener {
  public:
    explicit LocalListener(HANDLE pipe) : pipe_(pipe), event_(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {}
    ~LocalListener() override {
        CloseHandle(pipe_);
        if (event_) CloseHandle(event_);
    }

    void Listen(HANDLE stop, const HostReporter& reporter) override {
        if (!event_) return;
        while (WaitForSingleObject(stop, 0) == WAIT_TIMEOUT) {
            if (AwaitSender(stop)) Serve(stop, reporter);
            DisconnectNamedPipe(pipe_);
        }
    }

  private:
    OVERLAPPED Overlapped() {
        OVERLAPPED overlapped{};
        overlapped.hEvent = event_;
        return overlapped;
    }

    bool AwaitSender(HANDLE stop) {
        OVERLAPPED overlapped = Overlapped();
        if (ConnectNamedPipe(pipe_, &overlapped)) return true;
        const DWORD error = GetLastError();
        if (error == ERROR_PIPE_CONNECTED) return true;
        DWORD bytes;
        return error == ERROR_IO_PENDING && Await(pipe_, overlapped, stop, INFINITE, bytes);
    }

    void Serve(HANDLE stop, const HostReporter& reporter) {
        LocalReader reader;
        char buffer[512];
        for (;;) {
            OVERLAPPED overlapped = Overlapped();
            DWORD bytes = 0;
            const bool done =
                ReadFile(pipe_, buffer, sizeof buffer, &bytes, &overlapped) ||
                (GetLastError() == ERROR_IO_PENDING && Await(pipe_, overlapped, stop, kIdleTimeoutMs, bytes));
            if (!done || bytes == 0) return;
            reader.Feed(std::string_view(buffer, bytes),
                        [&](const LocalPress& press) { reporter.Press(press.command, press.repeatCount); });
        }
    }

    HANDLE pipe_;
    HANDLE event_;
};

std::unique_ptr<Listener> Begin() {
    const std::string name = LocalPipeName();
    if (name.empty()) return nullptr;
    HANDLE pipe = CreateLocalPipe(name);
    if (pipe == INVALID_HANDLE_VALUE) return nullptr;
    return std::make_unique<LocalListener>(pipe);
}

void ShowSettings(HWND owner) {
    MessageBoxA(owner,
                "The local receiver has no settings.\n\n"
                "Programs and scripts of your user account press buttons with the sender tool "
                "in the Tovanix folder, for example:\n\n"
                "    tovsend KEY_UP\n"
                "    tovsend --hold 800 KEY_VOLUMEUP",
                "Local receiver", MB_OK | MB_ICONINFORMATION);
}

}  // namespace

const DriverDefinition kDriver{"Local receiver (tovsend)", &Begin, &ShowSettings};
