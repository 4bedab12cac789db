// The macro editor: the macro model's name, command list, type of
// execution, target window and flags in their controls, the tree of
// commands and the parameter dialogs that compose them.
#include "editing/win/TdlgMacro.h"

#include <windows.h>
#include <commctrl.h>
#include <windowsx.h>

#include "core/win/CommonControls.h"
#include "core/win/Dialog.h"
#include "core/win/DialogMessageBox.h"
#include "core/win/ThisModule.h"
#include "editing/MacroModel.h"
#include "editing/win/CommandTreeView.h"
#include "editing/win/ListHint.h"
#include "editing/win/PluginSearch.h"
#include "editing/win/TdlgBGroup.h"
#include "editing/win/TdlgCustKey.h"
#include "editing/win/TdlgLaunchApp.h"
#include "editing/win/TdlgLearn.h"
#include "editing/win/TdlgMacroRes.h"
#include "editing/win/TdlgPause.h"
#include "editing/win/TdlgPickPos.h"
#include "editing/win/TdlgRunMacro.h"
#include "editing/win/TdlgSendMessage.h"
#include "editing/win/TdlgWindows.h"
#include "receiver/tovdrv.h"

namespace {

constexpr int kModifierBoxes[] = {IDC_MACRO_CBCTRL, IDC_MACRO_CBALT, IDC_MACRO_CBSHIFT};
constexpr Modifier kModifiers[] = {Modifier::Ctrl, Modifier::Alt, Modifier::Shift};

constexpr struct {
    int id;
    ExecType exec;
} kExecButtons[] = {{IDC_MACRO_RBEXECNORMAL, ExecType::Normal},
                    {IDC_MACRO_RBEXECREPEAT, ExecType::Repeat},
                    {IDC_MACRO_RBEXECSELECT, ExecType::Select},
                    {IDC_MACRO_RBEXECLOOP, ExecType::Loop}};

// The glyph of the buttons that move a row: the arrow of a scroll bar.
void DrawArrowButton(const DRAWITEMSTRUCT& item, bool up) {
    UINT state = up ? DFCS_SCROLLUP : DFCS_SCROLLDOWN;
    if (item.itemState & ODS_SELECTED) state |= DFCS_PUSHED;
    if (item.itemState & ODS_DISABLED) state |= DFCS_INACTIVE;
    RECT rect = item.rcItem;
    DrawFrameControl(item.hDC, &rect, DFC_SCROLL, state);
    if (item.itemState & ODS_FOCUS) {
        InflateRect(&rect, -3, -3);
        DrawFocusRect(item.hDC, &rect);
    }
}

class TdlgMacro : public TDialog {
  public:
    TdlgMacro(EditStore& store, MacroModel model) : store_(store), model_(std::move(model)) {
        Bind({bind::Text(IDC_MACRO_TXTNAME, model_.name, kMaxMacroNameLength),
              bind::Text(IDC_MACRO_TXTTARGETAPP, model_.targetApp, kMaxTargetFileLength),
              bind::Text(IDC_MACRO_TXTTARGETWINDOW, model_.targetWindow, kMaxTargetCaptionInput),
              bind::Check(IDC_MACRO_CBLEAVEWINDOW, model_.returnToPrevious),
              bind::Check(IDC_MACRO_CBDONTBRING, model_.dontBring),
              bind::Check(IDC_MACRO_CBHIDDEN, model_.hidden), bind::Check(IDC_MACRO_CBOSD, model_.osd)},
             model_.Caption());
    }
    const MacroModel& Model() const { return model_; }

  private:
    // TDialog.
    void FormCreate() override;
    void FormClose() override { hint_.Detach(); }
    void Command(int id, int notification) override;
    LRESULT Notify(const NMHDR& header) override;
    void btnOkClick() override;
    // Also the close box: a macro that this add created goes again.
    void btnCancelClick() override {
        model_.Cancel();
        Close(IDCANCEL);
    }
    const char* HelpAnchor() const override { return "#Macro"; }
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    void FillTree();
    void btnAddClick();
    std::string TokenFor(const AddRequest& request);
    void lbMacroDblClick();
    void btnSetTargetClick();
    void btnLearnClick();
    void ListClicked();
    void CheckBoxClicked(int id);

    void ShowMessage(const std::optional<DialogMessage>& message);
    // The table's edits and check boxes to the model, before the model
    // stores or changes them (text and check lines are never refused).
    void ReadControls() { StoreBindings(); }
    // False when the store refused the record (the user was told).
    bool StoreRecord();
    // Model to controls; the table's controls by ShowBindings.
    void ShowRows();
    // The kind of target and what of it is enabled.
    void ShowTarget();
    void ShowModel();

