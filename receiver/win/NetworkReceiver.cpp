// tovnet.dll, the network receiver: a client of the lircd / WinLIRC line
// protocol over TCP. Connecting, reading and reconnecting after the server
// goes away all happen on the background thread; each wait also watches the
// stop event, so stopping is prompt. The user is told once when the server
// cannot be reached and once when it can again.
#include <winsock2.h>
#include <ws2tcpip.h>

// After winsock2.h, which it needs.
#include <mstcpip.h>

#include <optional>
#include <string>

#include "core/Settings.h"
#include "receiver/LircProtocol.h"
#include "receiver/ServerStatus.h"
#include "receiver/win/DriverBase.h"
#include "receiver/win/NetworkResource.h"
#include "receiver/win/TdlgDriverSettings.h"

namespace {

constexpr DWORD kConnectTimeoutMs = 5000;
constexpr ULONG kKeepAliveIdleMs = 10000;
constexpr ULONG kKeepAliveIntervalMs = 2000;

class Socket {
  public:
    Socket() = default;
    explicit Socket(SOCKET s) : socket_(s) {}
    ~Socket() {
        if (socket_ != INVALID_SOCKET) closesocket(socket_);
    }
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;
    SOCKET get() const { return socket_; }

  private:
    SOCKET socket_ = INVALID_SOCKET;
};

class NetworkListener : public Listener {
  public:
    NetworkListener(std::string host, std::string port)
        : host_(std::move(host)), port_(std::move(port)), event_(WSACreateEvent()) {}
    ~NetworkListener() override {
        if (event_ != WSA_INVALID_EVENT) WSACloseEvent(event_);
        WSACleanup();
    }

    void Listen(HANDLE stop, const HostReporter& reporter) override {
        if (event_ == WSA_INVALID_EVENT) return;
        ServerStatus status(ServerAddress(host_, port_));
        RetryDelay retry;
        for (;;) {
            // Only a server that sent a line makes the next wait short: one
            // that accepts and closes at once is tried ever less often, like
            // one that is away.
            if (Session(stop, reporter, status)) retry.Reset();
            if (!retry.Wait(stop)) return;
        }
    }

  private:
    enum class Wait { kReady, kStopped, kTimedOut };

    Wait Await(HANDLE stop, DWORD timeoutMs) {
        const HANDLE handles[] = {stop, event_};
        switch (WaitForMultipleObjects(2, handles, FALSE, timeoutMs)) {
            case WAIT_OBJECT_0 + 1:
                return Wait::kReady;
            case WAIT_TIMEOUT:
                return Wait::kTimedOut;
            default:
                return Wait::kStopped;
        }
    }

    // One connection, from connecting until the server closes it or stop is
    // signalled. True when the server sent a line.
    bool Session(HANDLE stop, const HostReporter& reporter, ServerStatus& status) {
        addrinfo hints{};
        hints.ai_family = AF_UNSPEC;
        hints.ai_socktype = SOCK_STREAM;
        hints.ai_protocol = IPPROTO_TCP;
        addrinfo* addresses = nullptr;
        bool connected = false;
        bool sentLine = false;
        if (getaddrinfo(host_.c_str(), port_.c_str(), &hints, &addresses) == 0) {
            for (addrinfo* a = addresses; a && !connected; a = a->ai_next) {
                Socket socket(::socket(a->ai_family, a->ai_socktype, a->ai_protocol));
                if (socket.get() == INVALID_SOCKET) continue;
                connected = Connect(socket, *a, stop);
                if (!connected) continue;
                Tell(reporter, status.Connected());
                KeepAlive(socket);
                sentLine = Read(socket, stop, reporter);
            }
            freeaddrinfo(addresses);
        }
        // Stopping while connecting is no failure to reach the server.
        if (!connected && WaitForSingleObject(stop, 0) == WAIT_TIMEOUT) Tell(reporter, status.Unreachable());
        return sentLine;
    }

