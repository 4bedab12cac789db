// The IDs of a command file loaded at start. An item keeps the ID the file
// gives it, written the way Tovanix writes IDs ("A01" becomes A1). An item
// whose ID is malformed, or already held by an earlier item of the file or
// by an item of the store, gets a new one; the links of the file follow
// every change, so that each macro stays in the group the file puts it in
// and each group keeps its start macro; a macro whose group the file does
// not hold becomes a general macro. docs/command-file.md gives the rule.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "app/cmdfile/CommandFileReader.h"
#include "core/Records.h"

struct IDChange {
    bool group = false;
    std::string name;    // the item's name
    std::string from;    // the ID as the file writes it
    std::string to;      // the ID the item has now
    bool taken = false;  // an earlier item (of the file or the store) holds `from`
};

// A macro whose AppID names no group of the file (a hand-edited file): it
// becomes a general macro, so that the tree shows it and its button runs it;
// a group made later can never take it over by that ID.
struct MacroMadeGeneral {
    std::string name;
    std::string id;     // the ID the macro has now
    std::string group;  // the AppID as the file writes it
};

// Which numbers of a kind items hold already: index 1 to kMaxItemNumber.
using HeldNumbers = std::vector<bool>;

struct StartLoadPlan {
    // In file order, with their final IDs and links.
    std::vector<TBGroupRecord> groups;
    std::vector<TMacroRecord> macros;
    std::vector<IDChange> changedIDs;           // in file order
    std::vector<MacroMadeGeneral> madeGeneral;  // in file order
    // Items for which no ID is left (all kMaxItemNumber of their kind are
    // held), and the macros of a group left out.
    std::size_t itemsLeftOut = 0;
};

StartLoadPlan PlanStartLoad(const std::vector<ItemValues>& items, HeldNumbers heldGroups,
                            HeldNumbers heldMacros);
