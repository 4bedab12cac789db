#include "editing/win/TdlgLearn.h"

#include <commctrl.h>

#include "core/Text.h"
#include "core/win/CommonControls.h"
#include "core/win/DialogMessageBox.h"
#include "core/win/ThisModule.h"
#include "editing/LearnOutcome.h"
#include "editing/NumberEdit.h"
#include "editing/win/TdlgLearnRes.h"
#include "receiver/tovdrv.h"

namespace {
// The dialog's end when the model has ended with "Cancel batch".
constexpr INT_PTR kBatchEnd = 9;

UINT_PTR TimerID(LearnTimer timer) { return timer == LearnTimer::Start ? 1 : 2; }
}  // namespace

TdlgLearn::TdlgLearn(std::string title, bool batch) : title_(std::move(title)), model_(*this, *this, batch) {}

void TdlgLearn::FormCreate() {
    SetWindowTextA(Handle(), title_.c_str());
    ShowControl(IDC_LEARN_BTNCOMMAND, model_.CommandButtonVisible());
    ShowControl(IDC_LEARN_BTNBATCH, model_.BatchButtonVisible());
    SetControlText(IDCANCEL, model_.CancelCaption());
    SendDlgItemMessageA(Handle(), IDC_LEARN_PRESSINGS, PBM_SETRANGE32, 0, model_.GaugeMaximum());
    SetUpUpDown(IDC_LEARN_UDBUTTONS, 1, kMaxLearnButtons, 1, model_.ButtonCount());
    FocusControl(IDCANCEL);
    model_.Shown();
    ShowModel();
}

void TdlgLearn::FormClose() {
    model_.Closing();
    // The driver must not call into a dialog that is gone; the caller
    // installs its own callback again.
    if (callbackInstalled_) DRV_SetIRCommandProc(TIRCommandProc{nullptr, nullptr});
    callbackInstalled_ = false;
}

void TdlgLearn::Command(int id, int notification) {
    if (id == IDC_LEARN_BTNCOMMAND && notification == BN_CLICKED) {
        model_.CommandClicked();
    } else if (id == IDC_LEARN_BTNBATCH && notification == BN_CLICKED) {
        model_.CancelBatch();
    } else if (id == IDC_LEARN_TXTBUTTONS && notification == EN_CHANGE) {
        BOOL number = FALSE;
        const UINT count = GetDlgItemInt(Handle(), IDC_LEARN_TXTBUTTONS, &number, FALSE);
        if (!number) return;
        model_.SetButtonCount(static_cast<int>(count));
        // A digit outside 1 to 4 shows as the count kept.
        if (ShowsAnotherNumber(ControlText(id), model_.ButtonCount()))
            SetUpDownPosition(IDC_LEARN_UDBUTTONS, model_.ButtonCount());
    } else {
        // Filling the controls notifies too.
        return;
    }
    ShowModel();
}

void TdlgLearn::btnCancelClick() {
    model_.Cancel();
    ShowModel();
}

void TdlgLearn::Timer(UINT_PTR id) {
    model_.TimerFired(id == TimerID(LearnTimer::Start) ? LearnTimer::Start : LearnTimer::ButtonPause);
    ShowModel();
}

INT_PTR TdlgLearn::HandleMessage(UINT message, WPARAM, LPARAM) {
    if (message == WM_SETCURSOR && busy_) {
        SetCursor(LoadCursor(nullptr, IDC_WAIT));
        SetWindowLongPtrA(Handle(), DWLP_MSGRESULT, TRUE);
        return TRUE;
    }
    return FALSE;
}

void TdlgLearn::ReceiveIRCommand(void* context, const char* command) {
    // Called from the driver's window procedure: nothing may get back there.
    try {
        auto* self = static_cast<TdlgLearn*>(context);
        // The driver is another library: its text is read within the size of a command.
        self->model_.Received(FixedText(command, sizeof(TIRCommand)));
        self->ShowModel();
    } catch (...) {
    }
}

void TdlgLearn::ShowModel() {
    if (!Handle()) return;
    SetControlText(IDC_LEARN_LBLTIP, model_.Tip());
    SendDlgItemMessageA(Handle(), IDC_LEARN_PRESSINGS, PBM_SETPOS, model_.Gauge(), 0);
    SetControlText(IDC_LEARN_LBLBUTTON, model_.ButtonLabel());
    std::string commands;
    for (const std::string& command : model_.Commands()) commands += command + "\r\n";
    SetControlText(IDC_LEARN_MEMCOMMANDS, commands);
    HWND memo = Control(IDC_LEARN_MEMCOMMANDS);
    SendMessageA(memo, EM_SETSEL, commands.size(), commands.size());
    SendMessageA(memo, EM_SCROLLCARET, 0, 0);
    if (busy_ != model_.Busy()) {
        busy_ = model_.Busy();
        SetCursor(LoadCursor(nullptr, busy_ ? IDC_WAIT : IDC_ARROW));
    }
    switch (model_.End()) {
        case LearnEnd::None:
            break;
        case LearnEnd::Ok:
            Close(IDOK);
            break;
        case LearnEnd::Cancel:
            Close(IDCANCEL);
            break;
        case LearnEnd::CancelBatch:
            Close(kBatchEnd);
            break;
    }
}

bool TdlgLearn::LearnAvailable() { return DRV_LearnAvailable(); }
bool TdlgLearn::Activate() { return DRV_Activate(); }
void TdlgLearn::SetPause(bool paused) { DRV_SetPause(paused); }

void TdlgLearn::InstallCallback() {
    DRV_SetIRCommandProc(TIRCommandProc{&TdlgLearn::ReceiveIRCommand, this});
    callbackInstalled_ = true;
}

std::string TdlgLearn::Learn() {
    TIRCommand command = "";
    DRV_Learn(command);
    return std::string(FieldText(command));
}

bool TdlgLearn::IsActivated() { return DRV_IsActivated(); }
void TdlgLearn::Deactivate() { DRV_Deactivate(); }

void TdlgLearn::StartTimer(LearnTimer timer, unsigned milliseconds) {
    TDialog::StartTimer(TimerID(timer), milliseconds);
}

void TdlgLearn::StopTimer(LearnTimer timer) { TDialog::StopTimer(TimerID(timer)); }

void TdlgLearn::ShowMessage(const DialogMessage& message) { ShowDialogMessage(Handle(), message); }

int LearnItem(EditStore& store, const char* id, bool batch, HWND owner) {
    const std::optional<std::string> title = LearnTitle(store, id);
    if (!title) return kNotLearnt;
    RegisterCommonControls(ICC_PROGRESS_CLASS | ICC_UPDOWN_CLASS);
    TdlgLearn dialog(*title, batch);
    dialog.ShowModal(ThisModule(), IDD_LEARN, owner);
    return StoreLearnt(store, id, dialog.End(), dialog.Learnt());
}
