#include "TdlgMediaKey.h"

#include "MediaKeyRes.h"
#include "MediaKeys.h"

void TdlgMediaKey::FormCreate() {
    HWND list = Control(IDC_MEDIAKEY_LIST);
    for (const MediaKey& key : kMediaKeys)
        SendMessageA(list, LB_ADDSTRING, 0, LPARAM(std::string(key.caption).c_str()));
    SendMessageA(list, LB_SETCURSEL, 0, 0);
    FocusControl(IDC_MEDIAKEY_LIST);
}

void TdlgMediaKey::Command(int id, int notification) {
    if (id == IDC_MEDIAKEY_LIST && notification == LBN_DBLCLK) btnOkClick();
}

void TdlgMediaKey::btnOkClick() {
    const LRESULT selected = SendDlgItemMessageA(Handle(), IDC_MEDIAKEY_LIST, LB_GETCURSEL, 0, 0);
    if (selected < 0 || selected >= static_cast<LRESULT>(kMediaKeys.size())) return;
    parameter_ = kMediaKeys[static_cast<std::size_t>(selected)].parameter;
    Close(IDOK);
}
