#include "editing/win/TdlgPickPos.h"

#include "core/TargetWindow.h"
#include "core/win/DialogMessageBox.h"
#include "core/win/Scoped.h"
#include "core/win/ThisModule.h"
#include "editing/win/TdlgPickPosRes.h"

namespace {

constexpr UINT_PTR kCountdownTimer = 1;
// Posted at the first activation and when the dialog is shown: the capture
// shows message boxes, which must not open inside either.
constexpr UINT kStartCapture = WM_APP + 1;

}  // namespace

TdlgPickPos::TdlgPickPos(EditStore& store, std::string macroID, std::string_view macroName)
    : store_(store), macroID_(std::move(macroID)), model_(macroName) {
    Bind({bind::Text(IDC_PICKPOS_TXTX, model_.x, kMaxCoordinateLength),
          bind::Text(IDC_PICKPOS_TXTY, model_.y, kMaxCoordinateLength),
          bind::Check(IDC_PICKPOS_CBDOUBLECLICK, model_.doubleClick)},
         model_.Caption());
}

void TdlgPickPos::FormCreate() {
    SetWindowTextA(Handle(), model_.Caption().c_str());
    ShowChoices();
    FocusControl(IDC_PICKPOS_TXTX);
}

void TdlgPickPos::Command(int id, int notification) {
    if (notification != BN_CLICKED) return;
    switch (id) {
        case IDC_PICKPOS_RBWINDOW:
        case IDC_PICKPOS_RBSCREEN:
            ReadControls();
            model_.SetReference(id == IDC_PICKPOS_RBWINDOW ? ClickReference::Window : ClickReference::Screen);
            ShowModel();
            break;
        case IDC_PICKPOS_RBCLICK:
        case IDC_PICKPOS_RBDOWN:
        case IDC_PICKPOS_RBUP:
            ReadControls();
            ShowModel();
            break;
        case IDC_PICKPOS_BTNLEARN:
            Capture();
            break;
    }
}

void TdlgPickPos::btnOkClick() {
    ReadControls();
    const ClickOutcome outcome = model_.Accept();
    if (outcome.refusal) {
        ShowDialogMessage(Handle(), *outcome.refusal);
        return;
    }
    token_ = outcome.token;
    Close(IDOK);
}

INT_PTR TdlgPickPos::HandleMessage(UINT message, WPARAM wParam, LPARAM) {
    // The dialog manager shows the dialog once its queue is first empty,
    // which may come after the first activation: the capture waits for that,
    // or the dialog would reappear during the countdown.
    if (message == WM_ACTIVATE && LOWORD(wParam) != WA_INACTIVE && model_.CaptureOnActivation()) {
        captureDue_ = true;
        PostMessageA(Handle(), kStartCapture, 0, 0);
    }
    if (message == WM_SHOWWINDOW && wParam && captureDue_) PostMessageA(Handle(), kStartCapture, 0, 0);
    if (message == kStartCapture) {
        if (captureDue_ && IsWindowVisible(Handle())) {
            captureDue_ = false;
            Capture();
        }
        return TRUE;
    }
    return FALSE;
}

void TdlgPickPos::Capture() {
    TMacroRecord* macro = store_.getMacro(macroID_.c_str());
    if (!macro) return;
    ReadControls();
    target_ = 0;
    if (!ClicksRelativeToTarget(*macro)) {
        model_.UseWholeScreen();
    } else {
        {
            const WaitCursor wait;
            target_ = ResolveTargetWindow(desktop_, *macro);
        }
        if (!IsWindowHandle(target_)) {
            const DialogMessage notFound = model_.TargetNotFound();
            ShowModel();
            ShowDialogMessage(Handle(), notFound);
            return;
        }
        model_.TargetFound(desktop_.WindowTitle(target_));
    }
    ShowModel();
    ShowDialogMessage(Handle(), model_.CapturePrompt());
    if (model_.Reference() == ClickReference::Window && !BringToFront(desktop_, target_)) return;
    model_.StartCountdown();
    StartTimer(kCountdownTimer, kCountdownIntervalMs);
    EnableWindow(Handle(), FALSE);
    ShowWindow(Handle(), SW_HIDE);
}

