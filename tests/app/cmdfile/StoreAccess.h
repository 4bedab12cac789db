// The portable item store behind the command file's store interface, for
// the native tests and the benchmark.
#pragma once

#include "app/cmdfile/ItemStoreAccess.h"
#include "store/ItemStore.h"

class StoreAccess : public ItemStoreAccess {
  public:
    explicit StoreAccess(ItemStore& store) : store_(store) {}

    TBGroupRecord* getNextBGroup(int& position) override { return store_.getNextBGroup(position); }
    TMacroRecord* getNextMacro(int& position, const char* groupID, bool allMacros) override {
        return store_.getNextMacro(position, groupID, allMacros);
    }
    bool getBGroupOrMacro(const char* id, TMacroRecord*& macro, TBGroupRecord*& group) override {
        return store_.getBGroupOrMacro(id, macro, group);
    }
    bool addBGroup(const TBGroupRecord& record) override { return store_.addBGroup(record); }
    bool addMacro(const TMacroRecord& record) override { return store_.addMacro(record); }
    std::string getNewBGroupID() override { return store_.getNewBGroupID(); }
    std::string getNewMacroID() override { return store_.getNewMacroID(); }
    bool deleteItem(const char* id) override { return store_.deleteItem(id); }

  private:
    ItemStore& store_;
};
