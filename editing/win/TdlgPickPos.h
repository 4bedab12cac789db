// The click-position dialog: binds its controls to PickPosModel and runs
// the capture, a four-second countdown after which the cursor's position is
// read, measured from the macro's target window or from the screen.
#pragma once

#include <string>
#include <string_view>

#include "core/win/Dialog.h"
#include "display/win/WinWindowQueries.h"
#include "editing/EditStore.h"
#include "editing/PickPosModel.h"

class TdlgPickPos : public TDialog {
  public:
    TdlgPickPos(EditStore& store, std::string macroID, std::string_view macroName);

    // The CLICK command once the dialog ended with OK.
    const std::string& Token() const { return token_; }

  private:
    // TDialog.
    void FormCreate() override;
    void Command(int id, int notification) override;
    void btnOkClick() override;
    const char* HelpAnchor() const override { return "#Clickpos"; }
    void Timer(UINT_PTR id) override;
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    // Decides the reference, prompts and starts the countdown.
    void Capture();
    // The countdown is over: takes the cursor's position.
    void CountdownOver();
    // Brings the dialog back after a countdown.
    void ShowAgain();
    void ReadControls();
    void ShowModel();
    // The target, the radio buttons and what is enabled.
    void ShowChoices();

    EditStore& store_;
    const std::string macroID_;
    PickPosModel model_;
    WinWindowQueries desktop_;
    WindowHandle target_ = 0;  // the window of the capture under way
    bool captureDue_ = false;  // activated, but not shown yet
    std::string token_;
};

// The macro's record must be in the store with the editor's target settings.
std::string getClickCommand(HWND owner, EditStore& store, const char* macroID);
