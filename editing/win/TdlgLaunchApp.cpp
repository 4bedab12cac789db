// The launch dialog: a LAUNCH command's file, parameters and options.
#include "editing/win/TdlgLaunchApp.h"

#include <windows.h>

#include "core/win/DialogMessageBox.h"
#include "core/win/OpenFileDialog.h"
#include "editing/LaunchAppModel.h"
#include "editing/win/TdlgLaunchAppRes.h"
#include "editing/win/TokenDialog.h"

namespace {

class TdlgLaunchApp : public TTokenDialog {
  public:
    explicit TdlgLaunchApp(LaunchElement fields) : TTokenDialog(IDD_LAUNCHAPP), fields_(std::move(fields)) {
        Bind({bind::Text(IDC_LAUNCHAPP_TXTFILENAME, fields_.file, kMaxLaunchFileLength),
              bind::Text(IDC_LAUNCHAPP_TXTPARAM, fields_.parameters, kMaxLaunchParametersLength),
              bind::Check(IDC_LAUNCHAPP_CBDEACTIVATE, fields_.deactivate),
              bind::Check(IDC_LAUNCHAPP_CBINSTANCE, fields_.oneInstance)},
             "Launch file");
    }

  private:
    void Command(int id, int notification) override {
        if (id == IDC_LAUNCHAPP_BTNBROWSE && notification == BN_CLICKED) Browse();
    }
    void btnOkClick() override;
    const char* HelpAnchor() const override { return "#Launch"; }
    void Browse();

    LaunchElement fields_;
};

void TdlgLaunchApp::btnOkClick() {
    if (!StoreBindings()) return;
    if (const std::optional<DialogMessage> refusal = LaunchRefusal(fields_)) {
        ShowDialogMessage(Handle(), *refusal);
        FocusControl(IDC_LAUNCHAPP_TXTPARAM);
        return;
    }
    CloseWithToken(WriteLaunchElement(fields_));
}

void TdlgLaunchApp::Browse() {
    if (const auto path = ChooseFileToOpen(Handle(), {"All files\0*.*\0", "C:\\", "", 0}))
        SetControlText(IDC_LAUNCHAPP_TXTFILENAME, *path);
}

}  // namespace

std::string getLaunchCommand(HWND owner) { return TdlgLaunchApp(NewLaunchFields()).Run(owner).value_or(""); }

std::optional<std::string> editLaunchCommand(HWND owner, const std::string& token) {
    return TdlgLaunchApp(SplitLaunch(token)).Run(owner);
}
