// Reading items from text into the store, at start and by import.
#include <string>

#include "CommandFile.h"
#include "CommandFileReader.h"

namespace {

// Adds the items of one file in file order; an import renumbers them.
class ItemLoader {
  public:
    ItemLoader(ItemStoreAccess& store, bool fromUser) : store_(store), fromUser_(fromUser) {}

    void Load(const ItemValues& values) {
        if (values.IsGroup()) {
            LoadGroup(GroupRecordFrom(values));
        } else {
            LoadMacro(MacroRecordFrom(values));
        }
    }

  private:
    void LoadGroup(TBGroupRecord group) {
        reservedID_.clear();
        oldStartID_.clear();
        if (fromUser_) {
            CopyText(group.ID, store_.getNewBGroupID());
            CopyText(group.IRCommand, "");
            if (group.MacroID[0] != '\0') ReserveStartMacro(group);
        }
        lastGroupID_ = FieldText(group.ID);
        store_.addBGroup(group);
    }

    // The start macro may come later in the file, or never: its new ID is
    // held by a placeholder so that no other macro is handed it meanwhile.
    void ReserveStartMacro(TBGroupRecord& group) {
        reservedID_ = store_.getNewMacroID();
        oldStartID_ = FieldText(group.MacroID);
        CopyText(group.MacroID, reservedID_);
        TMacroRecord placeholder = FreshMacroRecord();
        CopyText(placeholder.ID, reservedID_);
        store_.addMacro(placeholder);
    }

    void LoadMacro(TMacroRecord macro) {
        if (fromUser_) {
            if (macro.AppID[0] != '\0') CopyText(macro.AppID, lastGroupID_);
            if (!reservedID_.empty() && FieldText(macro.ID) == oldStartID_) {
                store_.deleteItem(reservedID_.c_str());
                CopyText(macro.ID, reservedID_);
                // Used once: a second macro with the same old ID is another
                // item and must not take the start macro's place.
                reservedID_.clear();
            } else {
                CopyText(macro.ID, store_.getNewMacroID());
            }
            CopyText(macro.IRCommand, "");
        }
        store_.addMacro(macro);
    }

    ItemStoreAccess& store_;
    const bool fromUser_;
    std::string reservedID_;   // the new ID of the current group's start macro
    std::string oldStartID_;   // its ID in the file
    std::string lastGroupID_;  // the ID of the group added last
};

}  // namespace

void LoadItemsText(ItemStoreAccess& store, std::string_view text, bool fromUser) {
    ItemLoader loader(store, fromUser);
    for (const ItemValues& values : ReadCommandFile(text)) loader.Load(values);
}
