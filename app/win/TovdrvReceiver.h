// The receiver controller's driver: tovdrv.dll's DRV_* calls, with the
// program's two callbacks.
#pragma once

#include "app/logic/ReceiverController.h"
#include "receiver/tovdrv.h"

class TovdrvReceiver : public ReceiverDriver {
  public:
    TovdrvReceiver(TIRCommandProc commands, TStatusProc status) : commands_(commands), status_(status) {}

    bool Init() override { return DRV_Init(); }
    void Close() override { DRV_Close(); }
    bool Activate() override { return DRV_Activate(); }
    bool Deactivate() override { return DRV_Deactivate(); }
    bool IsActivated() override { return DRV_IsActivated(); }
    void SetPause(bool paused) override { DRV_SetPause(paused); }
    void SetRepeat(bool repeat) override { DRV_SetRepeat(repeat); }
    void InstallCommandCallback() override {
        DRV_SetIRCommandProc(commands_);
        // For the dispatch's long presses.
        DRV_SetHoldReports(true);
    }
    void InstallStatusCallback() override { DRV_SetStatusProc(status_); }
    TIRCommandProc CommandCallback() const { return commands_; }

  private:
    TIRCommandProc commands_;
    TStatusProc status_;
};
