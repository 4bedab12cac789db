#include "core/win/Controls.h"

#include <commctrl.h>

#include <algorithm>

namespace {

// A list box and a drop-down list do the same jobs under other messages.
struct ListMessages {
    UINT add, reset, count, getSelection, setSelection;
};
constexpr ListMessages kListBox{LB_ADDSTRING, LB_RESETCONTENT, LB_GETCOUNT, LB_GETCURSEL, LB_SETCURSEL};
constexpr ListMessages kComboBox{CB_ADDSTRING, CB_RESETCONTENT, CB_GETCOUNT, CB_GETCURSEL, CB_SETCURSEL};

const ListMessages& MessagesOf(HWND list) {
    char name[16] = "";
    GetClassNameA(list, name, sizeof name);
    return lstrcmpiA(name, WC_COMBOBOXA) == 0 ? kComboBox : kListBox;
}

}  // namespace

bool Checked(HWND button) { return SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED; }

void SetChecked(HWND button, bool checked) {
    SendMessageA(button, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

std::string ControlText(HWND control) {
    std::string text(GetWindowTextLengthA(control), '\0');
    text.resize(GetWindowTextA(control, text.data(), static_cast<int>(text.size() + 1)));
    return text;
}

void SetControlText(HWND control, const std::string& text) { SetWindowTextA(control, text.c_str()); }

void LimitText(HWND edit, std::size_t length) { SendMessageA(edit, EM_LIMITTEXT, length, 0); }

void SetUpUpDown(HWND upDown, int32_t minimum, int32_t maximum, int step, int32_t position) {
    SendMessageA(upDown, UDM_SETRANGE32, minimum, maximum);
    UDACCEL accel{0, static_cast<UINT>(step)};
    SendMessageA(upDown, UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(&accel));
    SetUpDownPosition(upDown, std::clamp(position, minimum, maximum));
}

int32_t UpDownPosition(HWND upDown) { return static_cast<int32_t>(SendMessageA(upDown, UDM_GETPOS32, 0, 0)); }

void SetUpDownPosition(HWND upDown, int32_t position) { SendMessageA(upDown, UDM_SETPOS32, 0, position); }

void SetUpTrackBar(HWND trackBar, int32_t minimum, int32_t maximum, int tickEvery, int32_t position) {
    SendMessageA(trackBar, TBM_SETRANGEMIN, FALSE, minimum);
    SendMessageA(trackBar, TBM_SETRANGEMAX, FALSE, maximum);
    SendMessageA(trackBar, TBM_SETTICFREQ, tickEvery, 0);
    SendMessageA(trackBar, TBM_SETPOS, TRUE, position);
}

int32_t TrackBarPosition(HWND trackBar) {
    return static_cast<int32_t>(SendMessageA(trackBar, TBM_GETPOS, 0, 0));
}

void FillList(HWND list, const std::vector<std::string>& entries) {
    ClearList(list);
    for (const std::string& entry : entries) AddListEntry(list, entry);
}

int AddListEntry(HWND list, const std::string& entry) {
    const LRESULT index =
        SendMessageA(list, MessagesOf(list).add, 0, reinterpret_cast<LPARAM>(entry.c_str()));
    return index < 0 ? -1 : static_cast<int>(index);
}

void ClearList(HWND list) { SendMessageA(list, MessagesOf(list).reset, 0, 0); }

int ListCount(HWND list) { return static_cast<int>(SendMessageA(list, MessagesOf(list).count, 0, 0)); }

int SelectedIndex(HWND list) {
    return static_cast<int>(SendMessageA(list, MessagesOf(list).getSelection, 0, 0));
}

void SelectIndex(HWND list, int index) {
    SendMessageA(list, MessagesOf(list).setSelection, static_cast<WPARAM>(index), 0);
}
