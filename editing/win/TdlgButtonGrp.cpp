// The button group editor: the group's name and its start macro, with the
// macro editor and the learn dialog for the group one click away.
#include "editing/win/TdlgButtonGrp.h"

#include <windows.h>

#include <optional>
#include <string>
#include <utility>

#include "core/win/Dialog.h"
#include "core/win/DialogMessageBox.h"
#include "core/win/ThisModule.h"
#include "editing/ButtonGrpModel.h"
#include "editing/win/TdlgButtonGrpRes.h"
#include "editing/win/TdlgLearn.h"
#include "editing/win/TdlgMacro.h"
#include "receiver/tovdrv.h"

namespace {

class TdlgButtonGrp : public TDialog {
  public:
    TdlgButtonGrp(EditStore& store, ButtonGrpModel model) : store_(store), model_(std::move(model)) {
        // A text line is never refused: the model judges the name.
        Bind({bind::Text(IDC_BUTTONGRP_TXTNAME, model_.name, kMaxGroupNameLength)}, model_.Caption());
    }

    // True when the dialog ended with OK.
    bool Run(HWND owner) { return ShowModal(ThisModule(), IDD_BUTTONGRP, owner) == IDOK; }

  private:
    // TDialog.
    void FormCreate() override;
    void Command(int id, int notification) override;
    void btnOkClick() override;
    const char* HelpAnchor() const override { return "#Buttongroup"; }

    void cmbMacrosChange();
    void btnNewClick();
    void btnEditClick();
    void btnLearnClick();
    // The group is created with the name as typed so far; false when the
    // model refused (the user was told).
    bool EnsureGroup();
    // Shows the refusal of the name or the store, with the name as the
    // model left it; false when there was none.
    bool Refused(const std::optional<DialogMessage>& refusal);
    void ShowMacros();

    EditStore& store_;
    ButtonGrpModel model_;
};

void TdlgButtonGrp::FormCreate() {
    SetWindowTextA(Handle(), model_.Caption().c_str());
    ShowMacros();
    // Learning needs the receiver to itself.
    EnableControl(IDC_BUTTONGRP_BTNLEARN, !DRV_IsActivated());
    FocusControl(IDC_BUTTONGRP_TXTNAME);
}

void TdlgButtonGrp::ShowMacros() {
    std::vector<std::string> names;
    for (const StartMacroEntry& entry : model_.Entries()) names.push_back(entry.name);
    FillList(IDC_BUTTONGRP_CMBMACROS, names);
    SelectIndex(IDC_BUTTONGRP_CMBMACROS, model_.Selected());
    EnableControl(IDC_BUTTONGRP_BTNEDIT, model_.EditEnabled());
}

void TdlgButtonGrp::Command(int id, int notification) {
    switch (id) {
        case IDC_BUTTONGRP_CMBMACROS:
            if (notification == CBN_SELCHANGE) cmbMacrosChange();
            break;
        case IDC_BUTTONGRP_BTNNEW:
            btnNewClick();
            break;
        case IDC_BUTTONGRP_BTNEDIT:
            btnEditClick();
            break;
        case IDC_BUTTONGRP_BTNLEARN:
            btnLearnClick();
            break;
    }
}

void TdlgButtonGrp::cmbMacrosChange() {
    model_.Choose(SelectedIndex(IDC_BUTTONGRP_CMBMACROS));
    EnableControl(IDC_BUTTONGRP_BTNEDIT, model_.EditEnabled());
}

bool TdlgButtonGrp::EnsureGroup() {
    StoreBindings();
    return !Refused(model_.EnsureGroup());
}

bool TdlgButtonGrp::Refused(const std::optional<DialogMessage>& refusal) {
    // The model has turned commas into blanks.
    ShowBindings();
    if (!refusal) return false;
    ShowDialogMessage(Handle(), *refusal);
    FocusControl(IDC_BUTTONGRP_TXTNAME);
    return true;
}

void TdlgButtonGrp::btnNewClick() {
    if (!EnsureGroup()) return;
    const std::string macroID = newMacro(Handle(), store_, model_.GroupID().c_str());
    if (macroID.empty()) return;
    model_.MacroSaved(macroID.c_str());
    ShowMacros();
}

void TdlgButtonGrp::btnEditClick() {
    const std::string macroID = model_.StartMacroToEdit();
    if (macroID.empty() || !editMacro(Handle(), store_, macroID.c_str())) return;
    model_.MacroSaved(macroID.c_str());
    ShowMacros();
}

void TdlgButtonGrp::btnLearnClick() {
    if (!EnsureGroup()) return;
    LearnItem(store_, model_.GroupID().c_str(), false, Handle());
}

void TdlgButtonGrp::btnOkClick() {
    StoreBindings();
    if (!Refused(model_.Accept())) Close(IDOK);
}

}  // namespace

bool addButtonGroup(HWND owner, EditStore& store) {
    return TdlgButtonGrp(store, ButtonGrpModel::ForAdd(store)).Run(owner);
}

bool editButtonGroup(HWND owner, EditStore& store, const char* groupID) {
    std::optional<ButtonGrpModel> model = ButtonGrpModel::ForEdit(store, groupID);
    return model && TdlgButtonGrp(store, std::move(*model)).Run(owner);
}
