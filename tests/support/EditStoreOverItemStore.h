// The editing models' store interface over a real item store, so that their
// tests meet the store's own look-ups and conflict rules.
#pragma once

#include "editing/EditStore.h"
#include "store/ItemStore.h"

class EditStoreOverItemStore : public EditStore {
  public:
    explicit EditStoreOverItemStore(ItemStore& store) : store_(store) {}
    TMacroRecord* getMacro(const char* id) override { return store_.getMacro(id); }
    TBGroupRecord* getBGroup(const char* id) override { return store_.getBGroup(id); }
    TBGroupRecord* getNextBGroup(int& position) override { return store_.getNextBGroup(position); }
    TMacroRecord* getNextMacro(int& position, const char* groupID) override {
        return store_.getNextMacro(position, groupID, false);
    }
    bool checkIRCommandConflict(const char* id, const char* command) override {
        return store_.checkIRCommandConflict(id, command, true);
    }
    std::string getNewMacroID() override { return store_.getNewMacroID(); }
    std::string getNewBGroupID() override { return store_.getNewBGroupID(); }
    bool addMacro(const TMacroRecord& record) override { return store_.addMacro(record); }
    bool addBGroup(const TBGroupRecord& record) override { return store_.addBGroup(record); }
    bool deleteItem(const char* id) override { return store_.deleteItem(id); }
    bool isDisabled(const char* id) override { return store_.isDisabled(id); }
    bool toggleDisableEnable(const char* id) override { return store_.toggleDisableEnable(id); }

  private:
    ItemStore& store_;
};
