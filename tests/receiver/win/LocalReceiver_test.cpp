// The local receiver through the DRV_* exports, pressed by the real sender
// tool tovsend.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "core/Settings.h"
#include "receiver/tovdrv.h"
#include "receiver/win/LocalChannel.h"
#include "receiver/win/ReceiverDriver.h"
#include "tests/support/ReceiverTestSupport.h"
#include "tests/support/SettingOverride.h"
#include "tests/support/WinTestSupport.h"

namespace {

using Commands = std::vector<std::string>;

class LocalReceiverTest : public testing::Test {
  protected:
    void SetUp() override { SetCurrentDirectoryA(TestProgramFolder().c_str()); }
    void TearDown() override { DRV_Close(); }

    // As Tovanix does: init, pause, activate, unpause, register.
    void Start() {
        ASSERT_TRUE(DRV_Init());
        DRV_SetPause(true);
        ASSERT_TRUE(DRV_Activate());
        DRV_SetPause(false);
        DRV_SetRepeat(false);
        DRV_SetIRCommandProc(recorder.proc());
    }

    SettingOverride driver{setting::Driver, ""};
    SettingOverride skip{setting::Skip, 0};
    SettingOverride pressDelay{setting::PressDelay, 0};
    Recorder recorder;
};

TEST_F(LocalReceiverTest, APressReachesTheCallback) {
    Start();
    EXPECT_EQ(RunSender("KEY_UP"), 0);
    ASSERT_TRUE(recorder.WaitFor(1));
    EXPECT_EQ(recorder.commands, (Commands{"KEY_UP"}));
}

TEST_F(LocalReceiverTest, SeveralCommandsArriveInTheirOrder) {
    Start();
    EXPECT_EQ(RunSender("one two \"three four\""), 0);
    ASSERT_TRUE(recorder.WaitFor(3));
    EXPECT_EQ(recorder.commands, (Commands{"one", "two", "three four"}));
}

TEST_F(LocalReceiverTest, ALongCommandArrivesWhole) {
    Start();
    const std::string command(128, 'k');
    EXPECT_EQ(RunSender(command), 0);
    ASSERT_TRUE(recorder.WaitFor(1));
    EXPECT_EQ(recorder.commands, (Commands{command}));
}

TEST_F(LocalReceiverTest, AHeldButtonWithRepeatOffCountsOnceAndNothingCountsWhilePaused) {
    Start();
    EXPECT_EQ(RunSender("--hold 550 KEY_UP"), 0);
    DRV_SetPause(true);
    EXPECT_EQ(RunSender("KEY_LEFT"), 0);
    PumpFor(200ms);
    DRV_SetPause(false);
    EXPECT_EQ(RunSender("KEY_DOWN"), 0);
    ASSERT_TRUE(recorder.WaitFor(2));
    PumpFor(200ms);
    EXPECT_EQ(recorder.commands, (Commands{"KEY_UP", "KEY_DOWN"}));
}

TEST_F(LocalReceiverTest, HoldingAButtonSendsRepeatsEvery110ms) {
    Start();
    DRV_SetRepeat(true);
    EXPECT_EQ(RunSender("--hold 550 KEY_UP"), 0);  // the press and 5 repeats
    ASSERT_TRUE(recorder.WaitFor(6));
    PumpFor(200ms);
    EXPECT_EQ(recorder.commands, Commands(6, "KEY_UP"));
}

TEST_F(LocalReceiverTest, SkipDropsTheFirstRepeats) {
    SettingOverride skipTwo(setting::Skip, 2);
    Start();
    DRV_SetRepeat(true);
    EXPECT_EQ(RunSender("--hold 550 KEY_UP"), 0);
    ASSERT_TRUE(recorder.WaitFor(4));
    PumpFor(200ms);
    EXPECT_EQ(recorder.commands, Commands(4, "KEY_UP"));
}

TEST_F(LocalReceiverTest, PressDelayDropsEarlyRepeats) {
    SettingOverride delay(setting::PressDelay, 1000);
    Start();
    DRV_SetRepeat(true);
    EXPECT_EQ(RunSender("--hold 550 KEY_UP"), 0);
    ASSERT_TRUE(recorder.WaitFor(1));
    PumpFor(200ms);
    EXPECT_EQ(recorder.commands, (Commands{"KEY_UP"}));
}

TEST_F(LocalReceiverTest, ACommandArrivingDuringACallbackWaitsUntilItReturns) {
    Start();
    bool inCall = false;
    recorder.duringCall = [&](const std::string& command) {
        ASSERT_FALSE(inCall) << "called again during a call, with " << command;
        inCall = true;
        if (command == "first") {
            // Like a modal dialog: a message loop runs inside the callback
            // while the next press arrives.
            EXPECT_EQ(RunSender("second"), 0);
            PumpFor(300ms);
            EXPECT_EQ(recorder.commands, (Commands{"first"}));
        }
        inCall = false;
    };
    EXPECT_EQ(RunSender("first"), 0);
    ASSERT_TRUE(recorder.WaitFor(2));
    EXPECT_EQ(recorder.commands, (Commands{"first", "second"}));
}

TEST_F(LocalReceiverTest, WhileTheCallbackIsBusyOneRepeatStandsForTheHold) {
    Start();
    DRV_SetRepeat(true);
    recorder.duringCall = [&](const std::string&) {
        if (recorder.commands.size() == 1) Sleep(900);  // a long macro
    };
    ChildProcess sender(TestProgramFolder() + "tovsend.exe", "--hold 550 KEY_UP");
    EXPECT_EQ(sender.Wait(), 0);
    ASSERT_TRUE(recorder.WaitFor(2));
    PumpFor(300ms);
    EXPECT_EQ(recorder.commands, Commands(2, "KEY_UP"));
}

TEST_F(LocalReceiverTest, TheCallbackRunsOnTheThreadThatRegisteredIt) {
    Start();
    std::thread other([] {
        Recorder onThisThread;  // registers here, replacing the main thread's
        DWORD calledOn = 0;
        onThisThread.duringCall = [&](const std::string&) { calledOn = GetCurrentThreadId(); };
        EXPECT_EQ(RunSender("A"), 0);
        EXPECT_TRUE(onThisThread.WaitFor(1));
        EXPECT_EQ(calledOn, GetCurrentThreadId());
    });
    other.join();
    EXPECT_TRUE(recorder.commands.empty());
}

TEST_F(LocalReceiverTest, TheSenderSaysWhenNoReceiverListens) {
    Start();
    ASSERT_TRUE(DRV_Deactivate());
    std::string output;
    EXPECT_EQ(RunSender("A", &output), 2);
    EXPECT_NE(output.find("no Tovanix receiver is listening"), std::string::npos) << output;
}

TEST_F(LocalReceiverTest, TheSenderExplainsBadArguments) {
    std::string output;
    EXPECT_EQ(RunSender("--hold x A", &output), 1);
    EXPECT_NE(output.find("usage: tovsend"), std::string::npos) << output;
    EXPECT_EQ(RunSender("--help", &output), 0);
    EXPECT_NE(output.find("--hold"), std::string::npos) << output;
}

TEST_F(LocalReceiverTest, DeactivatingStopsAHoldingSenderPromptly) {
    Start();
    ChildProcess sender(TestProgramFolder() + "tovsend.exe", "--hold 5000 KEY_UP");
    ASSERT_TRUE(recorder.WaitFor(1));
    const auto before = std::chrono::steady_clock::now();
    EXPECT_TRUE(DRV_Deactivate());
    EXPECT_LT(std::chrono::steady_clock::now() - before, 500ms);
    EXPECT_EQ(sender.Wait(), 3);
    EXPECT_NE(sender.Output().find("went away"), std::string::npos) << sender.Output();
}

TEST_F(LocalReceiverTest, ATricklingSenderNeitherKeepsOthersOutNorStaysForever) {
    Start();
    // Writes a byte now and then but never finishes a press: another sender
    // gets through meanwhile, and the receiver drops the trickler.
    HANDLE trickler =
        CreateFileA(LocalPipeName().c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(trickler, INVALID_HANDLE_VALUE);
    std::atomic<bool> dropped{false};
    std::thread trickle([&] {
        DWORD written;
        for (int second = 0; second < 15 && !dropped; ++second, Sleep(1000))
            dropped = !WriteFile(trickler, "p", 1, &written, nullptr);
    });
    EXPECT_EQ(RunSender("A"), 0);
    EXPECT_TRUE(recorder.WaitFor(1));
    trickle.join();
    EXPECT_TRUE(dropped);
    CloseHandle(trickler);
}

TEST_F(LocalReceiverTest, TheSenderSaysWhenOthersKeepTheReceiverBusy) {
    Start();
    // Every instance taken by a sender that keeps pressing.
    std::vector<std::unique_ptr<ChildProcess>> holders;
    for (int index = 0; index < kLocalPipeInstances; ++index) {
        holders.push_back(
            std::make_unique<ChildProcess>(TestProgramFolder() + "tovsend.exe", "--hold 20000 H"));
        ASSERT_TRUE(recorder.WaitFor(index + 1));
    }
    ChildProcess sender(TestProgramFolder() + "tovsend.exe", "A");
    EXPECT_EQ(sender.Wait(20s), 4);
    EXPECT_NE(sender.Output().find("busy"), std::string::npos) << sender.Output();
}

TEST_F(LocalReceiverTest, ASecondReceiverOfTheSameUserIsRefused) {
    Start();
    HMODULE library = LoadLibraryA((TestProgramFolder() + "tovlocal.dll").c_str());
    ASSERT_TRUE(library);
    auto entry = reinterpret_cast<TovReceiverDriverEntry>(
        reinterpret_cast<void*>(GetProcAddress(library, "tovReceiverDriver")));
    const TovReceiverDriver* driver = entry(TOV_RECEIVER_DRIVER_VERSION);
    const TovReceiverHost host{nullptr, [](void*, const char*, int) {}, [](void*, const char*) {}};
    void* second = driver->open(&host);
    EXPECT_FALSE(driver->start(second));
    driver->close(second);
    FreeLibrary(library);
    // The first one still works.
    EXPECT_EQ(RunSender("A"), 0);
    ASSERT_TRUE(recorder.WaitFor(1));
}

}  // namespace
