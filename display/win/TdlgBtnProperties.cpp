#include "display/win/TdlgBtnProperties.h"

#include <optional>

#include "core/Text.h"
#include "display/win/PictureField.h"
#include "display/win/TdlgBtnPropertiesRes.h"
#include "store/tovdata.h"

namespace {

constexpr std::size_t kCaptionLimit = sizeof(TBtnEntry::CAP) - 1;

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

// An entry with both (a hand-edited file) opens with its caption only.
TdlgBtnProperties::TdlgBtnProperties(TBtnEntry& entry)
    : entry_(entry),
      mid_(FieldText(entry.MID)),
      caption_(FieldText(entry.CAP)),
      picture_(caption_.empty() ? FieldText(entry.PIC) : "") {
    Bind({bind::Text(IDC_BTNPROPERTIES_TXTCAPTION, caption_, kCaptionLimit),
          bind::Text(IDC_BTNPROPERTIES_TXTPIC, picture_, kPictureLimit)},
         "Button properties");
}

void TdlgBtnProperties::FormCreate() {
    ::SetControlText(Handle(), "Button " + caption_ + " properties");
    items_ = StoreItems();
    std::vector<std::string> texts;
    for (const ButtonItem& item : items_) texts.push_back(item.text);
    FillList(IDC_BTNPROPERTIES_CMBMACROS, texts);
    const int selected = FindButtonItem(items_, mid_);
    // Without a match the first entry shows, but the ID stays until one is picked.
    SelectIndex(IDC_BTNPROPERTIES_CMBMACROS, selected < 0 ? 0 : selected);
}

// Only the user's typing in one field empties the other.
void TdlgBtnProperties::Command(int id, int notification) {
    if (Filling()) return;
    if ((id == IDC_BTNPROPERTIES_TXTCAPTION || id == IDC_BTNPROPERTIES_TXTPIC) && notification == EN_CHANGE) {
        const ScopedFlag filling = FillingControls();
        SetControlText(
            id == IDC_BTNPROPERTIES_TXTCAPTION ? IDC_BTNPROPERTIES_TXTPIC : IDC_BTNPROPERTIES_TXTCAPTION, "");
    } else if (id == IDC_BTNPROPERTIES_BTNBROWSE && notification == BN_CLICKED) {
        BrowseBitmap(Handle(), Control(IDC_BTNPROPERTIES_TXTPIC));
    } else if (id == IDC_BTNPROPERTIES_CMBMACROS && notification == CBN_SELCHANGE) {
        const int index = SelectedIndex(id);
        mid_.clear();
        if (index >= 0 && index < static_cast<int>(items_.size())) mid_ = ButtonItemID(items_[index]);
    }
}

void TdlgBtnProperties::btnOkClick() {
    if (!StoreBindings()) return;
    CopyText(entry_.MID, mid_);
    CopyText(entry_.CAP, caption_);
    CopyText(entry_.PIC, picture_);
    Close(IDOK);
}
