// The network receiver through the DRV_* exports, against a real lircd
// (pressed with irsend SIMULATE) and against a faulty server of our own.
#include <gtest/gtest.h>

#include "core/Settings.h"
#include "receiver/tovdrv.h"
#include "tests/support/ReceiverTestSupport.h"
#include "tests/support/SettingOverride.h"
#include "tests/support/WinTestSupport.h"

namespace {

using Commands = std::vector<std::string>;

class NetworkReceiverTest : public testing::Test {
  protected:
    void SetUp() override {
        SetCurrentDirectoryA(TestProgramFolder().c_str());
        ASSERT_TRUE(peers.ready());
    }
    void TearDown() override { DRV_Close(); }

    // Starts lircd and points the receiver at its port.
    void StartLircd() {
        const std::string reply = peers.Command("lircd start");
        ASSERT_EQ(reply.substr(0, 3), "ok ") << reply;
        port = std::make_unique<SettingOverride>(setting::NetworkPort, std::stoi(reply.substr(3)));
    }

    void Start() {
        ASSERT_TRUE(DRV_Init());
        DRV_SetPause(true);
        ASSERT_TRUE(DRV_Activate());
        DRV_SetPause(false);
        DRV_SetRepeat(false);
        DRV_SetIRCommandProc(recorder.proc());
    }

    bool WaitConnected() { return WaitForLircd(peers, recorder); }

    void Send(const std::string& button) {
        EXPECT_EQ(peers.Command("lircd send " + LircdLine(button, 0)), "ok");
    }

    SettingOverride driver{setting::Driver, "tovnet.dll"};
    SettingOverride host{setting::NetworkHost, "127.0.0.1"};
    SettingOverride skip{setting::Skip, 0};
    SettingOverride pressDelay{setting::PressDelay, 0};
    std::unique_ptr<SettingOverride> port;
    Peers peers;
    Recorder recorder;
};

TEST_F(NetworkReceiverTest, ReconnectsWhenTheServerIsStoppedAndStartedAgain) {
    StartLircd();
    Start();
    ASSERT_TRUE(WaitConnected());
    ASSERT_EQ(peers.Command("lircd stop"), "ok");
    PumpFor(1500ms);  // a few failed attempts
    EXPECT_TRUE(DRV_IsActivated());
    StartLircd();
    ASSERT_TRUE(WaitConnected());
    Send("KEY_UP");
    ASSERT_TRUE(recorder.WaitFor(1));
    EXPECT_EQ(recorder.commands, (Commands{"testremote.KEY_UP"}));
}

TEST_F(NetworkReceiverTest, WithoutAServerActivatesAtOnceWaitsIdleAndConnectsWhenItComes) {
    StartLircd();
    ASSERT_EQ(peers.Command("lircd stop"), "ok");
    const auto before = std::chrono::steady_clock::now();
    Start();
    EXPECT_LT(std::chrono::steady_clock::now() - before, 500ms) << "activation must not wait for the server";
    EXPECT_LT(ProcessorTimeWhilePumping(3s), 50ms);
    StartLircd();
    ASSERT_TRUE(WaitConnected());
}

TEST_F(NetworkReceiverTest, DeactivatingWhileWaitingForTheServerIsPrompt) {
    StartLircd();
    ASSERT_EQ(peers.Command("lircd stop"), "ok");
    Start();
    PumpFor(2000ms);  // between attempts
    const auto before = std::chrono::steady_clock::now();
    EXPECT_TRUE(DRV_Deactivate());
    EXPECT_LT(std::chrono::steady_clock::now() - before, 500ms);
}

// A server of our own that sends what a faulty or unusual server might.
// Its port is taken at once; connections are refused until it listens.
class FaultyServer {
  public:
    explicit FaultyServer(bool listening = true) {
        WSADATA data;
        WSAStartup(MAKEWORD(2, 2), &data);
        listener_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        int size = sizeof address;
        bind(listener_, reinterpret_cast<sockaddr*>(&address), size);
        if (listening) Listen();
        getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &size);
        port = ntohs(address.sin_port);
    }
    ~FaultyServer() {
        Drop();
        StopListening();
        WSACleanup();
    }
    void Listen() { listen(listener_, 1); }
    // Connections are refused again.
    void StopListening() {
        if (listener_ != INVALID_SOCKET) closesocket(listener_);
        listener_ = INVALID_SOCKET;
    }
    // Waits for the receiver to connect.
    bool Accept(std::chrono::milliseconds timeout = 10s) {
        if (!Connecting(timeout)) return false;
        client_ = accept(listener_, nullptr, nullptr);
        return client_ != INVALID_SOCKET;
    }
    // True when a connection comes within timeout.
    bool Connecting(std::chrono::milliseconds timeout) {
        fd_set ready;
        FD_ZERO(&ready);
        FD_SET(listener_, &ready);
        const auto ms = timeout.count();
        timeval wait{static_cast<long>(ms / 1000), static_cast<long>(ms % 1000 * 1000)};
        return select(0, &ready, nullptr, nullptr, &wait) == 1;
    }
    void Send(const std::string& data) { send(client_, data.data(), static_cast<int>(data.size()), 0); }
    void Drop() {
        if (client_ != INVALID_SOCKET) closesocket(client_);
        client_ = INVALID_SOCKET;
    }
    int port = 0;

  private:
    SOCKET listener_ = INVALID_SOCKET;
    SOCKET client_ = INVALID_SOCKET;
};