    EditStore& store_;
    MacroModel model_;
    ListHint hint_;
};

void TdlgMacro::FormCreate() {
    SetWindowTextA(Handle(), model_.Caption().c_str());
    FillTree();
    hint_.Attach(Control(IDC_MACRO_LBMACRO), [this](int row) { return model_.RowHint(row); });
    // Learning needs the receiver, which an active Tovanix holds.
    EnableControl(IDC_MACRO_BTNLEARN, !DRV_IsActivated());
    SetChecked(IDC_MACRO_CBDISABLED, model_.Disabled());
    ShowRows();
    ShowTarget();
    ShowModel();
    FocusControl(IDC_MACRO_TXTNAME);
}

void TdlgMacro::FillTree() {
    const HCURSOR previous = SetCursor(LoadCursor(nullptr, IDC_WAIT));
    FillCommandTree(Control(IDC_MACRO_TVCMDS), BuildCommandTree(FindPlugins()));
    SetCursor(previous);
}

void TdlgMacro::Command(int id, int notification) {
    if (id == IDC_MACRO_LBMACRO) {
        if (notification == LBN_SELCHANGE) ListClicked();
        if (notification == LBN_DBLCLK) lbMacroDblClick();
        return;
    }
    // The edits are read when the model needs them.
    if (notification != BN_CLICKED) return;
    switch (id) {
        case IDC_MACRO_BTNADD:
            btnAddClick();
            break;
        case IDC_MACRO_BTNDELETE:
            model_.DeleteRow();
            ShowRows();
            break;
        case IDC_MACRO_BTNUP:
            model_.MoveUp();
            ShowRows();
            break;
        case IDC_MACRO_BTNDOWN:
            model_.MoveDown();
            ShowRows();
            break;
        case IDC_MACRO_RBCURRENT:
        case IDC_MACRO_RBSPECIFY:
            ReadControls();
            model_.SetCurrentWindow(id == IDC_MACRO_RBCURRENT);
            ShowBindings();
            ShowTarget();
            break;
        case IDC_MACRO_BTNSETTARGET:
            btnSetTargetClick();
            break;
        case IDC_MACRO_BTNLEARN:
            btnLearnClick();
            break;
        default:
            CheckBoxClicked(id);
    }
    ShowModel();
}

void TdlgMacro::CheckBoxClicked(int id) {
    for (std::size_t i = 0; i < std::size(kModifierBoxes); ++i)
        if (id == kModifierBoxes[i]) model_.SetModifier(kModifiers[i], Checked(id));
    for (const auto& button : kExecButtons)
        if (id == button.id) ShowMessage(model_.SetExec(button.exec));
    switch (id) {
        case IDC_MACRO_CBLEAVEWINDOW:
        case IDC_MACRO_CBDONTBRING:
        case IDC_MACRO_CBHIDDEN:
        case IDC_MACRO_CBOSD:
            ReadControls();
            break;
        case IDC_MACRO_CBDISABLED:
            model_.SetDisabled(Checked(id));
            // Ticked again when the store refused to enable the macro.
            SetChecked(id, model_.Disabled());
            break;
    }
}

LRESULT TdlgMacro::Notify(const NMHDR& header) {
    if (header.idFrom != IDC_MACRO_TVCMDS) return 0;
    // The A and W forms of the notification place the new node alike.
    if (header.code == TVN_SELCHANGEDA || header.code == TVN_SELCHANGEDW) {
        const CommandNode node =
            NodeOf(header.hwndFrom, reinterpret_cast<const NMTREEVIEWA&>(header).itemNew.hItem);
        model_.SelectNode(node.text, node.level);
        ShowModel();
    } else if (header.code == NM_DBLCLK && model_.AddEnabled()) {
        btnAddClick();
    }
    return 0;
}

void TdlgMacro::btnAddClick() {
    const std::optional<AddRequest> request = model_.PrepareAdd();
    if (!request) return;
    ShowMessage(model_.AddToken(TokenFor(*request)));
    ShowRows();
    ShowModel();
    // The parameter dialogs and the click capture may have taken the foreground.
    SetForegroundWindow(Handle());
}

std::string TdlgMacro::TokenFor(const AddRequest& request) {
    switch (request.kind) {
        case AddKind::Token:
            return request.token;
        case AddKind::ClickToLocation:
            // The click dialog reads the macro's target from the store.
            if (!StoreRecord()) return {};
            return getClickCommand(Handle(), store_, model_.MacroID().c_str());
        case AddKind::Pause:
            return getPauseCommand(Handle());
        case AddKind::Launch:
            return getLaunchCommand(Handle());
        case AddKind::RunMacro:
            return getMacroCommand(Handle(), store_, model_.GroupID().c_str());
        case AddKind::ActivateGroup:
            return getGroupCommand(Handle(), store_);
        case AddKind::SendMessage:
            return getSendMessageCommand(Handle());
        case AddKind::CustomKey:
            return getKeyCommand(Handle());
        case AddKind::Plugin:
            return PluginToken(request.pluginBase, AskPluginParameters(request.pluginBase));
    }
    return {};
}

void TdlgMacro::ListClicked() {
    model_.SelectRow(SelectedIndex(IDC_MACRO_LBMACRO));
    ShowModel();
}

void TdlgMacro::lbMacroDblClick() {
    const int row = SelectedIndex(IDC_MACRO_LBMACRO);
    if (!model_.RowEditable(row)) return;
    if (const std::optional<std::string> token = editLaunchCommand(Handle(), model_.Rows()[row])) {
        ShowMessage(model_.ReplaceRow(row, *token));
        ShowRows();
    }
}

void TdlgMacro::btnSetTargetClick() {
    const std::optional<WindowChoice> choice = selectWindow(Handle());
    if (!choice) return;
    // The name as typed so far is shown again with the target.
    ReadControls();
    model_.WindowChosen(choice->fileName, choice->caption);
    ShowBindings();
    ShowTarget();
}

void TdlgMacro::btnLearnClick() {
    if (!StoreRecord()) return;
    LearnItem(store_, model_.MacroID().c_str(), false, Handle());
}

void TdlgMacro::btnOkClick() {
    ReadControls();
    const std::optional<DialogMessage> refusal = model_.Accept();
    // Commas in the name have become blanks.
    ShowBindings();
    ShowRows();
    if (refusal) {
        ShowMessage(refusal);
        FocusControl(IDC_MACRO_TXTNAME);
        return;
    }
    Close(IDOK);
}

INT_PTR TdlgMacro::HandleMessage(UINT message, WPARAM, LPARAM lParam) {
    if (message != WM_DRAWITEM) return FALSE;
    const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    if (item.CtlID != IDC_MACRO_BTNUP && item.CtlID != IDC_MACRO_BTNDOWN) return FALSE;
    DrawArrowButton(item, item.CtlID == IDC_MACRO_BTNUP);
    return TRUE;
}

void TdlgMacro::ShowMessage(const std::optional<DialogMessage>& message) {
    if (message) ShowDialogMessage(Handle(), *message);
}

bool TdlgMacro::StoreRecord() {
    ReadControls();
    const std::optional<DialogMessage> refusal = model_.StoreRecord();
    // A comma row now shows as it is stored.
    ShowRows();
    ShowMessage(refusal);
    return !refusal;
}

void TdlgMacro::ShowRows() {
    HWND list = Control(IDC_MACRO_LBMACRO);
    SetWindowRedraw(list, FALSE);
    FillList(IDC_MACRO_LBMACRO, model_.Rows());
    SelectIndex(IDC_MACRO_LBMACRO, model_.SelectedRow());
    SetWindowRedraw(list, TRUE);
}

void TdlgMacro::ShowTarget() {
    CheckRadioButton(Handle(), IDC_MACRO_RBCURRENT, IDC_MACRO_RBSPECIFY,
                     model_.CurrentWindow() ? IDC_MACRO_RBCURRENT : IDC_MACRO_RBSPECIFY);
    for (int id :
         {IDC_MACRO_TXTTARGETAPP, IDC_MACRO_TXTTARGETWINDOW, IDC_MACRO_CBLEAVEWINDOW, IDC_MACRO_CBDONTBRING})
        EnableControl(id, model_.TargetEnabled());
}

void TdlgMacro::ShowModel() {
    EnableControl(IDC_MACRO_BTNADD, model_.AddEnabled());
    for (std::size_t i = 0; i < std::size(kModifierBoxes); ++i) {
        SetChecked(kModifierBoxes[i], model_.ModifierTicked(kModifiers[i]));
        EnableControl(kModifierBoxes[i], model_.ModifierEnabled(kModifiers[i]));
    }
    EnableControl(IDC_MACRO_CBOSD, model_.OsdEnabled());
    EnableControl(IDC_MACRO_BTNDELETE, model_.DeleteEnabled());
    EnableControl(IDC_MACRO_BTNUP, model_.MoveEnabled());
    EnableControl(IDC_MACRO_BTNDOWN, model_.MoveEnabled());
    for (const auto& button : kExecButtons) SetChecked(button.id, model_.Exec() == button.exec);
    EnableControl(IDC_MACRO_RBEXECSELECT, model_.SingleCommandTypesEnabled());
    EnableControl(IDC_MACRO_RBEXECLOOP, model_.SingleCommandTypesEnabled());
}

// Runs the editor: the macro's ID when it ended with OK.
std::optional<std::string> RunEditor(HWND owner, EditStore& store, MacroModel model) {
    // The tree view; its tooltips, which the list's hint uses, come with it.
    RegisterCommonControls(ICC_TREEVIEW_CLASSES);
    TdlgMacro dialog(store, std::move(model));
    if (dialog.ShowModal(ThisModule(), IDD_MACRO, owner) != IDOK) return std::nullopt;
    return dialog.Model().MacroID();
}

}  // namespace

std::string newMacro(HWND owner, EditStore& store, const char* groupID) {
    return RunEditor(owner, store, MacroModel::ForAdd(store, groupID)).value_or("");
}

bool editMacro(HWND owner, EditStore& store, const char* macroID) {
    return RunEditor(owner, store, MacroModel::ForEdit(store, macroID)).has_value();
}