    static void Tell(const HostReporter& reporter, const std::optional<std::string>& text) {
        if (text) reporter.Status(*text);
    }

    bool Connect(const Socket& socket, const addrinfo& address, HANDLE stop) {
        WSAResetEvent(event_);
        // The event select makes the socket non-blocking and signals event_.
        if (WSAEventSelect(socket.get(), event_, FD_CONNECT | FD_READ | FD_CLOSE) != 0) return false;
        if (connect(socket.get(), address.ai_addr, static_cast<int>(address.ai_addrlen)) == 0) return true;
        if (WSAGetLastError() != WSAEWOULDBLOCK) return false;
        if (Await(stop, kConnectTimeoutMs) != Wait::kReady) return false;
        WSANETWORKEVENTS events{};
        if (WSAEnumNetworkEvents(socket.get(), event_, &events) != 0) return false;
        return (events.lNetworkEvents & FD_CONNECT) && events.iErrorCode[FD_CONNECT_BIT] == 0;
    }

    // The server sends nothing between presses: without probes a server
    // machine that lost power would leave the connection open for hours.
    static void KeepAlive(const Socket& socket) {
        tcp_keepalive probes{1, kKeepAliveIdleMs, kKeepAliveIntervalMs};
        DWORD returned = 0;
        WSAIoctl(socket.get(), SIO_KEEPALIVE_VALS, &probes, sizeof probes, nullptr, 0, &returned, nullptr,
                 nullptr);
    }

    // Until the connection ends; true when a whole line came. Each read is
    // overlapped: when the wait ends the text is already in the buffer, with
    // no further call between the server's line and the press.
    bool Read(const Socket& socket, HANDLE stop, const HostReporter& reporter) {
        // The reads signal the event from here on, not the event select.
        if (WSAEventSelect(socket.get(), nullptr, 0) != 0) return false;
        LircReader reader;
        char buffer[4096];
        WSAOVERLAPPED overlapped{};
        overlapped.hEvent = event_;
        for (;;) {
            WSABUF slice{sizeof buffer, buffer};
            DWORD got = 0;
            DWORD flags = 0;
            if (WSARecv(socket.get(), &slice, 1, &got, &flags, &overlapped, nullptr) != 0) {
                if (WSAGetLastError() != WSA_IO_PENDING) break;
                if (Await(stop, INFINITE) != Wait::kReady) {
                    // The buffer must outlive the read.
                    CancelIoEx(reinterpret_cast<HANDLE>(socket.get()), &overlapped);
                    WSAGetOverlappedResult(socket.get(), &overlapped, &got, TRUE, &flags);
                    break;
                }
                if (!WSAGetOverlappedResult(socket.get(), &overlapped, &got, FALSE, &flags)) break;
            }
            if (got == 0) break;  // closed
            reader.Feed(std::string_view(buffer, got), [&](const LircPress& press) {
                reporter.Press(LircCommand(press), press.repeatCount);
            });
        }
        return reader.SawLine();
    }

    const std::string host_;
    const std::string port_;
    const WSAEVENT event_;
};

std::unique_ptr<Listener> Begin() {
    WSADATA data;
    if (WSAStartup(MAKEWORD(2, 2), &data) != 0) return nullptr;
    // The listener owns the Winsock start-up from here on.
    return std::make_unique<NetworkListener>(ReadSetting(setting::NetworkHost),
                                             std::to_string(ReadSetting(setting::NetworkPort)));
}

void ShowSettings(HWND owner) {
    RunSettingsDialog(IDD_NETWORK, owner,
                      {{IDC_NETWORK_HOST, nullptr, &setting::NetworkHost},
                       {IDC_NETWORK_PORT, &setting::NetworkPort, nullptr}});
}

}  // namespace

const DriverDefinition kDriver{"Network receiver (lircd/WinLIRC)", &Begin, &ShowSettings};
