// The send-message dialog: a window message and its two parameters.
#include "editing/win/TdlgSendMessage.h"

#include "core/win/DialogMessageBox.h"
#include "editing/SendMessageModel.h"
#include "editing/win/TdlgSendMessageRes.h"
#include "editing/win/TokenDialog.h"

namespace {

// In the order of SendMessageField.
constexpr int kFieldIDs[] = {IDC_SENDMESSAGE_TXTMESSAGE, IDC_SENDMESSAGE_TXTWPARAM,
                             IDC_SENDMESSAGE_TXTLPARAM};

int FieldID(SendMessageField field) { return kFieldIDs[static_cast<int>(field)]; }

class TdlgSendMessage : public TTokenDialog {
  public:
    TdlgSendMessage() : TTokenDialog(IDD_SENDMESSAGE) {}

  private:
    void FormCreate() override {
        for (int id : kFieldIDs) LimitText(id, kMaxSendMessageFieldLength);
    }
    void btnOkClick() override;
    const char* HelpAnchor() const override { return "#Sendmessage"; }
};

void TdlgSendMessage::btnOkClick() {
    const SendMessageOutcome outcome =
        SendMessageToken({ControlText(IDC_SENDMESSAGE_TXTMESSAGE), ControlText(IDC_SENDMESSAGE_TXTWPARAM),
                          ControlText(IDC_SENDMESSAGE_TXTLPARAM)});
    if (!outcome.invalid) return CloseWithToken(outcome.token);
    ShowDialogMessage(Handle(), kNotAValidValue);
    SetForegroundWindow(Handle());
    FocusControl(FieldID(*outcome.invalid));
}

}  // namespace

std::string getSendMessageCommand(HWND owner) { return TdlgSendMessage().Run(owner).value_or(""); }
