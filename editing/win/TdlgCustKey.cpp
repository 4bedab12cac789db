// The key or typed-text dialog over CustKeyModel.
#include "editing/win/TdlgCustKey.h"

#include "editing/CustKeyModel.h"
#include "editing/win/TdlgCustKeyRes.h"
#include "editing/win/TokenDialog.h"

namespace {

constexpr struct {
    Modifier modifier;
    int id;
} kModifierBoxes[] = {
    {Modifier::Ctrl, IDC_CUSTKEY_CBCTRL},
    {Modifier::Alt, IDC_CUSTKEY_CBALT},
    {Modifier::Shift, IDC_CUSTKEY_CBSHIFT},
};

class TdlgCustKey : public TTokenDialog {
  public:
    TdlgCustKey() : TTokenDialog(IDD_CUSTKEY) {}

  private:
    void FormCreate() override {
        LimitText(IDC_CUSTKEY_TXTCHAR, 1);
        LimitText(IDC_CUSTKEY_TXTTYPED, kMaxTypedLength);
    }
    void Command(int id, int notification) override;
    void btnOkClick() override { CloseWithToken(model_.Token()); }
    void ShowModel();

    CustKeyModel model_;
};

void TdlgCustKey::Command(int id, int notification) {
    if (Filling()) return;
    if (id == IDC_CUSTKEY_TXTCHAR && notification == EN_CHANGE) {
        model_.SetKey(ControlText(id));
    } else if (id == IDC_CUSTKEY_TXTTYPED && notification == EN_CHANGE) {
        model_.SetTyped(ControlText(id));
    } else if (notification == BN_CLICKED) {
        for (const auto& box : kModifierBoxes) {
            if (box.id == id) model_.SetModifier(box.modifier, Checked(id));
        }
    } else {
        return;
    }
    ShowModel();
}

void TdlgCustKey::ShowModel() {
    const ScopedFlag filling = FillingControls();
    // Only the edit that the user did not type into changes, so its caret stays.
    if (ControlText(IDC_CUSTKEY_TXTCHAR) != model_.Key()) SetControlText(IDC_CUSTKEY_TXTCHAR, model_.Key());
    if (ControlText(IDC_CUSTKEY_TXTTYPED) != model_.Typed())
        SetControlText(IDC_CUSTKEY_TXTTYPED, model_.Typed());
    for (const auto& box : kModifierBoxes) {
        SetChecked(box.id, model_.Ticked(box.modifier));
        EnableControl(box.id, model_.Enabled(box.modifier));
    }
}

}  // namespace

std::string getKeyCommand(HWND owner) { return TdlgCustKey().Run(owner).value_or(""); }