TEST_F(NetworkReceiverTest, SkipsMalformedLinesAndReplyBlocks) {
    FaultyServer server;
    SettingOverride serverPort(setting::NetworkPort, server.port);
    Start();
    ASSERT_TRUE(server.Accept());
    server.Send("garbage\n\x01\x02\xff\n0000000000000001 00 " + std::string(600, 'x') + " r\n");
    server.Send("BEGIN\nSIGHUP\nEND\nBEGIN\nLIST\nSUCCESS\nDATA\n1\n0000000000000001 00 KEY_X r\nEND\n");
    server.Send(std::string(100000, 'y'));  // an endless line, then its end
    server.Send("\n0000000000000001 00 KEY_OK remote\r\n0000000000000001 00 KEY");
    server.Send("_UP remote\n");
    ASSERT_TRUE(recorder.WaitFor(2));
    PumpFor(200ms);
    EXPECT_EQ(recorder.commands, (Commands{"remote.KEY_OK", "remote.KEY_UP"}));
}

TEST_F(NetworkReceiverTest, CommandsAreCutAndTheirSeparatorsReplaced) {
    FaultyServer server;
    SettingOverride serverPort(setting::NetworkPort, server.port);
    Start();
    ASSERT_TRUE(server.Accept());
    server.Send("0000000000000001 00 A;B,C my;remote\n");
    server.Send("0000000000000001 00 " + std::string(200, 'b') + " r\n");
    ASSERT_TRUE(recorder.WaitFor(2));
    EXPECT_EQ(recorder.commands[0], "my_remote.A_B_C");
    EXPECT_EQ(recorder.commands[1], "r." + std::string(126, 'b'));
}

TEST_F(NetworkReceiverTest, ConnectsAgainWhenTheServerDropsTheConnection) {
    FaultyServer server;
    SettingOverride serverPort(setting::NetworkPort, server.port);
    Start();
    ASSERT_TRUE(server.Accept());
    server.Send("0000000000000001 00 ONE r\n0000000000000001 00 TW");
    ASSERT_TRUE(recorder.WaitFor(1));
    server.Drop();
    ASSERT_TRUE(server.Accept());
    // The cut line of the old connection is gone.
    server.Send("O r\n0000000000000001 00 THREE r\n");
    ASSERT_TRUE(recorder.WaitFor(2));
    PumpFor(200ms);
    EXPECT_EQ(recorder.commands, (Commands{"r.ONE", "r.THREE"}));
}

TEST_F(NetworkReceiverTest, AStrayBeginDoesNotSilenceTheConnection) {
    FaultyServer server;
    SettingOverride serverPort(setting::NetworkPort, server.port);
    Start();
    ASSERT_TRUE(server.Accept());
    server.Send("BEGIN\n0000000000000001 00 ONE r\n");
    server.Send("BEGIN\nVERSION\nSUCCESS\n0000000000000001 00 TWO r\n");
    ASSERT_TRUE(recorder.WaitFor(2));
    EXPECT_EQ(recorder.commands, (Commands{"r.ONE", "r.TWO"}));
    EXPECT_FALSE(server.Connecting(300ms)) << "the receiver must not need to connect again";
}

TEST_F(NetworkReceiverTest, AServerThatClosesAtOnceIsTriedEverLessOften) {
    FaultyServer server;
    SettingOverride serverPort(setting::NetworkPort, server.port);
    Start();
    // Attempts at 0, 0.25, 0.75 and 1.75 s with the waits doubling; every
    // 250 ms there would be ten.
    int attempts = 0;
    const auto end = std::chrono::steady_clock::now() + 2500ms;
    for (auto now = std::chrono::steady_clock::now(); now < end; now = std::chrono::steady_clock::now()) {
        if (!server.Accept(std::chrono::duration_cast<std::chrono::milliseconds>(end - now))) continue;
        ++attempts;
        server.Drop();
    }
    EXPECT_GE(attempts, 3);
    EXPECT_LE(attempts, 5);
}

// Records the receiver's status texts.
struct StatusRecorder {
    StatusRecorder() { DRV_SetStatusProc({&Record, this}); }
    ~StatusRecorder() { DRV_SetStatusProc({nullptr, nullptr}); }
    static void Record(void* context, const char* text) {
        static_cast<StatusRecorder*>(context)->texts.emplace_back(text);
    }
    std::vector<std::string> texts;
};

TEST_F(NetworkReceiverTest, TellsOncePerLossThatTheServerCannotBeReached) {
    FaultyServer server(false);
    SettingOverride serverPort(setting::NetworkPort, server.port);
    const std::string address = "127.0.0.1:" + std::to_string(server.port);
    const std::string lost = "Tovanix cannot reach the IR receiver server at " + address + ".";
    const std::string back = "Tovanix is connected to the IR receiver server at " + address + " again.";
    Start();
    StatusRecorder status;
    PumpFor(2000ms);  // four refused attempts
    EXPECT_EQ(status.texts, (Commands{lost}));
    server.Listen();
    ASSERT_TRUE(server.Accept());
    server.Send("0000000000000001 00 ONE r\n");
    ASSERT_TRUE(recorder.WaitFor(1));
    EXPECT_EQ(status.texts, (Commands{lost, back}));
    server.Drop();
    server.StopListening();
    PumpFor(1500ms);  // attempts at 0.25, 0.75 s after the loss
    EXPECT_EQ(status.texts, (Commands{lost, back, lost}));
}

TEST_F(NetworkReceiverTest, AReachableServerIsNothingToTell) {
    FaultyServer server;
    SettingOverride serverPort(setting::NetworkPort, server.port);
    Start();
    StatusRecorder status;
    ASSERT_TRUE(server.Accept());
    server.Send("0000000000000001 00 ONE r\n");
    ASSERT_TRUE(recorder.WaitFor(1));
    server.Drop();
    ASSERT_TRUE(server.Accept());
    EXPECT_TRUE(DRV_Deactivate());
    PumpFor(300ms);
    EXPECT_TRUE(status.texts.empty());
}

}  // namespace
