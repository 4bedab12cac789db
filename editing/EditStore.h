// The item store as the editing dialogs use it. Records are the store's own:
// a dialog changes them in place through the pointers it gets.
#pragma once

#include <string>

#include "core/Records.h"

class EditStore {
  public:
    virtual ~EditStore() = default;
    virtual TMacroRecord* getMacro(const char* id) = 0;
    virtual TBGroupRecord* getBGroup(const char* id) = 0;
    // The store order from position -1; null at the end. getNextMacro gives
    // the macros of the group (an empty ID: the general macros).
    virtual TBGroupRecord* getNextBGroup(int& position) = 0;
    virtual TMacroRecord* getNextMacro(int& position, const char* groupID) = 0;
    // Whether the learnt command may be stored for the item.
    virtual bool checkIRCommandConflict(const char* id, const char* command) = 0;

    // A free ID; "" when every number of the kind is taken.
    virtual std::string getNewMacroID() = 0;
    virtual std::string getNewBGroupID() = 0;
    // The store keeps a copy of the record.
    virtual bool addMacro(const TMacroRecord& record) = 0;
    virtual bool addBGroup(const TBGroupRecord& record) = 0;
    // Removes the item, a group with its macros.
    virtual bool deleteItem(const char* id) = 0;
    virtual bool isDisabled(const char* id) = 0;
    // Enabling is refused (false) while the item's command clashes.
    virtual bool toggleDisableEnable(const char* id) = 0;
};
