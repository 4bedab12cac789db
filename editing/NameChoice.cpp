#include "editing/NameChoice.h"

namespace {

void AddMacroNames(EditStore& store, const char* groupID, std::vector<std::string>& names) {
    int position = -1;
    while (const TMacroRecord* macro = store.getNextMacro(position, groupID))
        names.emplace_back(FieldText(macro->Name));
}

}  // namespace

std::string NameChoice::Token(std::string_view prefix) const {
    if (selected < 0 || selected >= static_cast<int>(names.size())) return {};
    return std::string(prefix) + names[selected];
}

NameChoice MacroChoice(EditStore& store, const char* groupID) {
    NameChoice choice;
    if (groupID && *groupID) AddMacroNames(store, groupID, choice.names);
    AddMacroNames(store, "", choice.names);
    return choice;
}

NameChoice GroupChoice(EditStore& store) {
    NameChoice choice;
    int position = -1;
    while (const TBGroupRecord* group = store.getNextBGroup(position))
        choice.names.emplace_back(FieldText(group->Name));
    return choice;
}
