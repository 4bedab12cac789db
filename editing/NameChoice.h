// The run-macro and activate-group dialogs: a drop-down list of names, the
// first selected, and the command for the chosen one.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "editing/EditStore.h"

struct NameChoice {
    std::vector<std::string> names;
    int selected = 0;

    bool OkEnabled() const { return !names.empty(); }
    // The prefix and the selected name; "" when nothing is selected.
    std::string Token(std::string_view prefix) const;
};

// The macros of the group in store order, then the general macros; a macro
// can run those of its own group and the general ones.
NameChoice MacroChoice(EditStore& store, const char* groupID);
// Every button group in store order.
NameChoice GroupChoice(EditStore& store);
