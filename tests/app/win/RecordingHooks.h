// What the dispatch and the executor ask of the main program, recorded or
// answered with nothing, for tests and figures without a main window.
#pragma once

#include <string>
#include <vector>

#include "app/logic/ProgramHooks.h"
#include "app/logic/Timers.h"

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
