#include "plugins/mediakeys/win/TdlgMediaKey.h"

#include "plugins/mediakeys/MediaKeys.h"
#include "plugins/mediakeys/win/TdlgMediaKeyRes.h"

void TdlgMediaKey::FormCreate() {
    std::vector<std::string> captions;
    for (const MediaKey& key : kMediaKeys) captions.emplace_back(key.caption);
    FillList(IDC_MEDIAKEY_LIST, captions);
    SelectIndex(IDC_MEDIAKEY_LIST, 0);
    FocusControl(IDC_MEDIAKEY_LIST);
}

void TdlgMediaKey::Command(int id, int notification) {
    if (id == IDC_MEDIAKEY_LIST && notification == LBN_DBLCLK) btnOkClick();
}

void TdlgMediaKey::btnOkClick() {
    const int selected = SelectedIndex(IDC_MEDIAKEY_LIST);
    if (selected < 0 || selected >= static_cast<int>(kMediaKeys.size())) return;
    parameter_ = kMediaKeys[static_cast<std::size_t>(selected)].parameter;
    Close(IDOK);
}
