// TDialog: the base of every modal dialog of the libraries. The dialog comes
// from a resource template of the module that owns it; the static dialog
// procedure finds the object from WM_INITDIALOG on and hands each message to
// a virtual handler, and no exception leaves it.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

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

    // Model to controls, before the dialog is shown.
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
    // Controls to model; closes with IDOK by default. A dialog that refuses
    // shows its message and stays open.
    virtual void btnOkClick() { Close(IDOK); }
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
    std::string ControlText(int id) const;
    // The most characters the user can type into the edit.
    void LimitText(int id, std::size_t length) { SendDlgItemMessageA(window_, id, EM_LIMITTEXT, length, 0); }
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
};
