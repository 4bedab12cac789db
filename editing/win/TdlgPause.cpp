// The pause dialog: milliseconds in an edit with an up-down control.
#include "editing/win/TdlgPause.h"

#include <windows.h>
#include <commctrl.h>

#include "core/win/CommonControls.h"
#include "editing/PauseModel.h"
#include "editing/win/TdlgPauseRes.h"
#include "editing/win/TokenDialog.h"

namespace {

class TdlgPause : public TTokenDialog {
  public:
    TdlgPause() : TTokenDialog(IDD_PAUSE) {}

  private:
    void FormCreate() override {
        LimitText(IDC_PAUSE_TXTPAUSE, kMaxPauseTextLength);
        SetUpUpDown(IDC_PAUSE_UDPAUSE, kPauseMinimum, kPauseMaximum, kPauseStep, kPauseDefault);
    }
    // A time out of range closes the dialog all the same, without a command.
    void btnOkClick() override { CloseWithToken(PauseToken(ControlText(IDC_PAUSE_TXTPAUSE))); }
};

}  // namespace

std::string getPauseCommand(HWND owner) {
    RegisterCommonControls(ICC_UPDOWN_CLASS);
    return TdlgPause().Run(owner).value_or("");
}
