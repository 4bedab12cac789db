// TDialog: the base of every modal dialog of the libraries. The dialog comes
// from a resource template of the module that owns it; the static dialog
// procedure finds the object from WM_INITDIALOG on and hands each message to
// a virtual handler, and no exception leaves it. The base holds the control
// plumbing (by control ID) and applies the dialog's binding table.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/Binding.h"
#include "core/ScopedFlag.h"
#include "core/win/Controls.h"

class TDialog {
  public:
    TDialog(const TDialog&) = delete;
    TDialog& operator=(const TDialog&) = delete;

    // Runs the dialog of that template in module (the library's own,
    // ThisModule()) and returns the result it ended with: IDOK, IDCANCEL or
    // what Close was given; -1 when it could not be shown.
    INT_PTR ShowModal(HINSTANCE module, int templateId, HWND owner);

    // Null before ShowModal and once the dialog is gone.
    HWND Handle() const { return window_; }

  protected:
    TDialog() = default;
    virtual ~TDialog() = default;

    // Model to controls, before the dialog is shown; the binding table is
    // shown right after it.
    virtual void FormCreate() {}
    // The dialog is going, by whatever way it was closed.
    virtual void FormClose() {}
    // WM_COMMAND of every control but OK, Cancel and Help.
    virtual void Command(int id, int notification) {
        (void)id;
        (void)notification;
    }
    virtual LRESULT Notify(const NMHDR& header) {
        (void)header;
        return 0;
    }
    // Controls to model; by default the binding table is stored and the
    // dialog closes with IDOK. A dialog that refuses shows its message and
    // stays open.
    virtual void btnOkClick();
    // "Cancel", Escape and the close box.
    virtual void btnCancelClick() { Close(IDCANCEL); }
    // "Help", F1 and the help key: ShowHelp at HelpAnchor(), when there is one.
    virtual void btnHelpClick();
    virtual const char* HelpAnchor() const { return nullptr; }
    virtual void Timer(UINT_PTR id) { (void)id; }
    // Any other message; FALSE leaves it to the dialog manager.
    virtual INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
        (void)message;
        (void)wParam;
        (void)lParam;
        return FALSE;
    }

    void Close(INT_PTR result);
    HWND Control(int id) const { return GetDlgItem(window_, id); }

    // The controls by ID (core/win/Controls.h says what each does).
    std::string ControlText(int id) const { return ::ControlText(Control(id)); }
    void SetControlText(int id, const std::string& text) { ::SetControlText(Control(id), text); }
    void LimitText(int id, std::size_t length) { ::LimitText(Control(id), length); }
    bool Checked(int id) const { return ::Checked(Control(id)); }
    void SetChecked(int id, bool checked) { ::SetChecked(Control(id), checked); }
    void EnableControl(int id, bool enabled) { EnableWindow(Control(id), enabled); }
    void ShowControl(int id, bool shown) { ShowWindow(Control(id), shown ? SW_SHOW : SW_HIDE); }
    void SetUpUpDown(int id, int32_t minimum, int32_t maximum, int step, int32_t position) {
        ::SetUpUpDown(Control(id), minimum, maximum, step, position);
    }
    int32_t UpDownPosition(int id) const { return ::UpDownPosition(Control(id)); }
    void SetUpDownPosition(int id, int32_t position) { ::SetUpDownPosition(Control(id), position); }
    void FillList(int id, const std::vector<std::string>& entries) { ::FillList(Control(id), entries); }
    int SelectedIndex(int id) const { return ::SelectedIndex(Control(id)); }
    void SelectIndex(int id, int index) { ::SelectIndex(Control(id), index); }

    // The binding table (core/Binding.h), given once before the dialog is
    // shown; a refused value is reported in a message box under caption.
    void Bind(std::vector<Binding> table, std::string caption);
    // Model to controls by the table: at WM_INITDIALOG after FormCreate, and
    // whenever the dialog changed its model.
    void ShowBindings();
    // Controls to model by the table; false when a value was refused: the
    // user has been told, the focus is on its control and nothing is stored.
    bool StoreBindings();

    // True during FormCreate and ShowBindings and under FillingControls:
    // what the dialog does to its own controls notifies (EN_CHANGE,
    // CBN_SELCHANGE) like user input, and Command can tell the two apart.
    bool Filling() const { return filling_; }
    ScopedFlag FillingControls() { return ScopedFlag(filling_); }
    // Gives the control the focus when the dialog opens (from FormCreate)
    // or later.
    void FocusControl(int id);
    void StartTimer(UINT_PTR id, UINT milliseconds) { SetTimer(window_, id, milliseconds, nullptr); }
    void StopTimer(UINT_PTR id) { KillTimer(window_, id); }

  private:
    static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
    bool focusSet_ = false;
    bool filling_ = false;
    std::vector<Binding> bindings_;
    std::string bindingCaption_;
};
