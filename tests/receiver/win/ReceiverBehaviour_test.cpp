// What every receiver does, checked against each one with its real peer:
// the local receiver through its channel, the network receiver with lircd,
// the serial receiver with the IRMan device script.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "core/Settings.h"
#include "receiver/LocalProtocol.h"
#include "receiver/tovdrv.h"
#include "receiver/win/LocalChannel.h"
#include "tests/support/ReceiverTestSupport.h"
#include "tests/support/SettingOverride.h"
#include "tests/support/WinTestSupport.h"

namespace {

using Commands = std::vector<std::string>;

// Makes a receiver's peer press buttons. Buttons are named by 12 hex digits,
// which every receiver can carry.
class Source {
  public:
    virtual ~Source() = default;
    // Brings the peer up and selects the driver, before DRV_Init.
    virtual void Prepare(Peers& peers) = 0;
    // After activation: true once presses reach the receiver.
    virtual bool Ready(Recorder&) { return true; }
    virtual void Press(const std::string& button, int repeatCount) = 0;
    // The IR command that the receiver makes of the button.
    virtual std::string Command(const std::string& button) { return button; }

  protected:
    std::vector<std::unique_ptr<SettingOverride>> settings_;
    Peers* peers_ = nullptr;
};

class LocalSource : public Source {
  public:
    ~LocalSource() override {
        if (pipe_ != INVALID_HANDLE_VALUE) CloseHandle(pipe_);
    }
    void Prepare(Peers&) override {
        settings_.push_back(std::make_unique<SettingOverride>(setting::Driver, ""));
    }
    void Press(const std::string& button, int repeatCount) override {
        if (pipe_ == INVALID_HANDLE_VALUE)
            pipe_ =
                CreateFileA(LocalPipeName().c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        const std::string line = FormatLocalPress({button, repeatCount});
        DWORD written = 0;
        EXPECT_TRUE(WriteFile(pipe_, line.data(), static_cast<DWORD>(line.size()), &written, nullptr));
    }

  private:
    HANDLE pipe_ = INVALID_HANDLE_VALUE;
};

class LircdSource : public Source {
  public:
    void Prepare(Peers& peers) override {
        peers_ = &peers;
        const std::string reply = peers.Command("lircd start");
        ASSERT_EQ(reply.substr(0, 3), "ok ") << reply;
        settings_.push_back(std::make_unique<SettingOverride>(setting::Driver, "tovnet.dll"));
        settings_.push_back(std::make_unique<SettingOverride>(setting::NetworkHost, "127.0.0.1"));
        settings_.push_back(
            std::make_unique<SettingOverride>(setting::NetworkPort, std::stoi(reply.substr(3))));
    }
    bool Ready(Recorder& recorder) override { return WaitForLircd(*peers_, recorder); }
    void Press(const std::string& button, int repeatCount) override {
        EXPECT_EQ(peers_->Command("lircd send " + LircdLine(button, repeatCount)), "ok");
    }
    std::string Command(const std::string& button) override { return "testremote." + button; }
};

class IrmanSource : public Source {
  public:
    void Prepare(Peers& peers) override {
        peers_ = &peers;
        ASSERT_EQ(peers.Command("irman start COM7 answer"), "ok");
        settings_.push_back(std::make_unique<SettingOverride>(setting::Driver, "tovirman.dll"));
        settings_.push_back(std::make_unique<SettingOverride>(setting::SerialPort, "COM7"));
    }
    void Press(const std::string& button, int repeatCount) override {
        // The device has no repeat count: a new press is a pause first.
        if (repeatCount == 0) Sleep(250);
        EXPECT_EQ(peers_->Command("irman send " + button), "ok");
    }
};

struct ReceiverKind {
    const char* name;
    std::function<std::unique_ptr<Source>()> make;
};

class ReceiverBehaviour : public testing::TestWithParam<ReceiverKind> {
  protected:
    void SetUp() override {
        SetCurrentDirectoryA(TestProgramFolder().c_str());
        ASSERT_TRUE(peers.ready());
        source->Prepare(peers);
        ASSERT_TRUE(DRV_Init());
        DRV_SetPause(true);
        ASSERT_TRUE(DRV_Activate());
        DRV_SetPause(false);
        DRV_SetRepeat(false);
        DRV_SetIRCommandProc(recorder.proc());
        ASSERT_TRUE(source->Ready(recorder));
    }
    void TearDown() override { DRV_Close(); }

    const std::string a = "0000000000A1";
    const std::string b = "0000000000B2";
    SettingOverride skip{setting::Skip, 0};
    SettingOverride pressDelay{setting::PressDelay, 0};
    Peers peers;
    std::unique_ptr<Source> source = GetParam().make();
    Recorder recorder;
};

TEST_P(ReceiverBehaviour, APressReachesTheCallback) {
    source->Press(a, 0);
    ASSERT_TRUE(recorder.WaitFor(1));
    EXPECT_EQ(recorder.commands, (Commands{source->Command(a)}));
}

TEST_P(ReceiverBehaviour, WithRepeatOffAHeldButtonCountsOnce) {
    for (int i = 0; i < 4; ++i) source->Press(a, i);
    source->Press(b, 0);
    ASSERT_TRUE(recorder.WaitFor(2));
    PumpFor(200ms);
    EXPECT_EQ(recorder.commands, (Commands{source->Command(a), source->Command(b)}));
}

TEST_P(ReceiverBehaviour, WithRepeatOnEveryRepeatCounts) {
    DRV_SetRepeat(true);
    // Each taken before the next comes: while the host is busy, one waiting
    // repeat stands for the rest of the hold.
    for (int i = 0; i < 4; ++i) {
        source->Press(a, i);
        ASSERT_TRUE(recorder.WaitFor(i + 1));
    }
    PumpFor(200ms);
    EXPECT_EQ(recorder.commands, Commands(4, source->Command(a)));
}

TEST_P(ReceiverBehaviour, NothingArrivesWhilePaused) {
    DRV_SetPause(true);
    source->Press(a, 0);
    PumpFor(300ms);
    EXPECT_TRUE(recorder.commands.empty());
    DRV_SetPause(false);
    source->Press(b, 0);
    ASSERT_TRUE(recorder.WaitFor(1));
    PumpFor(100ms);
    EXPECT_EQ(recorder.commands, (Commands{source->Command(b)}));
}

TEST_P(ReceiverBehaviour, AnIdleReceiverUsesNoProcessor) { EXPECT_LT(ProcessorTimeWhilePumping(2s), 50ms); }

TEST_P(ReceiverBehaviour, DeactivatingIsPromptAndActivatingAgainWorks) {
    const auto before = std::chrono::steady_clock::now();
    EXPECT_TRUE(DRV_Deactivate());
    EXPECT_LT(std::chrono::steady_clock::now() - before, 500ms);
    EXPECT_FALSE(DRV_IsActivated());
    ASSERT_TRUE(DRV_Activate());
    ASSERT_TRUE(source->Ready(recorder));
    source->Press(a, 0);
    ASSERT_TRUE(recorder.WaitFor(1));
}

INSTANTIATE_TEST_SUITE_P(
    Receivers, ReceiverBehaviour,
    testing::Values(ReceiverKind{"Local", [] { return std::unique_ptr<Source>(new LocalSource); }},
                    ReceiverKind{"Lircd", [] { return std::unique_ptr<Source>(new LircdSource); }},
                    ReceiverKind{"Irman", [] { return std::unique_ptr<Source>(new IrmanSource); }}),
    [](const testing::TestParamInfo<ReceiverKind>& info) { return std::string(info.param.name); });

}  // namespace
