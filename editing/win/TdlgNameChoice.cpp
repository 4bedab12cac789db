#include "TdlgNameChoice.h"

void TdlgNameChoice::FormCreate() {
    for (const std::string& name : choice_.names)
        SendDlgItemMessageA(Handle(), listId_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    SendDlgItemMessageA(Handle(), listId_, CB_SETCURSEL, choice_.selected, 0);
    EnableWindow(Control(IDOK), choice_.OkEnabled());
    FocusControl(listId_);
}

void TdlgNameChoice::btnOkClick() {
    choice_.selected = static_cast<int>(SendDlgItemMessageA(Handle(), listId_, CB_GETCURSEL, 0, 0));
    CloseWithToken(choice_.Token(prefix_));
}
