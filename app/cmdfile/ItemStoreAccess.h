// The item store as the command file uses it: the main program reaches the
// exports of tovdata.dll, the tests a portable ItemStore. Identifiers are
// read up to 5 characters, so record pointers serve as IDs.
#pragma once

#include <string>

#include "core/Records.h"

class ItemStoreAccess {
  public:
    virtual ~ItemStoreAccess() = default;

    // Walk the store order from position -1; null at the end. getNextMacro
    // gives the macros whose AppID equals groupID ("" for general macros),
    // or every macro with allMacros.
    virtual TBGroupRecord* getNextBGroup(int& position) = 0;
    virtual TMacroRecord* getNextMacro(int& position, const char* groupID, bool allMacros) = 0;
    // True if found; the kind not found is set to null.
    virtual bool getBGroupOrMacro(const char* id, TMacroRecord*& macro, TBGroupRecord*& group) = 0;

    // The store keeps a copy; a malformed or taken ID is replaced.
    virtual bool addBGroup(const TBGroupRecord& record) = 0;
    virtual bool addMacro(const TMacroRecord& record) = 0;

    // A free ID, "" when none is left; asked again before an add, the same one.
    virtual std::string getNewBGroupID() = 0;
    virtual std::string getNewMacroID() = 0;

    // Removes the item (a group with its macros).
    virtual bool deleteItem(const char* id) = 0;
};
