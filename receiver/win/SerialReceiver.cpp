// tovirman.dll, the serial receiver for IRMan-compatible devices: powers the
// device from the port's RTS and DTR lines, checks its handshake when
// receiving starts (and when the device comes back after going away), then
// turns its 6-byte codes into commands.
#include <windows.h>

#include <chrono>
#include <cstring>
#include <string>

#include "core/Settings.h"
#include "core/win/Scoped.h"
#include "receiver/IrmanProtocol.h"
#include "receiver/win/DriverBase.h"
#include "receiver/win/SerialResource.h"
#include "receiver/win/TdlgDriverSettings.h"

namespace {

constexpr DWORD kPowerUpMs = 100;
constexpr DWORD kHandshakeGapMs = 2;  // at least 500 µs between "I" and "R"
constexpr auto kHandshakeTimeout = std::chrono::milliseconds(2000);

class Port {
  public:
    explicit Port(const std::string& name)
        : handle_(OwnedFile(CreateFileA(("\\\\.\\" + name).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                        OPEN_EXISTING, FILE_FLAG_OVERLAPPED, nullptr))),
          event_(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {}
    // The device is powered down before the port closes.
    ~Port() {
        if (!handle_) return;
        EscapeCommFunction(handle_.get(), CLRDTR);
        EscapeCommFunction(handle_.get(), CLRRTS);
    }
    Port(const Port&) = delete;
    Port& operator=(const Port&) = delete;

    // 9600 baud 8N1 without flow control, RTS and DTR raised to power the
    // device; reads return as soon as there is one byte.
    bool Configure() {
        if (!handle_ || !event_) return false;
        DCB dcb{};
        dcb.DCBlength = sizeof dcb;
        if (!GetCommState(handle_.get(), &dcb)) return false;
        dcb.BaudRate = CBR_9600;
        dcb.ByteSize = 8;
        dcb.Parity = NOPARITY;
        dcb.StopBits = ONESTOPBIT;
        dcb.fBinary = TRUE;
        dcb.fParity = FALSE;
        dcb.fOutxCtsFlow = FALSE;
        dcb.fOutxDsrFlow = FALSE;
        dcb.fDsrSensitivity = FALSE;
        dcb.fOutX = FALSE;
        dcb.fInX = FALSE;
        dcb.fDtrControl = DTR_CONTROL_ENABLE;
        dcb.fRtsControl = RTS_CONTROL_ENABLE;
        if (!SetCommState(handle_.get(), &dcb)) return false;
        COMMTIMEOUTS timeouts{};
        return SetCommTimeouts(handle_.get(), &timeouts);
    }

    void DropInput() { PurgeComm(handle_.get(), PURGE_RXCLEAR | PURGE_RXABORT); }

    bool Write(const char* text) {
        OVERLAPPED overlapped{};
        overlapped.hEvent = event_.get();
        DWORD written = 0;
        const DWORD size = static_cast<DWORD>(std::strlen(text));
        if (!WriteFile(handle_.get(), text, size, &written, &overlapped) &&
            (GetLastError() != ERROR_IO_PENDING ||
             !GetOverlappedResult(handle_.get(), &overlapped, &written, TRUE)))
            return false;
        return written == size;
    }

    // One byte, waiting at most timeoutMs and no longer than stop is unset.
    bool ReadByte(HANDLE stop, DWORD timeoutMs, unsigned char& byte) {
        OVERLAPPED overlapped{};
        overlapped.hEvent = event_.get();
        DWORD got = 0;
        if (!ReadFile(handle_.get(), &byte, 1, &got, &overlapped)) {
            if (GetLastError() != ERROR_IO_PENDING) return false;
            const HANDLE handles[] = {event_.get(), stop};
            if (WaitForMultipleObjects(stop ? 2 : 1, handles, FALSE, timeoutMs) != WAIT_OBJECT_0)
                CancelIo(handle_.get());
            if (!GetOverlappedResult(handle_.get(), &overlapped, &got, TRUE)) return false;
        }
        return got == 1;
    }

  private:
    const UniqueHandle handle_;
    const UniqueHandle event_;
};

// The device answers "I", a short gap, "R" with "OK" when it is there.
// Waiting for the answer ends early when stop (if any) is signalled.
bool Handshake(Port& port, HANDLE stop) {
    if (!port.Write("I")) return false;
    Sleep(kHandshakeGapMs);
    if (!port.Write("R")) return false;
    const auto deadline = std::chrono::steady_clock::now() + kHandshakeTimeout;
    std::string reply;
    while (reply.find(kIrmanHandshakeReply) == std::string::npos) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        unsigned char byte;
        if (left.count() <= 0 || !port.ReadByte(stop, static_cast<DWORD>(left.count()), byte)) return false;
        reply += static_cast<char>(byte);
    }
    return true;
}

// The port set up and the device powered and answering; null when not.
std::unique_ptr<Port> OpenDevice(HANDLE stop) {
    auto port = std::make_unique<Port>(ReadSetting(setting::SerialPort));
    if (!port->Configure()) return nullptr;
    // The device sends noise while it powers up.
    Sleep(kPowerUpMs);
    port->DropInput();
    if (!Handshake(*port, stop)) return nullptr;
    return port;
}

class SerialListener : public Listener {
  public:
    explicit SerialListener(std::unique_ptr<Port> port) : port_(std::move(port)) {}

    // A device that goes away (a USB adapter pulled out) is opened again
    // once it is back.
    void Listen(HANDLE stop, const HostReporter& reporter) override {
        RetryDelay retry;
        for (;;) {
            if (port_) {
                Read(stop, reporter);
                port_.reset();
                retry.Reset();
            }
            if (!retry.Wait(stop)) return;
            port_ = OpenDevice(stop);
        }
    }

  private:
    // Until the device fails or stop is signalled.
    void Read(HANDLE stop, const HostReporter& reporter) {
        IrmanFrameDecoder frames;
        IrmanRepeatCounter repeats;
        unsigned char byte;
        while (port_->ReadByte(stop, INFINITE, byte)) {
            const auto now = IrmanClock::now();
            if (std::optional<std::string> code = frames.Feed(byte, now))
                reporter.Press(*code, repeats.Next(*code, now));
        }
    }

    std::unique_ptr<Port> port_;
};

std::unique_ptr<Listener> Begin() {
    std::unique_ptr<Port> port = OpenDevice(nullptr);
    return port ? std::make_unique<SerialListener>(std::move(port)) : nullptr;
}

void ShowSettings(HWND owner) {
    RunSettingsDialog(IDD_SERIAL, owner, {{IDC_SERIAL_PORT, nullptr, &setting::SerialPort}});
}

}  // namespace

const DriverDefinition kDriver{"IRMan serial receiver", &Begin, &ShowSettings};
