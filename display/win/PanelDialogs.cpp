#include "PanelDialogs.h"

#include <optional>

#include "OpenFileDialog.h"
#include "PanelRes.h"
#include "Settings.h"
#include "Text.h"
#include "tovdata.h"

namespace {

constexpr int kCaptionLimit = sizeof(TBtnEntry::CAP) - 1;
constexpr int kPictureLimit = sizeof(TBtnEntry::PIC) - 1;

std::string TextOf(HWND control) {
    char text[kPictureLimit + 1] = "";
    GetWindowTextA(control, text, sizeof text);
    return text;
}

// Starts from the path in the field and puts the chosen one there.
void BrowseBitmap(HWND owner, HWND field) {
    if (const auto path = ChooseFileToOpen(owner, {"Bitmaps (*.bmp)\0*.bmp\0", nullptr, TextOf(field),
                                                   OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST}))
        SetWindowTextA(field, path->c_str());
}

template <class Record>
ItemName NameOf(const Record& record) {
    return {std::string(FieldText(record.ID)), std::string(FieldText(record.Name))};
}

// The store's groups with their macros, and the general macros, in store order.
std::vector<ButtonItem> StoreItems() {
    std::vector<GroupItems> groups;
    int position = -1;
    while (const TBGroupRecord* group = getNextBGroup(&position)) {
        GroupItems items{NameOf(*group), {}};
        int macroPosition = -1;
        while (const TMacroRecord* macro = getNextMacro(&macroPosition, group->ID, false))
            items.macros.push_back(NameOf(*macro));
        groups.push_back(std::move(items));
    }
    std::vector<ItemName> general;
    position = -1;
    while (const TMacroRecord* macro = getNextMacro(&position, "", false)) general.push_back(NameOf(*macro));
    return ButtonItemList(groups, general);
}

}  // namespace

TdlgBtnProperties::TdlgBtnProperties(TBtnEntry& entry) : entry_(entry), mid_(FieldText(entry.MID)) {}

void TdlgBtnProperties::FormCreate() {
    SetWindowTextA(Handle(), ("Button " + std::string(FieldText(entry_.CAP)) + " properties").c_str());
    SendMessageA(Control(IDC_BTNPROPERTIES_TXTCAPTION), EM_LIMITTEXT, kCaptionLimit, 0);
    SendMessageA(Control(IDC_BTNPROPERTIES_TXTPIC), EM_LIMITTEXT, kPictureLimit, 0);
    // An entry with both (a hand-edited file) opens with its caption only.
    const std::string caption(FieldText(entry_.CAP));
    const std::string picture = caption.empty() ? std::string(FieldText(entry_.PIC)) : "";
    filling_ = true;
    SetWindowTextA(Control(IDC_BTNPROPERTIES_TXTCAPTION), caption.c_str());
    SetWindowTextA(Control(IDC_BTNPROPERTIES_TXTPIC), picture.c_str());
    filling_ = false;

    items_ = StoreItems();
    const HWND list = Control(IDC_BTNPROPERTIES_CMBMACROS);
    for (const ButtonItem& item : items_)
        SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.text.c_str()));
    const int selected = FindButtonItem(items_, mid_);
    // Without a match the first entry shows, but the ID stays until one is picked.
    SendMessageA(list, CB_SETCURSEL, selected < 0 ? 0 : selected, 0);
}

void TdlgBtnProperties::Command(int id, int notification) {
    if ((id == IDC_BTNPROPERTIES_TXTCAPTION || id == IDC_BTNPROPERTIES_TXTPIC) && notification == EN_CHANGE) {
        if (filling_) return;
        filling_ = true;
        SetWindowTextA(Control(id == IDC_BTNPROPERTIES_TXTCAPTION ? IDC_BTNPROPERTIES_TXTPIC
                                                                  : IDC_BTNPROPERTIES_TXTCAPTION),
                       "");
        filling_ = false;
    } else if (id == IDC_BTNPROPERTIES_BTNBROWSE && notification == BN_CLICKED) {
        BrowseBitmap(Handle(), Control(IDC_BTNPROPERTIES_TXTPIC));
    } else if (id == IDC_BTNPROPERTIES_CMBMACROS && notification == CBN_SELCHANGE) {
        const int index = static_cast<int>(SendMessageA(Control(id), CB_GETCURSEL, 0, 0));
        mid_.clear();
        if (index >= 0 && index < static_cast<int>(items_.size())) mid_ = ButtonItemID(items_[index]);
    }
}

void TdlgBtnProperties::btnOkClick() {
    CopyText(entry_.MID, mid_);
    CopyText(entry_.CAP, TextOf(Control(IDC_BTNPROPERTIES_TXTCAPTION)));
    CopyText(entry_.PIC, TextOf(Control(IDC_BTNPROPERTIES_TXTPIC)));
    Close(IDOK);
}

void TdlgPanelProp::FormCreate() {
    SendMessageA(Control(IDC_PANELPROP_TXTPIC), EM_LIMITTEXT, kPictureLimit, 0);
    SetWindowTextA(Control(IDC_PANELPROP_TXTPIC), ReadSetting(setting::BtnPanelBack).c_str());
}

void TdlgPanelProp::Command(int id, int notification) {
    if (id == IDC_PANELPROP_BTNBROWSE && notification == BN_CLICKED)
        BrowseBitmap(Handle(), Control(IDC_PANELPROP_TXTPIC));
}

void TdlgPanelProp::btnOkClick() {
    WriteSetting(setting::BtnPanelBack, TextOf(Control(IDC_PANELPROP_TXTPIC)));
    Close(IDOK);
}
