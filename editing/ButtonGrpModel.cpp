#include "editing/ButtonGrpModel.h"

#include <utility>

#include "core/CommandList.h"
#include "core/Text.h"

const DialogMessage kSpecifyGroupName{"Specify name for the button group!", "Button group",
                                      MessageIcon::Exclamation};
const DialogMessage kNoRoomForGroup{
    "Tovanix keeps at most 9,999 button groups, and all of them are in use. This group is not stored: "
    "delete a group you no longer need, or cancel.",
    "Button group", MessageIcon::Exclamation};

namespace {

std::optional<int> MacroNumber(std::string_view id) {
    if (id.size() < 2 || id[0] != 'M') return std::nullopt;
    int number = 0;
    for (char c : id.substr(1)) {
        if (c < '0' || c > '9') return std::nullopt;
        number = number * 10 + (c - '0');
    }
    return number;
}

std::string MacroID(const StartMacroEntry& entry) {
    return entry.number ? "M" + std::to_string(*entry.number) : std::string();
}

}  // namespace

ButtonGrpModel::ButtonGrpModel(EditStore& store, std::string groupID, std::string caption)
    : store_(&store), groupID_(std::move(groupID)), caption_(std::move(caption)) {}

ButtonGrpModel ButtonGrpModel::ForAdd(EditStore& store) {
    return ButtonGrpModel(store, "", "Add button group");
}

std::optional<ButtonGrpModel> ButtonGrpModel::ForEdit(EditStore& store, const char* groupID) {
    const TBGroupRecord* group = store.getBGroup(groupID);
    if (!group) return std::nullopt;
    const std::string_view name = FieldText(group->Name);
    ButtonGrpModel model(store, std::string(FieldText(group->ID)), "Edit button group " + std::string(name));
    model.name = name;
    model.FillEntries();
    return model;
}

void ButtonGrpModel::FillEntries() {
    const TBGroupRecord* group = store_->getBGroup(groupID_.c_str());
    if (!group) return;
    entries_ = {StartMacroEntry{}};
    int position = -1;
    while (const TMacroRecord* macro = store_->getNextMacro(position, groupID_.c_str()))
        entries_.push_back({std::string(FieldText(macro->Name)), MacroNumber(FieldText(macro->ID))});
    SelectMacro(FieldText(group->MacroID));
}

void ButtonGrpModel::SelectMacro(std::string_view macroID) {
    const std::optional<int> number = MacroNumber(macroID);
    selected_ = -1;
    for (std::size_t i = 0; i < entries_.size() && selected_ < 0; ++i) {
        if (entries_[i].number == number) selected_ = static_cast<int>(i);
    }
}

bool ButtonGrpModel::EditEnabled() const { return selected_ >= 0 && entries_[selected_].number.has_value(); }

void ButtonGrpModel::Choose(int entry) {
    TBGroupRecord* group = store_->getBGroup(groupID_.c_str());
    if (!group || entry < 0 || entry >= static_cast<int>(entries_.size())) return;
    selected_ = entry;
    CopyText(group->MacroID, MacroID(entries_[entry]));
}

std::optional<DialogMessage> ButtonGrpModel::EnsureGroup() {
    name = CommasToBlanks(name);
    if (!groupID_.empty()) return std::nullopt;
    if (TrimBlanks(name).empty()) return kSpecifyGroupName;
    TBGroupRecord group = FreshBGroupRecord();
    const std::string id = store_->getNewBGroupID();
    CopyText(group.ID, id);
    CopyText(group.Name, name);
    if (id.empty() || !store_->addBGroup(group)) return kNoRoomForGroup;
    groupID_ = id;
    return std::nullopt;
}

void ButtonGrpModel::MacroSaved(const char* macroID) {
    FillEntries();
    SelectMacro(FixedText(macroID, kItemIDSize));
    Choose(selected_);
}

std::string ButtonGrpModel::StartMacroToEdit() const {
    const TBGroupRecord* group = store_->getBGroup(groupID_.c_str());
    if (!group || FieldText(group->MacroID).empty() || !store_->getMacro(group->MacroID)) return {};
    return std::string(FieldText(group->MacroID));
}

std::optional<DialogMessage> ButtonGrpModel::Accept() {
    name = CommasToBlanks(name);
    if (TrimBlanks(name).empty()) return kSpecifyGroupName;
    if (std::optional<DialogMessage> refusal = EnsureGroup()) return refusal;
    if (TBGroupRecord* group = store_->getBGroup(groupID_.c_str())) CopyText(group->Name, name);
    return std::nullopt;
}
