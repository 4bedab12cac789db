// The dispatch and the executor over the real desktop, the real item store
// (tovdata.dll) and the system keyboard layout, with a test window in front.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Dispatcher.h"
#include "MacroExecutor.h"
#include "SystemKeyboardLayout.h"
#include "TestWindow.h"
#include "TovdataItems.h"
#include "WinClock.h"
#include "WinDesktop.h"
#include "tovdata.h"

class RecordingHooks : public ProgramHooks {
  public:
    std::vector<std::string> calls;
    bool IsReceiverActive() override { return false; }
    void SetReceiverRepeat(bool) override {}
    void SetReceiverActive(bool, bool activate, bool) override { calls.push_back(activate ? "on" : "off"); }
    void WatchLaunchedWindow(WindowHandle window) override {
        calls.push_back(window ? "watch window" : "watch none");
    }
    void CommandReceived() override {}
    void UpdateTrayIcon(bool, bool) override {}
    void ShowCommand(const char*) override {}
    void ChooseAndExecuteCommand(TMacroRecord*) override {}
    void StepVolume(bool) override {}
    void ToggleMute() override {}
};

class NoTimers : public Timers {
  public:
    void Start(DispatchTimer, unsigned) override {}
    void Stop(DispatchTimer) override {}
    bool IsRunning(DispatchTimer) override { return false; }
};

class WinExecutorFixture : public ::testing::Test {
  protected:
    // Adds a macro to the real store; it runs in the foreground window
    // unless a target is given.
    std::string AddMacro(const std::string& commands, const std::string& targetFile = "",
                         const std::string& targetCaption = "", const std::string& ir = "") {
        TMacroRecord record = FreshMacroRecord();
        const std::string id = getNewMacroID();
        CopyText(record.ID, id);
        CopyText(record.Name, "Test " + id);
        CopyText(record.Commands, commands);
        CopyText(record.IRCommand, ir);
        CopyText(record.TargetFile, targetFile);
        CopyText(record.TargetCaption, targetCaption);
        record.CurrentWindow = targetFile.empty() && targetCaption.empty();
        EXPECT_TRUE(addMacro(&record));
        return id;
    }

    void Execute(const std::string& id) {
        executor.ExecuteMacro(id.c_str(), true, -1);
        PumpMessages(100);
    }

    TestWindow target{"Tovanix test target"};
    TovdataItems items;
    WinDesktop desktop;
    WinClock clock;
    RecordingHooks hooks;
    MacroExecutor executor{items, desktop, clock, hooks, CurrentKeyboardLayout()};
    NoTimers timers;
    Dispatcher dispatcher{items, desktop, timers, hooks, executor};
};
