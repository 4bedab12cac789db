#include "core/win/Dialog.h"

#include "core/win/DialogMessageBox.h"
#include "core/win/ShowHelp.h"

INT_PTR TDialog::ShowModal(HINSTANCE module, int templateId, HWND owner) {
    return DialogBoxParamA(module, MAKEINTRESOURCEA(templateId), owner, &Procedure,
                           reinterpret_cast<LPARAM>(this));
}

void TDialog::btnHelpClick() {
    if (const char* anchor = HelpAnchor()) ShowHelp(window_, anchor);
}

void TDialog::btnOkClick() {
    if (StoreBindings()) Close(IDOK);
}

void TDialog::Close(INT_PTR result) { EndDialog(window_, result); }

void TDialog::Bind(std::vector<Binding> table, std::string caption) {
    bindings_ = std::move(table);
    bindingCaption_ = std::move(caption);
}

void TDialog::ShowBindings() {
    const ScopedFlag filling(filling_);
    for (const Binding& line : bindings_) {
        const ControlState state = ShownState(line);
        const HWND control = Control(line.control);
        switch (line.kind) {
            case BindingKind::Number:
                ::SetControlText(control, state.text);
                break;
            case BindingKind::Text:
                if (line.limit > 0) ::LimitText(control, line.limit);
                ::SetControlText(control, state.text);
                break;
            case BindingKind::UpDown:
                ::SetUpUpDown(control, line.minimum, line.maximum, line.step, state.position);
                break;
            case BindingKind::TrackBar:
                ::SetUpTrackBar(control, line.minimum, line.maximum, line.step, state.position);
                break;
            case BindingKind::Check:
                ::SetChecked(control, state.checked);
                break;
            case BindingKind::ComboValue:
                ::SelectIndex(control, state.index);
                break;
        }
    }
}

bool TDialog::StoreBindings() {
    std::vector<ControlState> states(bindings_.size());
    for (std::size_t i = 0; i < bindings_.size(); ++i) {
        const HWND control = Control(bindings_[i].control);
        switch (bindings_[i].kind) {
            case BindingKind::Number:
            case BindingKind::Text:
                states[i].text = ::ControlText(control);
                break;
            case BindingKind::UpDown:
                // The position, not the edit's text, which may show
                // thousands separators.
                states[i].position = ::UpDownPosition(control);
                break;
            case BindingKind::TrackBar:
                states[i].position = ::TrackBarPosition(control);
                break;
            case BindingKind::Check:
                states[i].checked = ::Checked(control);
                break;
            case BindingKind::ComboValue:
                states[i].index = ::SelectedIndex(control);
                break;
        }
    }
    const std::optional<BindingRefusal> refusal = StoreStates(bindings_, states, bindingCaption_);
    if (!refusal) return true;
    ShowDialogMessage(window_, refusal->message);
    SetFocus(Control(bindings_[refusal->line].control));
    return false;
}

void TDialog::FocusControl(int id) {
    // Posted: while the dialog is being made it is neither shown nor active,
    // and the focus would not stay.
    PostMessageA(window_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Control(id)), TRUE);
    focusSet_ = true;
}

INT_PTR CALLBACK TDialog::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    TDialog* self = nullptr;
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<TDialog*>(lParam);
        self->window_ = window;
        SetWindowLongPtrA(window, DWLP_USER, lParam);
    } else {
        self = reinterpret_cast<TDialog*>(GetWindowLongPtrA(window, DWLP_USER));
    }
    // Messages before WM_INITDIALOG (WM_SETFONT) and after the object let go.
    if (!self) return FALSE;
    try {
        return self->Dispatch(message, wParam, lParam);
    } catch (...) {
        // Controls that could not be filled would show the user nothing
        // true: such a dialog closes as if cancelled. Any other handler
        // that failed leaves its message to the dialog manager.
        if (message == WM_INITDIALOG) EndDialog(window, IDCANCEL);
        return FALSE;
    }
}

INT_PTR TDialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG: {
            focusSet_ = false;
            const ScopedFlag filling(filling_);
            FormCreate();
            ShowBindings();
            // FALSE: the dialog manager leaves the focus where FormCreate put it.
            return focusSet_ ? FALSE : TRUE;
        }
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case IDOK:
                    btnOkClick();
                    break;
                case IDCANCEL:
                    btnCancelClick();
                    break;
                case IDHELP:
                    btnHelpClick();
                    break;
                default:
                    Command(LOWORD(wParam), HIWORD(wParam));
            }
            return TRUE;
        case WM_NOTIFY:
            SetWindowLongPtrA(window_, DWLP_MSGRESULT, Notify(*reinterpret_cast<const NMHDR*>(lParam)));
            return TRUE;
        case WM_HELP:
            btnHelpClick();
            return TRUE;
        case WM_TIMER:
            Timer(wParam);
            return TRUE;
        case WM_DESTROY:
            FormClose();
            return FALSE;
        case WM_NCDESTROY:
            SetWindowLongPtrA(window_, DWLP_USER, 0);
            window_ = nullptr;
            return FALSE;
    }
    return HandleMessage(message, wParam, lParam);
}
