// The item store as the dispatch and the executor use it.
#pragma once

#include <string>

#include "core/Records.h"

struct ItemMatch {
    std::string id;  // the item to run, "" for none
    int count = 0;   // how many items the sequence may still select
};

class Items {
  public:
    virtual ~Items() = default;
    virtual TMacroRecord* getMacro(const char* id) = 0;
    virtual TBGroupRecord* getBGroup(const char* id) = 0;
    virtual TMacroRecord* findMacroByName(const char* name) = 0;
    virtual TBGroupRecord* findBGroupByName(const char* name) = 0;
    virtual ItemMatch findItemByCommand(const char* sequence, bool final) = 0;
    virtual void activateBGroup(const char* id) = 0;
};
