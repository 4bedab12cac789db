// The IRMan serial receiver through the DRV_* exports, against a device
// script on a socat pty pair that Wine sees as COM7.
#include <gtest/gtest.h>

#include "core/Settings.h"
#include "receiver/tovdrv.h"
#include "tests/support/ReceiverTestSupport.h"
#include "tests/support/SettingOverride.h"
#include "tests/support/WinTestSupport.h"

namespace {

using Commands = std::vector<std::string>;

class SerialReceiverTest : public testing::Test {
  protected:
    void SetUp() override {
        SetCurrentDirectoryA(TestProgramFolder().c_str());
        ASSERT_TRUE(peers.ready());
    }
    void TearDown() override { DRV_Close(); }

    void Plug(const char* mode) { ASSERT_EQ(peers.Command(std::string("irman start COM7 ") + mode), "ok"); }

    bool Activate() {
        if (!DRV_Init()) return false;
        DRV_SetPause(true);
        if (!DRV_Activate()) return false;
        DRV_SetPause(false);
        DRV_SetRepeat(false);
        DRV_SetIRCommandProc(recorder.proc());
        return true;
    }

    void Send(const std::string& code, int count = 1, int gapMs = 110) {
        EXPECT_EQ(
            peers.Command("irman send " + code + " " + std::to_string(count) + " " + std::to_string(gapMs)),
            "ok");
    }

    SettingOverride driver{setting::Driver, "tovirman.dll"};
    SettingOverride port{setting::SerialPort, "COM7"};
    SettingOverride skip{setting::Skip, 0};
    SettingOverride pressDelay{setting::PressDelay, 0};
    Peers peers;
    Recorder recorder;
};

TEST_F(SerialReceiverTest, ACodeOfTheDeviceReachesTheCallbackAsHex) {
    Plug("answer");
    ASSERT_TRUE(Activate());
    Send("0102a0ff0042");
    ASSERT_TRUE(recorder.WaitFor(1));
    EXPECT_EQ(recorder.commands, (Commands{"0102A0FF0042"}));
}

TEST_F(SerialReceiverTest, TheSameCodeAfterMoreThan200msIsANewPress) {
    Plug("answer");
    ASSERT_TRUE(Activate());
    Send("000000000001", 4);  // 110 ms apart: held
    PumpFor(300ms);
    Send("000000000001");
    ASSERT_TRUE(recorder.WaitFor(2));
    PumpFor(200ms);
    EXPECT_EQ(recorder.commands, Commands(2, "000000000001"));
}

TEST_F(SerialReceiverTest, ReceivesAgainWhenTheDeviceIsUnpluggedAndPluggedIn) {
    Plug("answer");
    ASSERT_TRUE(Activate());
    Send("000000000001");
    ASSERT_TRUE(recorder.WaitFor(1));
    ASSERT_EQ(peers.Command("irman stop"), "ok");
    EXPECT_LT(ProcessorTimeWhilePumping(1500ms), 50ms) << "waiting for the device must not spin";
    EXPECT_TRUE(DRV_IsActivated());
    Plug("answer");
    const auto deadline = std::chrono::steady_clock::now() + 10s;
    while (recorder.commands.size() < 2 && std::chrono::steady_clock::now() < deadline) {
        Send("000000000002");
        recorder.WaitFor(2, 300ms);
    }
    EXPECT_EQ(recorder.commands, (Commands{"000000000001", "000000000002"}));
}

TEST_F(SerialReceiverTest, ADeviceThatDoesNotAnswerFailsActivationAfterTwoSeconds) {
    Plug("silent");
    ASSERT_TRUE(DRV_Init());
    const auto before = std::chrono::steady_clock::now();
    EXPECT_FALSE(DRV_Activate());
    const auto took = std::chrono::steady_clock::now() - before;
    EXPECT_GE(took, 1900ms);
    EXPECT_LT(took, 4000ms);
    EXPECT_FALSE(DRV_IsActivated());
}

TEST_F(SerialReceiverTest, AMissingPortFailsActivationAtOnce) {
    SettingOverride missing(setting::SerialPort, "COM9");
    ASSERT_TRUE(DRV_Init());
    const auto before = std::chrono::steady_clock::now();
    EXPECT_FALSE(DRV_Activate());
    EXPECT_LT(std::chrono::steady_clock::now() - before, 1000ms);
}

}  // namespace
