// The learn dialog: shows the learn model and hands it the user's clicks,
// the timers and the commands that the receiver driver reports.
#pragma once

#include <string>

#include "core/win/Dialog.h"
#include "editing/EditStore.h"
#include "editing/LearnModel.h"

class TdlgLearn : public TDialog, private LearnDriver, private LearnWindow {
  public:
    TdlgLearn(std::string title, bool batch);

    LearnEnd End() const { return model_.End(); }
    std::string Learnt() const { return model_.Learnt(); }

  private:
    // TDialog.
    void FormCreate() override;
    void FormClose() override;
    void Command(int id, int notification) override;
    // There is no OK button: the dialog ends with OK once every button is learnt.
    void btnOkClick() override {}
    void btnCancelClick() override;
    const char* HelpAnchor() const override { return "#Learn"; }
    void Timer(UINT_PTR id) override;
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    // LearnDriver: the receiver driver tovdrv.dll.
    bool LearnAvailable() override;
    bool Activate() override;
    void SetPause(bool paused) override;
    void InstallCallback() override;
    std::string Learn() override;
    bool IsActivated() override;
    void Deactivate() override;

    // LearnWindow.
    void StartTimer(LearnTimer timer, unsigned milliseconds) override;
    void StopTimer(LearnTimer timer) override;
    void ShowMessage(const DialogMessage& message) override;

    static void ReceiveIRCommand(void* context, const char* command);
    // Model to controls; ends the dialog once the model has ended.
    void ShowModel();

    const std::string title_;
    LearnModel model_;
    bool callbackInstalled_ = false;
    bool busy_ = false;
};

// Learns the item's command in the learn dialog and stores it when the
// store agrees: learn()'s result.
int LearnItem(EditStore& store, const char* id, bool batch, HWND owner);
