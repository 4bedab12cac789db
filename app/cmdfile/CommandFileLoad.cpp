// Reading items from text into the store, at start and by import.
#include <string>

#include "app/cmdfile/CommandFile.h"
#include "app/cmdfile/CommandFileReader.h"
#include "store/ItemIDs.h"

namespace {

// Adds the items of one imported file in file order, renumbered.
class ImportLoader {
  public:
    explicit ImportLoader(ItemStoreAccess& store) : store_(store) {}

    // False when the item could not be added.
    bool Load(const ItemValues& values) {
        return values.IsGroup() ? LoadGroup(GroupRecordFrom(values)) : LoadMacro(MacroRecordFrom(values));
    }

  private:
    bool LoadGroup(TBGroupRecord group) {
        reservedID_.clear();
        oldStartID_.clear();
        groupSeen_ = true;
        lastGroupID_ = store_.getNewBGroupID();
        if (lastGroupID_.empty()) return false;
        CopyText(group.ID, lastGroupID_);
        CopyText(group.IRCommand, "");
        if (group.MacroID[0] != '\0') ReserveStartMacro(group);
        return store_.addBGroup(group);
    }

    // The start macro may come later in the file, or never: its new ID is
    // held by a placeholder so that no other macro is handed it meanwhile.
    void ReserveStartMacro(TBGroupRecord& group) {
        reservedID_ = store_.getNewMacroID();
        oldStartID_ = FieldText(group.MacroID);
        CopyText(group.MacroID, reservedID_);
        if (reservedID_.empty()) return;
        TMacroRecord placeholder = FreshMacroRecord();
        CopyText(placeholder.ID, reservedID_);
        store_.addMacro(placeholder);
    }

    bool LoadMacro(TMacroRecord macro) {
        if (macro.AppID[0] != '\0') {
            // The macros of a group that could not be added stay out with it.
            if (lastGroupID_.empty() && groupSeen_) return false;
            CopyText(macro.AppID, lastGroupID_);
        }
        if (!reservedID_.empty() && FieldText(macro.ID) == oldStartID_) {
            store_.deleteItem(reservedID_.c_str());
            CopyText(macro.ID, reservedID_);
            // Used once: a second macro with the same old ID is another
            // item and must not take the start macro's place.
            reservedID_.clear();
        } else {
            const std::string id = store_.getNewMacroID();
            if (id.empty()) return false;
            CopyText(macro.ID, id);
        }
        CopyText(macro.IRCommand, "");
        return store_.addMacro(macro);
    }

    ItemStoreAccess& store_;
    std::string reservedID_;   // the new ID of the current group's start macro
    std::string oldStartID_;   // its ID in the file
    std::string lastGroupID_;  // the ID of the group added last, "" when it could not be
    bool groupSeen_ = false;
};

// Which numbers of the kind the store's items hold.
template <class Next>
HeldNumbers Held(char letter, Next next) {
    HeldNumbers held(kMaxItemNumber + 1, false);
    int position = -1;
    while (const auto* record = next(position)) held[IDNumber(record->ID, letter)] = true;
    return held;
}

}  // namespace

LoadReport LoadItemsText(ItemStoreAccess& store, std::string_view text, bool fromUser) {
    const std::vector<ItemValues> items = ReadCommandFile(text);
    LoadReport report;
    report.itemsInFile = items.size();
    if (fromUser) {
        ImportLoader loader(store);
        for (const ItemValues& values : items)
            if (!loader.Load(values)) ++report.itemsNotLoaded;
        return report;
    }
    StartLoadPlan plan =
        PlanStartLoad(items, Held('A', [&](int& position) { return store.getNextBGroup(position); }),
                      Held('M', [&](int& position) { return store.getNextMacro(position, "", true); }));
    report.itemsNotLoaded = plan.itemsLeftOut;
    for (const TBGroupRecord& group : plan.groups)
        if (!store.addBGroup(group)) ++report.itemsNotLoaded;
    for (const TMacroRecord& macro : plan.macros)
        if (!store.addMacro(macro)) ++report.itemsNotLoaded;
    report.changedIDs = std::move(plan.changedIDs);
    report.madeGeneral = std::move(plan.madeGeneral);
    return report;
}