void TdlgPickPos::Timer(UINT_PTR id) {
    if (id != kCountdownTimer) return;
    MessageBeep(MB_OK);
    if (!model_.CountdownTick()) return;
    StopTimer(kCountdownTimer);
    CountdownOver();
}

void TdlgPickPos::CountdownOver() {
    // Read while the dialog is still hidden, so that it is not the window
    // under the cursor.
    POINT cursor;
    if (!GetCursorPos(&cursor)) {
        ShowAgain();
        return;
    }
    bool sameProgram = false;
    ScreenPoint corner;
    RECT rect;
    if (model_.Reference() == ClickReference::Window && GetWindowRect(ToHwnd(target_), &rect)) {
        corner = {rect.left, rect.top};
        sameProgram =
            desktop_.ProgramFileOf(FromHwnd(WindowFromPoint(cursor))) == desktop_.ProgramFileOf(target_);
    }
    const DialogMessage message = model_.Captured({cursor.x, cursor.y}, sameProgram, corner);
    ShowAgain();
    ShowModel();
    ShowDialogMessage(Handle(), message);
    desktop_.SetForeground(FromHwnd(Handle()));
}

void TdlgPickPos::ShowAgain() {
    ShowWindow(Handle(), SW_SHOW);
    EnableWindow(Handle(), TRUE);
    desktop_.SetForeground(FromHwnd(Handle()));
}

void TdlgPickPos::ReadControls() {
    // Text and check lines are never refused.
    StoreBindings();
    model_.button = Checked(IDC_PICKPOS_RBMIDDLE)  ? MouseButton::Middle
                    : Checked(IDC_PICKPOS_RBRIGHT) ? MouseButton::Right
                                                   : MouseButton::Left;
    model_.action = Checked(IDC_PICKPOS_RBDOWN) ? ClickAction::Down
                    : Checked(IDC_PICKPOS_RBUP) ? ClickAction::Up
                                                : ClickAction::Click;
}

void TdlgPickPos::ShowModel() {
    ShowBindings();
    ShowChoices();
}

void TdlgPickPos::ShowChoices() {
    const HWND dialog = Handle();
    SetControlText(IDC_PICKPOS_TXTNAME, model_.TargetCaption());
    CheckRadioButton(
        dialog, IDC_PICKPOS_RBWINDOW, IDC_PICKPOS_RBSCREEN,
        model_.Reference() == ClickReference::Window ? IDC_PICKPOS_RBWINDOW : IDC_PICKPOS_RBSCREEN);
    for (int id : {IDC_PICKPOS_GRPRELATIVE, IDC_PICKPOS_RBWINDOW, IDC_PICKPOS_RBSCREEN})
        EnableControl(id, model_.ReferenceEnabled());
    const int button = model_.button == MouseButton::Middle  ? IDC_PICKPOS_RBMIDDLE
                       : model_.button == MouseButton::Right ? IDC_PICKPOS_RBRIGHT
                                                             : IDC_PICKPOS_RBLEFT;
    CheckRadioButton(dialog, IDC_PICKPOS_RBLEFT, IDC_PICKPOS_RBRIGHT, button);
    const int action = model_.action == ClickAction::Down ? IDC_PICKPOS_RBDOWN
                       : model_.action == ClickAction::Up ? IDC_PICKPOS_RBUP
                                                          : IDC_PICKPOS_RBCLICK;
    CheckRadioButton(dialog, IDC_PICKPOS_RBCLICK, IDC_PICKPOS_RBUP, action);
    EnableControl(IDC_PICKPOS_CBDOUBLECLICK, model_.DoubleClickEnabled());
    EnableControl(IDOK, model_.OkEnabled());
}

std::string getClickCommand(HWND owner, EditStore& store, const char* macroID) {
    const TMacroRecord* macro = store.getMacro(macroID);
    if (!macro) return "";
    TdlgPickPos dialog(store, macroID, FieldText(macro->Name));
    if (dialog.ShowModal(ThisModule(), IDD_PICKPOS, owner) != IDOK) return "";
    return dialog.Token();
}
